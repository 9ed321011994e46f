#include "ui/common/Theme.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <cmath>
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
    const QColor face = envelopeFace(palette);
    return readableOn(isDark(palette) ? face.lighter(170) : QColor(200, 200, 200), face, IndicatorContrast);
}

QColor panelFace(const QPalette &palette, const QColor &light)
{
    return isDark(palette) ? palette.color(QPalette::Window) : light;
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &colour, const QColor &background, double contrast)
{
    if (contrastRatio(colour, background) >= contrast)
        return colour;
    // The same hue and saturation, its lightness moved away from the background's step by step.
    const bool lighten = background.lightness() < 128;
    QColor readable = colour;
    for (int l = colour.lightness(); l >= 0 && l <= 255; l += lighten ? 4 : -4) {
        readable.setHsl(colour.hslHue(), colour.hslSaturation(), l, colour.alpha());
        if (contrastRatio(readable, background) >= contrast)
            return readable;
    }
    readable.setHsl(colour.hslHue(), colour.hslSaturation(), lighten ? 255 : 0, colour.alpha());
    return readable;
}

QColor problemText(const QColor &background)
{
    return readableOn(QColor(0xa0, 0, 0), background);
}

QColor ink(const QPalette &palette)
{
    return palette.color(QPalette::WindowText);
}

namespace {

// Fusion frames an indicator in the window colour darkened by 140 %; the indicator is given a window
// colour moved towards the text colour until that frame stands out from the real window and button.
QPalette withVisibleFrame(QPalette palette)
{
    // Fusion lightens the frame a little and smooths its edge, hence the margin; a button that fills
    // its background does so in the button colour. The text colour itself is the last resort.
    constexpr double Wanted = IndicatorContrast + 1.0;
    const QColor window = palette.color(QPalette::Window);
    const QColor button = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::WindowText);
    for (int step = 0; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed = QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) * t,
                                              window.greenF() + (text.greenF() - window.greenF()) * t,
                                              window.blueF() + (text.blueF() - window.blueF()) * t);
        palette.setColor(QPalette::Window, mixed);
        const QColor frame = mixed.darker(140);
        if (contrastRatio(frame, window) >= Wanted && contrastRatio(frame, button) >= Wanted)
            break;
    }
    return palette;
}

class VisibleIndicatorStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) {
            if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
                QStyleOptionButton framed(*button);
                framed.palette = withVisibleFrame(framed.palette);
                QProxyStyle::drawPrimitive(element, &framed, painter, widget);
                return;
            }
        }
        if (element == PE_IndicatorItemViewItemCheck) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionViewItem *>(option)) {
                QStyleOptionViewItem framed(*item);
                framed.palette = withVisibleFrame(framed.palette);
                QProxyStyle::drawPrimitive(element, &framed, painter, widget);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

void keepIndicatorsVisible()
{
    QStyle *style = QApplication::style();
    if (!style || dynamic_cast<VisibleIndicatorStyle *>(style) ||
        style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(new VisibleIndicatorStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
}

} // namespace theme
