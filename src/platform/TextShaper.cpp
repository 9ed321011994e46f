#include "platform/TextShaper.h"

#include "logic/files/TextLines.h"
#include "logic/print/PrintingService.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QTextLayout>

#include <cmath>

namespace {

// Printer units per inch: 13.4 per millimetre.
constexpr double UnitsPerInch = PrintScale * 25.4;

} // namespace

int MeasuringDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    // A page of A4 at the resolution, should anyone ask for the device's size.
    case PdmWidth:
        return m_dpi * 2100 / 254;
    case PdmHeight:
        return m_dpi * 2970 / 254;
    case PdmWidthMM:
        return 210;
    case PdmHeightMM:
    default:
        return 297;
    }
}

void TextShaper::reset(const QPaintDevice *device, int dpi)
{
    clear();
    m_device = device;
    m_dpi = dpi;
}

void TextShaper::clear()
{
    // Fonts resolve for the job's device, and the fonts installed may change between jobs: what was
    // learnt about them serves one job.
    m_fonts.clear();
    m_shapedCount = 0;
    m_current = nullptr;
    m_device = nullptr;
}

void TextShaper::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    FontKey key{face, pointSize > 0 ? pointSize : 8, bold, italic};
    if (key == m_key)
        return;
    m_key = std::move(key);
    m_current = nullptr;
}

TextShaper::Font TextShaper::makeFont() const
{
    Font f;
    f.font = QFont(m_key.face);
    // The device's pixels are scaled to printer units by dpi / UnitsPerInch; a point size divided
    // by the same factor keeps the text at its true size on paper.
    const int dpi = m_dpi > 0 ? m_dpi : 1200;
    f.font.setPointSizeF(m_key.size * UnitsPerInch / dpi);
    f.font.setBold(m_key.bold);
    f.font.setItalic(m_key.italic);
    f.font.setUnderline(false);
    f.font.setStrikeOut(false);
    f.font.setKerning(true);
    // Metrics in printer units: the font resolved for the device gives pixel sizes of
    // point size * dpi / 72, which are printer units here.
    const QFontMetricsF metrics = m_device ? QFontMetricsF(f.font, m_device) : QFontMetricsF(f.font);
    f.ascent = metrics.ascent();
    f.height = static_cast<int>(std::lround(metrics.height()));
    return f;
}

TextShaper::Font &TextShaper::font()
{
    if (m_current)
        return *m_current;
    if (!m_device) { // outside a job: measured, not kept
        m_scratch = makeFont();
        return m_scratch;
    }
    auto it = m_fonts.find(m_key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(m_key, makeFont()).first;
    m_current = &it->second;
    return *m_current;
}

TextShaper::Shaped TextShaper::layOut(const Font &font, const QString &text) const
{
    // Laid out as a painter lays out a single line of text: no wrapping, the application's direction.
    QTextLayout layout(text, font.font, m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(QGuiApplication::layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();

    Shaped shaped;
    const QPointF baseline(0, line.y() + line.ascent());
    const QList<QGlyphRun> runs = layout.glyphRuns();
    shaped.reserve(runs.size());
    for (const QGlyphRun &run : runs) {
        Run r{run.rawFont(), run.glyphIndexes(), run.positions()};
        for (QPointF &p : r.positions)
            p -= baseline;
        shaped.append(std::move(r));
    }
    return shaped;
}

quint32 TextShaper::glyphOf(Font &font, char16_t c) const
{
    if (const auto known = font.glyphs.constFind(c); known != font.glyphs.cend())
        return *known;
    quint32 glyph = 0;
    if (laidOutInPairs(QChar(c))) {
        const Shaped alone = layOut(font, QString(QChar(c)));
        if (!font.primary.isValid() && alone.size() == 1)
            font.primary = alone.front().font;
        // A character that the font lacks comes from another: the whole layout places it.
        if (alone.size() == 1 && alone.front().glyphs.size() == 1 && alone.front().font == font.primary)
            glyph = alone.front().glyphs.front();
    }
    font.glyphs.insert(c, glyph);
    return glyph;
}

bool TextShaper::pairAdvance(Font &font, char16_t first, char16_t second, qreal &advance) const
{
    const quint32 key = quint32(first) << 16 | second;
    if (const auto known = font.pairAdvances.constFind(key); known != font.pairAdvances.cend()) {
        advance = *known;
        return advance >= 0;
    }
    // Laid out together, the two show whether the font joins them into one glyph, swaps either
    // for another or moves the second (kerning).
    const QChar pair[2] = {QChar(first), QChar(second)};
    const Shaped both = layOut(font, QString(pair, 2));
    advance = -1;
    if (both.size() == 1 && both.front().font == font.primary && both.front().glyphs.size() == 2 &&
        both.front().glyphs.at(0) == font.glyphs.value(first) &&
        both.front().glyphs.at(1) == font.glyphs.value(second) &&
        both.front().positions.at(0).y() == both.front().positions.at(1).y())
        advance = both.front().positions.at(1).x() - both.front().positions.at(0).x();
    if (font.pairAdvances.size() >= MaxPairs)
        font.pairAdvances.clear();
    font.pairAdvances.insert(key, advance);
    return advance >= 0;
}

bool TextShaper::shapeByPairs(Font &font, const QString &text, Shaped &shaped) const
{
    // Text of simple characters is laid out as its pairs are: a glyph per character, each placed
    // where its predecessor leaves the pen when the two are laid out together. The pairs are
    // few and repeat, a whole layout per line is costly.
    Run run;
    run.glyphs.resize(text.size());
    run.positions.resize(text.size());
    qreal x = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const quint32 glyph = glyphOf(font, c);
        if (glyph == 0)
            return false;
        if (i > 0) {
            qreal advance = 0;
            if (!pairAdvance(font, text.at(i - 1).unicode(), c, advance))
                return false;
            x += advance;
        }
        run.glyphs[i] = glyph;
        run.positions[i] = QPointF(x, 0);
    }
    run.font = font.primary;
    shaped = Shaped{std::move(run)};
    return true;
}

const TextShaper::Shaped &TextShaper::shape(const QString &text)
{
    Font &f = font();
    if (const auto known = f.shaped.constFind(text); known != f.shaped.cend())
        return *known;
    if (m_shapedCount >= MaxShapedTexts) {
        for (auto &kept : m_fonts)
            kept.second.shaped.clear();
        m_scratch.shaped.clear();
        m_shapedCount = 0;
    }
    Shaped shaped;
    if (!m_pairLayout || !shapeByPairs(f, text, shaped))
        shaped = layOut(f, text);
    ++m_shapedCount;
    return *f.shaped.insert(text, std::move(shaped));
}
