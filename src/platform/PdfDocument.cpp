#include "platform/PdfDocument.h"

#include "platform/FontProgram.h"

#include <QPainterPath>
#include <QTransform>

#include <QCryptographicHash>
#include <QDateTime>
#include <QIODevice>

#include <charconv>
#include <cmath>
#include <zlib.h>

namespace {

// What is gathered before it goes to the device.
constexpr qsizetype BufferSize = 256 * 1024;
// A font that may only be embedded whole and is larger than this is drawn as outlines: a document
// of a few envelopes should not carry a large font (a CJK font is 10 to 20 MB).
constexpr qsizetype WholeFontLimit = 4 * 1024 * 1024;

void appendInteger(QByteArray &out, long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr - digits);
}

// A text string: UTF-16BE with its byte order mark, in hexadecimal.
QByteArray textString(const QString &text)
{
    QByteArray out("<FEFF");
    for (const QChar c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", unsigned(c.unicode()));
        out.append(hex, 4);
    }
    out.append('>');
    return out;
}

void appendHex4(QByteArray &out, unsigned value)
{
    static const char Digits[] = "0123456789ABCDEF";
    const char hex[4] = {Digits[(value >> 12) & 15], Digits[(value >> 8) & 15], Digits[(value >> 4) & 15],
                         Digits[value & 15]};
    out.append(hex, 4);
}

// A name for a PDF font from the font's own, without the characters a PDF name cannot hold as they are.
QByteArray pdfName(const QByteArray &name)
{
    QByteArray out;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u > 32 && u < 127 && !QByteArrayView("()<>[]{}/%#").contains(c))
            out.append(c);
    }
    return out.isEmpty() ? QByteArray("Font") : out;
}

// The map from glyphs back to text that makes the text of the pages searchable.
QByteArray toUnicodeMap(const QHash<quint32, QString> &text)
{
    QList<quint32> glyphs = text.keys();
    std::sort(glyphs.begin(), glyphs.end());
    QByteArray out("/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                   "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                   "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                   "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n");
    for (qsizetype first = 0; first < glyphs.size(); first += 100) {
        const qsizetype count = std::min<qsizetype>(100, glyphs.size() - first);
        appendInteger(out, count);
        out.append(" beginbfchar\n");
        for (qsizetype i = first; i < first + count; ++i) {
            out.append('<');
            appendHex4(out, glyphs.at(i));
            out.append("> <");
            for (const QChar c : text.value(glyphs.at(i)))
                appendHex4(out, c.unicode());
            out.append(">\n");
        }
        out.append("endbfchar\n");
    }
    out.append("endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n");
    return out;
}

// Qt's box engine (a platform without fonts, such as the minimal one) draws every character as the
// same box, of one glyph id, and names no family: asking it for one crashes.
bool namesItsFamily(const QRawFont &raw)
{
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("H0"));
    return glyphs.size() == 2 && glyphs.at(0) != glyphs.at(1);
}

QByteArray fontIdentity(const QRawFont &raw)
{
    // Not by the family name: a font engine without families (the minimal platform's) fails to give one.
    QByteArray identity = raw.styleName().toUtf8() + '\n' + QByteArray::number(raw.weight()) + '\n' +
                          QByteArray::number(int(raw.style())) + '\n';
    const QByteArray head = raw.fontTable("head");
    // A font of no tables (Type 1) is told from others by its family name.
    identity += head.isEmpty() && namesItsFamily(raw) ? raw.familyName().toUtf8() : head;
    identity += raw.fontTable("maxp").left(6);
    identity += raw.fontTable("name");
    return identity;
}

} // namespace

void appendPdfNumber(QByteArray &out, double value, int decimals)
{
    static constexpr long long Scales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    decimals = std::clamp(decimals, 0, 6);
    const long long scale = Scales[decimals];
    long long scaled = std::llround(value * double(scale));
    if (scaled < 0) {
        out.append('-');
        scaled = -scaled;
    }
    appendInteger(out, scaled / scale);
    long long fraction = scaled % scale;
    if (fraction == 0)
        return;
    int digits = decimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    char text[8];
    for (int i = digits - 1; i >= 0; --i) {
        text[i] = char('0' + fraction % 10);
        fraction /= 10;
    }
    out.append('.');
    out.append(text, digits);
}

