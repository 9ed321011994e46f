#include "platform/PdfCanvas.h"

#include "logic/files/IoError.h"
#include "platform/PdfDocument.h"

#include <QPainterPath>

#include <cmath>

namespace {

// Points per printer unit.
constexpr double PointsPerUnit = 72.0 / (PrintScale * 25.4);

// How far a glyph may stand from where the previous one leaves the pen before its place is
// written, in points: below a hundredth of a millimetre. The layout rounds every advance to a 64th
// of a printer unit; those roundings are not worth a correction each.
constexpr double Tolerance = 0.02;

void appendPoint(QByteArray &out, QPointF p)
{
    appendPdfNumber(out, p.x());
    out.append(' ');
    appendPdfNumber(out, p.y());
}

// A glyph id as the two bytes of a string: half the size of hexadecimal, which matters when every
// page is compressed. A line end inside a string would be read as a newline, and the parentheses
// and the backslash delimit it: those bytes are escaped.
void appendGlyphByte(QByteArray &out, unsigned byte)
{
    switch (byte) {
    case '(':
    case ')':
    case '\\':
        out.append('\\');
        out.append(char(byte));
        break;
    case '\r':
        out.append("\\r", 2);
        break;
    case '\n':
        out.append("\\n", 2);
        break;
    default:
        out.append(char(byte));
    }
}

void appendGlyph(QByteArray &out, quint32 glyph)
{
    appendGlyphByte(out, (glyph >> 8) & 0xFF);
    appendGlyphByte(out, glyph & 0xFF);
}

} // namespace

PdfCanvas::PdfCanvas() = default;
PdfCanvas::~PdfCanvas() = default;

void PdfCanvas::attach(PdfDocument *document, qreal pageHeight, QPointF origin, int dpi)
{
    detach();
    m_document = document;
    m_device = std::make_unique<MeasuringDevice>(dpi);
    m_shaper.reset(m_device.get(), dpi);
    m_pageHeight = pageHeight;
    m_origin = origin;
}

void PdfCanvas::detach()
{
    m_shaper.clear();
    m_document = nullptr;
    m_content.clear();
    m_inText = false;
    m_textFont = nullptr;
    m_invisibleText = false;
    m_lastPage.clear();
    m_thisPage.clear();
    m_forms.clear();
}

void PdfCanvas::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    m_shaper.setFont(face, pointSize, bold, italic);
}

int PdfCanvas::textHeight(const QString &)
{
    return m_shaper.font().height;
}

QPointF PdfCanvas::pagePoint(QPointF origin, QPointF at) const
{
    return QPointF(m_origin.x() + (origin.x() + at.x()) * PointsPerUnit,
                   m_pageHeight - (m_origin.y() + (origin.y() + at.y()) * PointsPerUnit));
}

void PdfCanvas::textOut(int x, int y, const QString &text)
{
    const TextShaper::Font &font = m_shaper.font();
    if (!m_document || text.isEmpty())
        return;
    const QPointF origin(x, y + font.ascent);
    const TextShaper::Shaped &shaped = m_shaper.shape(text);
    // Without a font (a system whose fonts cannot be read) nothing would land on the page: the job
    // fails rather than print blank envelopes.
    for (const TextShaper::Run &run : shaped)
        if (!run.font.isValid())
            throw IoError(QStringLiteral("No font to print \"%1\" with: the system's fonts cannot be read").arg(text));
    bool news = false;
    for (const TextShaper::Run &run : shaped) {
        const PdfDocument::Font &f = m_document->font(run.font);
        if (!f.hasText())
            continue;
        for (const quint32 g : run.glyphs)
            news = news || (g < f.used.size() && !f.used[g]);
    }
    if (news)
        recordText(text, shaped);

    Line line{&font, x, y, text};
    auto form = m_forms.constFind(line);
    if (form == m_forms.cend() && m_lastPage.contains(line) && m_forms.size() < MaxRecurringLines)
        form = m_forms.insert(line, makeForm(shaped, origin));
    if (form == m_forms.cend()) {
        drawLine(shaped, origin);
        m_thisPage.insert(std::move(line));
        return;
    }
    endText();
    // A form inherits the page's state: its text is visible unless it says otherwise.
    if (m_invisibleText)
        m_content.append("0 Tr\n");
    m_invisibleText = false;
    m_content.append('/');
    m_content.append(*form);
    m_content.append(" Do\n");
}

void PdfCanvas::drawLine(const TextShaper::Shaped &shaped, QPointF origin)
{
    for (const TextShaper::Run &run : shaped) {
        const PdfDocument::Font &f = m_document->font(run.font);
        if (f.outlinesOnly)
            drawOutlines(run, origin);
        if (f.hasText())
            drawGlyphs(run, origin, f.outlinesOnly);
    }
}

QByteArray PdfCanvas::makeForm(const TextShaper::Shaped &shaped, QPointF origin)
{
    // Drawn as on a page of its own, then the page's content and text state are put back.
    QByteArray page;
    std::swap(page, m_content);
    const bool inText = m_inText;
    const void *textFont = m_textFont;
    const qreal textSize = m_textSize;
    const bool invisibleText = m_invisibleText;
    m_inText = false;
    m_textFont = nullptr;
    m_invisibleText = false;
    drawLine(shaped, origin);
    endText();
    QList<const PdfDocument::Font *> fonts;
    for (const TextShaper::Run &run : shaped) {
        const PdfDocument::Font &f = m_document->font(run.font);
        if (f.hasText() && !fonts.contains(&f))
            fonts.append(&f);
    }
    const QByteArray name = m_document->addForm(m_content, fonts);
    std::swap(page, m_content);
    m_inText = inText;
    m_textFont = textFont;
    m_textSize = textSize;
    m_invisibleText = invisibleText;
    return name;
}

