#include "platform/PainterCanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// Printer units per inch: 13.4 per millimetre.
constexpr double UnitsPerInch = PrintScale * 25.4;

} // namespace

void PainterCanvas::attach(QPainter *painter, int dpi)
{
    detach();
    m_painter = painter;
    m_dpi = dpi;
    const qreal scale = dpi / UnitsPerInch;
    painter->setTransform(QTransform::fromScale(scale, scale));
    painter->setPen(Qt::black);
}

void PainterCanvas::detach()
{
    // Fonts resolve for the job's device, and the fonts installed may change between jobs: what was
    // learnt about them serves one job.
    m_pending.clear();
    m_fineFonts.clear();
    m_fonts.clear();
    m_shapedCount = 0;
    m_painter = nullptr;
    m_current = nullptr;
}

void PainterCanvas::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    FontKey key{face, pointSize > 0 ? pointSize : 8, bold, italic};
    if (key == m_key)
        return;
    m_key = std::move(key);
    m_current = nullptr;
}

PainterCanvas::FontEntry PainterCanvas::makeEntry() const
{
    FontEntry e;
    e.font = QFont(m_key.face);
    // The painter draws in printer units, scaled up to device pixels by dpi / UnitsPerInch; a
    // point size divided by the same factor keeps the text at its true size on paper.
    const int dpi = m_dpi > 0 ? m_dpi : 1200;
    e.font.setPointSizeF(m_key.size * UnitsPerInch / dpi);
    e.font.setBold(m_key.bold);
    e.font.setItalic(m_key.italic);
    e.font.setUnderline(false);
    e.font.setStrikeOut(false);
    e.font.setKerning(true);
    // Metrics in printer units: the font resolved for the painter's device gives pixel sizes
    // of point size * dpi / 72, which are printer units here.
    const QFontMetricsF metrics = m_painter ? QFontMetricsF(e.font, m_painter->device()) : QFontMetricsF(e.font);
    e.ascent = metrics.ascent();
    e.height = static_cast<int>(std::lround(metrics.height()));
    return e;
}

PainterCanvas::FontEntry &PainterCanvas::entry()
{
    if (m_current)
        return *m_current;
    if (!m_painter) { // outside a job: measured, not kept
        m_scratch = makeEntry();
        return m_scratch;
    }
    auto it = m_fonts.find(m_key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(m_key, makeEntry()).first;
    m_current = &it->second;
    return *m_current;
}

int PainterCanvas::textHeight(const QString &)
{
    return entry().height;
}

const PainterCanvas::Run &PainterCanvas::shape(FontEntry &e, const QString &text)
{
    if (const auto known = e.shaped.constFind(text); known != e.shaped.cend())
        return *known;
    if (m_shapedCount >= MaxShapedTexts) {
        for (auto &font : m_fonts)
            font.second.shaped.clear();
        m_shapedCount = 0;
    }
    // Laid out as the painter lays out a single line of text: no wrapping, the painter's direction.
    QTextLayout layout(text, e.font, m_painter->device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(m_painter->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();

    // A text in one font is kept as its glyphs; a text that takes glyphs from other fonts too (the
    // font lacks some of its characters) is left to the painter, so that its glyphs stay in reading
    // order for whoever extracts the text.
    Run shaped;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() == 1) {
        const QPointF baseline(0, line.y() + line.ascent());
        shaped = Run{runs.front().rawFont(), runs.front().glyphIndexes(), runs.front().positions()};
        for (QPointF &p : shaped.positions)
            p -= baseline;
    }
    ++m_shapedCount;
    return *e.shaped.insert(text, std::move(shaped));
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    FontEntry &e = entry();
    if (!m_painter || text.isEmpty())
        return;
    const QPointF origin(x, y + e.ascent);
    const Run &run = shape(e, text);
    if (!run.font.isValid()) {
        flush();
        m_painter->setFont(e.font);
        m_painter->drawText(origin, text);
        return;
    }
    // Gathered per font and drawn at the end of the page: one text object per font instead of one
    // per line keeps the page's content, and the work of compressing it, small.
    if (m_pending.isEmpty() || !(m_pending.constLast().font == run.font))
        m_pending.append(Run{run.font, {}, {}});
    Run &into = m_pending.last();
    into.glyphs.append(run.glyphs);
    into.positions.reserve(into.positions.size() + run.positions.size());
    for (const QPointF &p : run.positions)
        into.positions.append(p + origin);
}

const QRawFont &PainterCanvas::fineFont(const QRawFont &font)
{
    for (const auto &known : std::as_const(m_fineFonts))
        if (known.first == font)
            return known.second;
    QRawFont fine = font;
    fine.setPixelSize(font.pixelSize() * FineUnits);
    m_fineFonts.append({font, fine.pixelSize() == font.pixelSize() * FineUnits ? fine : QRawFont()});
    return m_fineFonts.constLast().second;
}

void PainterCanvas::flush()
{
    if (m_painter && !m_pending.isEmpty()) {
        // Glyph positions are whole 64ths of a printer unit. The PDF engine writes a position per
        // glyph, and in 64ths they are whole numbers: shorter to write and to compress. The font
        // scaled up by as much keeps every glyph the same on paper.
        const QTransform units = m_painter->transform();
        const QTransform fineUnits = QTransform::fromScale(1.0 / FineUnits, 1.0 / FineUnits) * units;
        for (const Run &run : std::as_const(m_pending)) {
            QGlyphRun glyphs;
            const QRawFont &fine = fineFont(run.font);
            if (fine.isValid()) {
                m_finePositions.resize(run.positions.size());
                for (qsizetype i = 0; i < run.positions.size(); ++i) {
                    const QPointF &p = run.positions.at(i);
                    m_finePositions[i] = QPointF(qRound(p.x() * FineUnits), qRound(p.y() * FineUnits));
                }
                glyphs.setRawFont(fine);
                glyphs.setRawData(run.glyphs.constData(), m_finePositions.constData(), int(run.glyphs.size()));
                m_painter->setTransform(fineUnits);
            } else {
                glyphs.setRawFont(run.font);
                glyphs.setRawData(run.glyphs.constData(), run.positions.constData(), int(run.glyphs.size()));
                m_painter->setTransform(units);
            }
            m_painter->drawGlyphRun(QPointF(), glyphs);
        }
        m_painter->setTransform(units);
    }
    m_pending.clear();
}

QStringList PainterCanvas::fontNames()
{
    QStringList names;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (!QFontDatabase::isPrivateFamily(family))
            names.append(family);
    }
    return names;
}
