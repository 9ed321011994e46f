#include "ui/common/Theme.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

namespace theme {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QPalette current()
{
    return QGuiApplication::palette();
}

QColor envelopeFace(const QPalette &palette)
{
    if (!isDark(palette))
        return QColor(255, 251, 240);
    // A warm tint of the dark window colour.
    const QColor window = palette.color(QPalette::Window);
    return QColor::fromRgb((window.red() * 4 + 255) / 5, (window.green() * 4 + 251) / 5, (window.blue() * 4 + 240) / 5)
        .darker(115);
}

QColor envelopeOutline(const QPalette &palette)
{
    return isDark(palette) ? palette.color(QPalette::WindowText) : QColor(Qt::black);
}

QColor captionBackground(const QPalette &palette)
{
    return isDark(palette) ? palette.color(QPalette::Button) : QColor(227, 227, 227);
}

QColor faintCaption(const QPalette &palette)
{
    return isDark(palette) ? envelopeFace(palette).lighter(170) : QColor(200, 200, 200);
}

QColor panelFace(const QPalette &palette, const QColor &light)
{
    return isDark(palette) ? palette.color(QPalette::Window) : light;
}

QColor readableOn(const QColor &colour, const QColor &background)
{
    if (std::abs(colour.lightness() - background.lightness()) >= 96)
        return colour;
    const int bg = background.lightness();
    QColor readable = colour;
    readable.setHsl(colour.hslHue(), colour.hslSaturation(), bg < 128 ? std::min(255, bg + 128) : std::max(0, bg - 128),
                    colour.alpha());
    return readable;
}

QColor ink(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

} // namespace theme