void PdfCanvas::recordText(const QString &text, const TextShaper::Shaped &shaped)
{
    // Glyphs seen for the first time learn the text they stand for: character for glyph when the
    // text came out one glyph per character, else by the fonts' character maps (a glyph that
    // stands for several characters stays without text).
    const bool oneForOne = shaped.size() == 1 && shaped.front().glyphs.size() == text.size() &&
                           std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); });
    for (const TextShaper::Run &run : shaped) {
        PdfDocument::Font &f = m_document->font(run.font);
        if (!f.hasText())
            continue;
        if (oneForOne) {
            for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
                const quint32 g = run.glyphs.at(i);
                if (g < f.used.size() && !f.used[g] && !f.text.contains(g))
                    f.text.insert(g, text.mid(i, 1));
            }
        } else {
            const QList<uint> codes = text.toUcs4();
            for (const uint code : codes) {
                const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
                const QList<quint32> glyphs = run.font.glyphIndexesForString(character);
                if (glyphs.size() == 1 && glyphs.front() != 0 && run.glyphs.contains(glyphs.front()) &&
                    !f.text.contains(glyphs.front()))
                    f.text.insert(glyphs.front(), character);
            }
        }
        for (const quint32 g : run.glyphs)
            f.use(g);
    }
}

void PdfCanvas::drawGlyphs(const TextShaper::Run &run, QPointF origin, bool invisible)
{
    if (run.glyphs.isEmpty())
        return;
    const PdfDocument::Font &f = m_document->font(run.font);
    const qreal size = run.font.pixelSize() * PointsPerUnit;
    if (!m_inText) {
        m_content.append("BT\n");
        m_inText = true;
    }
    if (invisible != m_invisibleText) {
        m_content.append(invisible ? "3 Tr\n" : "0 Tr\n");
        m_invisibleText = invisible;
    }
    if (m_textFont != &f || m_textSize != size) {
        m_content.append('/');
        m_content.append(f.resource);
        m_content.append(' ');
        appendPdfNumber(m_content, size);
        m_content.append(" Tf\n");
        m_textFont = &f;
        m_textSize = size;
    }
    // A line is one array of glyphs with the corrections to their places that kerning and
    // layout make; the pen moves by the widths the document gives the glyphs.
    qreal pen = 0;
    qreal lineY = 0;
    bool open = false;
    const auto startLine = [&](QPointF at) {
        if (open)
            m_content.append(")] TJ\n");
        m_content.append("1 0 0 1 ");
        appendPoint(m_content, at);
        m_content.append(" Tm [(");
        pen = at.x();
        lineY = at.y();
        open = true;
    };
    for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
        const quint32 g = run.glyphs.at(i);
        if (g >= f.widths.size())
            continue;
        const QPointF at = pagePoint(origin, run.positions.at(i));
        if (!open || std::abs(at.y() - lineY) > 0.001) {
            startLine(at);
        } else if (const qreal shift = at.x() - pen; std::abs(shift) > Tolerance) {
            m_content.append(')');
            appendPdfNumber(m_content, -shift * 1000.0 / size, 2);
            m_content.append('(');
            pen = at.x();
        }
        appendGlyph(m_content, g);
        pen += f.widths[g] * size / 1000.0;
    }
    if (open)
        m_content.append(")] TJ\n");
}

void PdfCanvas::drawOutlines(const TextShaper::Run &run, QPointF origin)
{
    endText();
    for (qsizetype i = 0; i < run.glyphs.size(); ++i) {
        const QPainterPath path = run.font.pathForGlyph(run.glyphs.at(i));
        if (path.isEmpty())
            continue;
        const QPointF at = run.positions.at(i);
        for (int e = 0; e < path.elementCount(); ++e) {
            const QPainterPath::Element element = path.elementAt(e);
            const QPointF p = pagePoint(origin, at + QPointF(element.x, element.y));
            if (element.isMoveTo()) {
                appendPoint(m_content, p);
                m_content.append(" m\n");
            } else if (element.isLineTo()) {
                appendPoint(m_content, p);
                m_content.append(" l\n");
            } else if (element.isCurveTo() && e + 2 < path.elementCount()) {
                const QPainterPath::Element c2 = path.elementAt(e + 1);
                const QPainterPath::Element end = path.elementAt(e + 2);
                appendPoint(m_content, p);
                m_content.append(' ');
                appendPoint(m_content, pagePoint(origin, at + QPointF(c2.x, c2.y)));
                m_content.append(' ');
                appendPoint(m_content, pagePoint(origin, at + QPointF(end.x, end.y)));
                m_content.append(" c\n");
                e += 2;
            }
        }
        // Nonzero, as fonts fill their glyphs: contours that overlap leave no hole.
        m_content.append("f\n");
    }
}

void PdfCanvas::endText()
{
    if (m_inText)
        m_content.append("ET\n");
    m_inText = false;
}

void PdfCanvas::finishPage()
{
    if (!m_document)
        return;
    endText();
    m_document->addPage(m_content);
    m_content.clear();
    m_textFont = nullptr; // every page starts with no font set and visible text
    m_invisibleText = false;
    std::swap(m_lastPage, m_thisPage);
    m_thisPage.clear();
}
