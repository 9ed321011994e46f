#include "platform/PainterCanvas.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>

void PainterCanvas::attach(QPainter *painter, int dpi)
{
    detach();
    m_painter = painter;
    m_shaper.reset(painter->device(), dpi);
    const qreal scale = dpi / (PrintScale * 25.4);
    painter->setTransform(QTransform::fromScale(scale, scale));
    painter->setPen(Qt::black);
}

void PainterCanvas::detach()
{
    m_pending.clear();
    m_fineFonts.clear();
    m_shaper.clear();
    m_painter = nullptr;
}

void PainterCanvas::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    m_shaper.setFont(face, pointSize, bold, italic);
}

int PainterCanvas::textHeight(const QString &)
{
    return m_shaper.font().height;
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    TextShaper::Font &font = m_shaper.font();
    if (!m_painter || text.isEmpty())
        return;
    const QPointF origin(x, y + font.ascent);
    const TextShaper::Shaped &shaped = m_shaper.shape(text);
    // A text that takes glyphs from other fonts too (the font lacks some of its characters) is left
    // to the painter, so that its glyphs stay in reading order for whoever extracts the text.
    if (shaped.size() != 1) {
        flush();
        m_painter->setFont(font.font);
        m_painter->drawText(origin, text);
        return;
    }
    const Run &run = shaped.front();
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