// One zlib stream for the pages' content, reset for each: a page's content is small, and a fresh
// stream per page would cost more than compressing it.
struct PdfDocument::Deflater
{
    z_stream stream{};
    bool ready = false;
    Deflater()
    {
        // A small window and hash, and the fastest level: a page's content is a few hundred bytes
        // of text operators, where more effort gains a few per cent.
        ready = deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 12, 5, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~Deflater()
    {
        if (ready)
            deflateEnd(&stream);
    }
};

PdfDocument::PdfDocument() = default;
PdfDocument::~PdfDocument() = default;

bool PdfDocument::begin(QIODevice *device, QSizeF pageSize, const QString &title, const QString &creator)
{
    m_device = device;
    m_buffer.clear();
    m_buffer.reserve(BufferSize + 64 * 1024);
    m_written = 0;
    m_failed = !device || !device->isWritable();
    m_pageSize = pageSize;
    m_offsets.assign(1, 0); // object 0 is the head of the free list
    m_pages.clear();
    m_fonts.clear();
    m_fontsByRaw.clear();
    m_forms.clear();
    if (!m_deflater)
        m_deflater = std::make_unique<Deflater>();
    if (m_failed)
        return false;

    write("%PDF-1.6\n%\xE2\xE3\xCF\xD3\n");
    const int catalog = reserveObject();
    const int pages = reserveObject();
    Q_ASSERT(catalog == 1 && pages == 2);
    beginObject(catalog);
    write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    const int info = reserveObject();
    Q_ASSERT(info == 3);
    beginObject(info);
    QByteArray dictionary("<< /Title ");
    dictionary += textString(title);
    dictionary += " /Creator ";
    dictionary += textString(creator);
    dictionary += " /Producer ";
    dictionary += textString(creator);
    dictionary += " /CreationDate (D:";
    dictionary += QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    dictionary += "Z) >>\nendobj\n";
    write(dictionary);
    flushBuffer();
    return !m_failed;
}

int PdfDocument::reserveObject()
{
    m_offsets.push_back(0);
    return int(m_offsets.size() - 1);
}

void PdfDocument::beginObject(int number)
{
    m_offsets[size_t(number)] = m_written + m_buffer.size();
    QByteArray head;
    appendInteger(head, number);
    head.append(" 0 obj\n");
    write(head);
}

void PdfDocument::write(const QByteArray &bytes)
{
    write(bytes.constData(), bytes.size());
}

void PdfDocument::write(const char *bytes, qsizetype length)
{
    m_buffer.append(bytes, length);
    if (m_buffer.size() >= BufferSize)
        flushBuffer();
}

void PdfDocument::flushBuffer()
{
    if (m_buffer.isEmpty())
        return;
    if (!m_failed && m_device->write(m_buffer) != m_buffer.size())
        m_failed = true;
    m_written += m_buffer.size();
    m_buffer.clear();
}

QByteArray PdfDocument::deflated(const QByteArray &data)
{
    if (!m_deflater->ready)
        return {};
    z_stream &z = m_deflater->stream;
    if (deflateReset(&z) != Z_OK)
        return {};
    const auto bound = qsizetype(deflateBound(&z, uLong(data.size())));
    if (m_compressed.size() < bound)
        m_compressed.resize(bound);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(m_compressed.data());
    z.avail_out = uInt(m_compressed.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        return {};
    return QByteArray::fromRawData(m_compressed.constData(), qsizetype(z.total_out));
}

void PdfDocument::writeStream(int number, const QByteArray &dictionary, const QByteArray &data, bool compress)
{
    const QByteArray packed = compress ? deflated(data) : QByteArray();
    const bool compressed = compress && !packed.isEmpty();
    const QByteArray &body = compressed ? packed : data;
    beginObject(number);
    QByteArray head("<< /Length ");
    appendInteger(head, body.size());
    if (compressed)
        head.append(" /Filter /FlateDecode");
    head.append(dictionary);
    head.append(" >>\nstream\n");
    write(head);
    write(body);
    write("\nendstream\nendobj\n");
}

PdfDocument::Font &PdfDocument::font(const QRawFont &raw)
{
    for (const auto &known : std::as_const(m_fontsByRaw))
        if (known.first == raw)
            return *known.second;
    // The same font at another size is the same font of the document: the same names, and the same
    // header and glyph count (two files may give a font the same names).
    const QByteArray identity = fontIdentity(raw);
    for (const auto &font : m_fonts) {
        if (font->identity == identity) {
            m_fontsByRaw.append({raw, font.get()});
            return *font;
        }
    }
    auto font = std::make_unique<Font>();
    font->raw = raw;
    font->identity = identity;
    font->resource = "F" + QByteArray::number(m_fonts.size() + 1);
    font->object = reserveObject();
    const FontTableReader tables = [&raw](const char *tag) { return raw.fontTable(tag); };
    font->facts = readFontFacts(tables);
    const FontFacts &facts = font->facts;
    if (facts.embedding == FontEmbedding::WholeFontOnly && facts.outlines != FontOutlines::CidCff)
        font->wholeProgram = wholeFont(tables, facts);
    // A CID-keyed font embedded whole would read the layout's glyph ids as its CIDs.
    const bool wholeFits = !font->wholeProgram.isEmpty() && font->wholeProgram.size() <= WholeFontLimit;
    font->outlinesOnly = facts.outlines == FontOutlines::None || facts.embedding == FontEmbedding::Forbidden ||
                         (facts.embedding == FontEmbedding::WholeFontOnly && !wholeFits);
    if (font->outlinesOnly)
        font->wholeProgram.clear();
    if (facts.outlines == FontOutlines::None && raw.fontTable("head").isEmpty()) {
        // A font of no tables (Type 1): the descriptor's facts come from Qt, in thousandths of the em.
        font->unitSize = raw;
        font->unitSize.setPixelSize(1000);
        const QRawFont &unit = font->unitSize;
        const QList<quint32> probe = unit.glyphIndexesForString(QStringLiteral("HЖ0"));
        // Not the box engine's one box for every character: its glyphs could not tell the text.
        font->rebuilt = namesItsFamily(raw) && std::any_of(probe.cbegin(), probe.cend(), [&](quint32 g) {
                            return g != 0 && !unit.pathForGlyph(g).isEmpty();
                        });
        font->outlinesOnly = !font->rebuilt;
        if (font->rebuilt) {
            FontFacts &own = font->facts;
            own.embedding = FontEmbedding::Subset;
            own.postScriptName = (raw.familyName() + u'-' + raw.styleName()).toLatin1();
            own.ascent = qRound(unit.ascent());
            own.descent = -qRound(unit.descent());
            own.capHeight = qRound(unit.capHeight());
            own.xMax = 1000;
            own.yMin = own.descent;
            own.yMax = own.ascent;
            own.glyphCount = 0x10000;
            font->widths.assign(size_t(own.glyphCount), 0.0);
            font->used.assign(size_t(own.glyphCount), false);
        }
    } else if (!facts.advances.isEmpty() && facts.advances.size() == facts.glyphCount) {
        font->widths.reserve(facts.advances.size());
        for (const quint16 advance : facts.advances)
            font->widths.push_back(advance * 1000.0 / facts.unitsPerEm);
        font->used.assign(font->widths.size(), false);
        font->textLayer = font->outlinesOnly;
    }
    m_fontsByRaw.append({raw, font.get()});
    m_fonts.push_back(std::move(font));
    return *m_fonts.back();
}

void PdfDocument::Font::use(quint32 glyph)
{
    if (glyph >= used.size() || used[glyph])
        return;
    used[glyph] = true;
    if (rebuilt)
        widths[glyph] = unitSize.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0).x();
}

void PdfDocument::addPage(const QByteArray &content)
{
    const int contents = reserveObject();
    writeStream(contents, {}, content);
    const int page = reserveObject();
    beginObject(page);
    QByteArray dictionary("<< /Type /Page /Parent 2 0 R /Contents ");
    appendInteger(dictionary, contents);
    dictionary.append(" 0 R >>\nendobj\n");
    write(dictionary);
    m_pages.push_back(page);
}

QByteArray PdfDocument::addForm(const QByteArray &content, const QList<const Font *> &fonts)
{
    const int form = reserveObject();
    const QByteArray name = "Fm" + QByteArray::number(form);
    QByteArray dictionary(" /Type /XObject /Subtype /Form /BBox [0 0 ");
    appendPdfNumber(dictionary, m_pageSize.width());
    dictionary.append(' ');
    appendPdfNumber(dictionary, m_pageSize.height());
    dictionary.append("] /Resources << /Font <<");
    for (const Font *font : fonts)
        dictionary += " /" + font->resource + ' ' + QByteArray::number(font->object) + " 0 R";
    dictionary.append(" >> >>");
    writeStream(form, dictionary, content);
    m_forms += " /" + name + ' ' + QByteArray::number(form) + " 0 R";
    return name;
}

void PdfDocument::writeFont(Font &font)
{
    const QRawFont &raw = font.raw;
    const FontTableReader tables = [&raw](const char *tag) { return raw.fontTable(tag); };
    const FontFacts &facts = font.facts;
    QList<quint32> glyphs;
    for (size_t g = 0; g < font.used.size(); ++g)
        if (font.used[g])
            glyphs.append(quint32(g));

    // A subset is named with a tag of its own, made from what it holds.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(glyphs.constData()), glyphs.size() * 4));
    hash.addData(font.resource);
    const QByteArray digest = hash.result();
    QByteArray name;
    for (int i = 0; i < 6; ++i)
        name.append(char('A' + static_cast<unsigned char>(digest.at(i)) % 26));
    name += '+' + pdfName(facts.postScriptName);

    // The font's own program, whole or subset by HarfBuzz; when HarfBuzz cannot subset it (or its
    // glyphs are addressed by CID, not by glyph id), a CFF font of the used glyphs' outlines as Qt
    // draws them, so that the pages' codes and text stay as they are.
    enum class Program { TrueType, OpenTypeCff, BareCff };
    QByteArray program = font.wholeProgram;
    if (program.isEmpty() && !font.rebuilt && !font.textLayer && facts.outlines != FontOutlines::CidCff)
        program = subsetFont(tables, glyphs);
    Program kind = facts.outlines == FontOutlines::TrueType ? Program::TrueType : Program::OpenTypeCff;
    if (!font.wholeProgram.isEmpty()) {
        name = pdfName(facts.postScriptName);
    } else if (program.isEmpty()) {
        QRawFont unit = font.unitSize;
        if (!font.rebuilt) {
            unit = raw;
            unit.setPixelSize(1000);
        }
        const QTransform yUp(1, 0, 0, -1, 0, 0);
        const int glyphCount = glyphs.isEmpty() ? 1 : int(glyphs.constLast()) + 1;
        // The invisible text over outlines holds none of the font's outlines, only its widths.
        if (font.textLayer)
            name = name.left(7) + "InvisibleText";
        program = cffFromOutlines(name.mid(7), glyphCount, glyphs, [&](quint32 glyph) {
            return font.textLayer ? QPainterPath() : yUp.map(unit.pathForGlyph(glyph));
        });
        kind = Program::BareCff;
    }

    const double scale = 1000.0 / facts.unitsPerEm;
    const int descendant = reserveObject();
    const int descriptor = reserveObject();
    const int toUnicode = reserveObject();
    const int file = reserveObject();

    beginObject(font.object);
    write("<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [" +
          QByteArray::number(descendant) + " 0 R] /ToUnicode " + QByteArray::number(toUnicode) + " 0 R >>\nendobj\n");

    QByteArray widths("[");
    for (qsizetype i = 0; i < glyphs.size();) {
        qsizetype j = i;
        appendInteger(widths, glyphs.at(i));
        widths.append(" [");
        while (j < glyphs.size() && glyphs.at(j) == glyphs.at(i) + quint32(j - i)) {
            if (j > i)
                widths.append(' ');
            appendPdfNumber(widths, font.widths[glyphs.at(j)]);
            ++j;
        }
        widths.append("] ");
        i = j;
    }
    widths.append(']');
    beginObject(descendant);
    write("<< /Type /Font /Subtype /" + QByteArray(kind == Program::TrueType ? "CIDFontType2" : "CIDFontType0") +
          " /BaseFont /" + name +
          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
          QByteArray::number(descriptor) + " 0 R /DW 0 /W " + widths +
          (kind == Program::TrueType ? " /CIDToGIDMap /Identity >>\nendobj\n" : " >>\nendobj\n"));

    int flags = 32; // nonsymbolic
    if (facts.fixedPitch)
        flags |= 1;
    if (facts.italicAngle != 0 || raw.style() != QFont::StyleNormal)
        flags |= 64;
    QByteArray descriptorText("<< /Type /FontDescriptor /FontName /" + name + " /Flags ");
    appendInteger(descriptorText, flags);
    descriptorText.append(" /FontBBox [");
    for (const int v : {facts.xMin, facts.yMin, facts.xMax, facts.yMax}) {
        appendPdfNumber(descriptorText, v * scale, 0);
        descriptorText.append(' ');
    }
    descriptorText.append("] /ItalicAngle ");
    appendPdfNumber(descriptorText, facts.italicAngle, 2);
    descriptorText.append(" /Ascent ");
    appendPdfNumber(descriptorText, facts.ascent * scale, 0);
    descriptorText.append(" /Descent ");
    appendPdfNumber(descriptorText, facts.descent * scale, 0);
    descriptorText.append(" /CapHeight ");
    appendPdfNumber(descriptorText, facts.capHeight * scale, 0);
    descriptorText.append(kind == Program::TrueType ? " /StemV 80 /FontFile2 " : " /StemV 80 /FontFile3 ");
    appendInteger(descriptorText, file);
    descriptorText.append(" 0 R >>\nendobj\n");
    beginObject(descriptor);
    write(descriptorText);

    writeStream(toUnicode, {}, toUnicodeMap(font.text));
    // A font program is large: compressed at once with zlib's defaults rather than the
    // pages' small stream.
    uLongf length = compressBound(uLong(program.size()));
    QByteArray packed(qsizetype(length), Qt::Uninitialized);
    const bool ok = compress2(reinterpret_cast<Bytef *>(packed.data()), &length,
                              reinterpret_cast<const Bytef *>(program.constData()), uLong(program.size()),
                              Z_DEFAULT_COMPRESSION) == Z_OK;
    packed.resize(ok ? qsizetype(length) : 0);
    const QByteArray dictionary = kind == Program::TrueType      ? " /Length1 " + QByteArray::number(program.size())
                                  : kind == Program::OpenTypeCff ? QByteArray(" /Subtype /OpenType")
                                                                 : QByteArray(" /Subtype /CIDFontType0C");
    if (ok) {
        beginObject(file);
        write("<< /Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode" + dictionary +
              " >>\nstream\n");
        write(packed);
        write("\nendstream\nendobj\n");
    } else {
        writeStream(file, dictionary, program, false);
    }
}

bool PdfDocument::end()
{
    QByteArray fonts;
    for (const auto &font : m_fonts) {
        if (font->hasText()) {
            writeFont(*font);
            fonts += " /" + font->resource + ' ' + QByteArray::number(font->object) + " 0 R";
        } else {
            // Drawn as outlines: its object is never referred to, but written so that the
            // cross-reference table has no hole.
            beginObject(font->object);
            write("null\nendobj\n");
        }
    }

    beginObject(2);
    QByteArray tree("<< /Type /Pages /Count ");
    appendInteger(tree, qsizetype(m_pages.size()));
    tree.append(" /MediaBox [0 0 ");
    appendPdfNumber(tree, m_pageSize.width());
    tree.append(' ');
    appendPdfNumber(tree, m_pageSize.height());
    tree.append("] /Resources << /ProcSet [/PDF /Text] /Font <<");
    tree.append(fonts);
    tree.append(" >> /XObject <<");
    tree.append(m_forms);
    tree.append(" >> >>\n/Kids [");
    write(tree);
    QByteArray kids;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        appendInteger(kids, m_pages[i]);
        kids.append(" 0 R", 4);
        kids.append(i % 16 == 15 ? '\n' : ' ');
        if (kids.size() > 4096) {
            write(kids);
            kids.clear();
        }
    }
    kids.append("]\n>>\nendobj\n");
    write(kids);

    const qint64 xref = m_written + m_buffer.size();
    QByteArray table("xref\n0 ");
    appendInteger(table, qsizetype(m_offsets.size()));
    table.append("\n0000000000 65535 f \n");
    write(table);
    char entry[21];
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(m_offsets[i]));
        write(entry, 20);
    }
    QByteArray trailer("trailer\n<< /Size ");
    appendInteger(trailer, qsizetype(m_offsets.size()));
    trailer.append(" /Root 1 0 R /Info 3 0 R >>\nstartxref\n");
    appendInteger(trailer, xref);
    trailer.append("\n%%EOF\n");
    write(trailer);
    flushBuffer();
    return !m_failed;
}
