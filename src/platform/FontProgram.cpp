#include "platform/FontProgram.h"

#include <QPainterPath>
#include <QtEndian>

#include <hb-subset.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// A font table read big-endian with every read checked: a read past the end gives 0 and marks the
// reader as failed, so that a table can be read field by field and judged once.
class BigEndianReader
{
public:
    explicit BigEndianReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    qsizetype size() const { return m_bytes.size(); }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    bool failed() const { return m_failed; }

    quint8 u8(qint64 offset) const { return read<quint8>(offset); }
    quint16 u16(qint64 offset) const { return read<quint16>(offset); }
    qint16 s16(qint64 offset) const { return read<qint16>(offset); }
    quint32 u32(qint64 offset) const { return read<quint32>(offset); }
    qint32 s32(qint64 offset) const { return read<qint32>(offset); }

private:
    template <typename T> T read(qint64 offset) const
    {
        if (!has(offset, sizeof(T))) {
            m_failed = true;
            return 0;
        }
        return qFromBigEndian<T>(m_bytes.constData() + offset);
    }

    const QByteArray &m_bytes;
    mutable bool m_failed = false;
};

// The tables a font's facts and its subset are made from, each read once.
struct SourceFont
{
    explicit SourceFont(const FontTableReader &table)
        : head(table("head"))
        , hhea(table("hhea"))
        , maxp(table("maxp"))
        , hmtx(table("hmtx"))
        , loca(table("loca"))
        , glyf(table("glyf"))
        , os2(table("OS/2"))
        , post(table("post"))
        , name(table("name"))
        , cff(table("CFF "))
    {
    }

    QByteArray head, hhea, maxp, hmtx, loca, glyf, os2, post, name, cff;
};

constexpr int HeadSize = 54;
constexpr qsizetype HeadMagicNumber = 12;
constexpr quint32 HeadMagic = 0x5F0F3CF5;
constexpr qsizetype HeadIndexToLocFormat = 50;
constexpr int HheaSize = 36;
// A PostScript name has at most 63 characters.
constexpr qsizetype PostScriptNameLimit = 63;

// Where each glyph lies in glyf: glyph g is glyf[offsets[g], offsets[g + 1]). Empty when loca does
// not fit the glyph count or places a glyph outside glyf or before the glyph ahead of it.
std::vector<quint32> glyphOffsets(const SourceFont &font, int glyphCount)
{
    const BigEndianReader head(font.head);
    const BigEndianReader loca(font.loca);
    const qint16 format = head.s16(HeadIndexToLocFormat);
    if (head.failed() || (format != 0 && format != 1) || glyphCount < 1)
        return {};
    const bool longOffsets = format == 1;
    if (!loca.has(0, qint64(glyphCount + 1) * (longOffsets ? 4 : 2)))
        return {};
    std::vector<quint32> offsets(size_t(glyphCount) + 1);
    for (int g = 0; g <= glyphCount; ++g) {
        offsets[size_t(g)] = longOffsets ? loca.u32(qint64(g) * 4) : quint32(loca.u16(qint64(g) * 2)) * 2;
        if (g > 0 && offsets[size_t(g)] < offsets[size_t(g) - 1])
            return {};
    }
    if (offsets.back() > quint64(font.glyf.size()))
        return {};
    return offsets;
}

bool isPostScriptNameCharacter(uint c)
{
    static constexpr char Excluded[] = "()<>[]{}/%";
    return c > 0x20 && c < 0x7F && !std::char_traits<char>::find(Excluded, sizeof(Excluded) - 1, char(c));
}

// The text of a name record: UTF-16BE on the Unicode (0) and Windows (3) platforms, one byte a
// character on the Macintosh platform (1). Only the characters a PostScript name may hold are kept.
QByteArray postScriptCharacters(const BigEndianReader &name, qint64 offset, int length, quint16 platform)
{
    QByteArray kept;
    if (platform == 1) {
        for (int i = 0; i < length; ++i) {
            const uint c = name.u8(offset + i);
            if (isPostScriptNameCharacter(c))
                kept.append(char(c));
        }
    } else {
        for (int i = 0; i + 1 < length; i += 2) {
            const uint c = name.u16(offset + i);
            if (isPostScriptNameCharacter(c))
                kept.append(char(c));
        }
    }
    return kept;
}

// The text of name `nameId` as a PostScript name may hold it, from the record the font names best
// (Windows English first, then any Windows record, then Unicode, then Macintosh Roman); empty when
// no record of it leaves a character.
QByteArray nameRecord(const QByteArray &table, quint16 nameId)
{
    const BigEndianReader name(table);
    const int count = name.u16(2);
    const qint64 stringsStart = name.u16(4);
    if (name.failed())
        return {};
    QByteArray best;
    int bestRank = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 record = 6 + qint64(i) * 12;
        if (!name.has(record, 12))
            break;
        if (name.u16(record + 6) != nameId)
            continue;
        const quint16 platform = name.u16(record);
        const quint16 encoding = name.u16(record + 2);
        const quint16 language = name.u16(record + 4);
        int rank = 0;
        if (platform == 3 && (encoding == 0 || encoding == 1 || encoding == 10))
            rank = language == 0x0409 ? 4 : 3;
        else if (platform == 0)
            rank = 2;
        else if (platform == 1 && encoding == 0)
            rank = 1;
        if (rank <= bestRank)
            continue;
        const int length = name.u16(record + 8);
        const qint64 offset = stringsStart + name.u16(record + 10);
        if (!name.has(offset, length))
            continue;
        const QByteArray text = postScriptCharacters(name, offset, length, platform);
        if (!text.isEmpty()) {
            best = text;
            bestRank = rank;
        }
    }
    return best;
}

QByteArray postScriptNameOf(const QByteArray &nameTable)
{
    QByteArray result = nameRecord(nameTable, 6);
    if (result.isEmpty()) {
        result = nameRecord(nameTable, 1);
        const QByteArray style = nameRecord(nameTable, 2);
        if (!result.isEmpty() && !style.isEmpty())
            result += '-' + style;
        else if (result.isEmpty())
            result = style;
    }
    return result.left(PostScriptNameLimit);
}

FontEmbedding embeddingOf(const QByteArray &os2Table)
{
    if (os2Table.isEmpty())
        return FontEmbedding::Subset;
    const BigEndianReader os2(os2Table);
    const quint16 fsType = os2.u16(8);
    if (os2.failed())
        return FontEmbedding::Forbidden;
    constexpr quint16 RestrictedLicense = 0x0002, PreviewAndPrint = 0x0004, Editable = 0x0008;
    constexpr quint16 NoSubsetting = 0x0100, BitmapOnly = 0x0200;
    // Older fonts may set several of the licence bits; the least restrictive one applies.
    const bool restricted = (fsType & (RestrictedLicense | PreviewAndPrint | Editable)) == RestrictedLicense;
    if (restricted || (fsType & BitmapOnly))
        return FontEmbedding::Forbidden;
    return (fsType & NoSubsetting) ? FontEmbedding::WholeFontOnly : FontEmbedding::Subset;
}

// Skips a CFF INDEX at `offset`; where the data after it starts, or -1 when it runs past the table.
// `first` and `firstEnd` receive where its first item lies.
qint64 skipCffIndex(const BigEndianReader &cff, qint64 offset, qint64 *first = nullptr, qint64 *firstEnd = nullptr)
{
    const int count = cff.u16(offset);
    if (count == 0)
        return cff.failed() ? -1 : offset + 2;
    const int offSize = cff.u8(offset + 2);
    if (offSize < 1 || offSize > 4)
        return -1;
    const auto offsetAt = [&](int i) {
        quint32 value = 0;
        for (int b = 0; b < offSize; ++b)
            value = value << 8 | cff.u8(offset + 3 + qint64(i) * offSize + b);
        return qint64(value);
    };
    const qint64 data = offset + 3 + qint64(count + 1) * offSize - 1;
    const qint64 end = data + offsetAt(count);
    if (first) {
        *first = data + offsetAt(0);
        *firstEnd = data + offsetAt(1);
    }
    return cff.failed() || !cff.has(data, end - data) ? -1 : end;
}

// Whether a CFF table holds together as far as its top DICT, and whether that DICT makes it a
// CID-keyed font (its first operator is ROS).
FontOutlines cffKind(const QByteArray &table)
{
    const BigEndianReader cff(table);
    const qint64 names = cff.u8(2);
    qint64 dict = 0, dictEnd = 0;
    if (cff.u8(0) != 1 || skipCffIndex(cff, skipCffIndex(cff, names), &dict, &dictEnd) < 0 || dictEnd <= dict)
        return FontOutlines::None;
    for (qint64 at = dict; at < dictEnd;) {
        const quint8 b = cff.u8(at);
        if (b == 12)
            return cff.u8(at + 1) == 30 ? FontOutlines::CidCff : FontOutlines::Cff;
        if (b <= 21)
            return FontOutlines::Cff;
        if (b == 28)
            at += 3;
        else if (b == 29)
            at += 5;
        else if (b == 30) { // a real number: nibbles up to the one that ends it
            for (++at; at < dictEnd;) {
                const quint8 nibbles = cff.u8(at++);
                if ((nibbles >> 4) == 0x0F || (nibbles & 0x0F) == 0x0F)
                    break;
            }
        } else
            at += b >= 247 && b <= 254 ? 2 : 1;
    }
    return FontOutlines::None;
}

FontFacts factsOf(const SourceFont &font)
{
    FontFacts facts;

    const BigEndianReader head(font.head);
    const bool headRead = head.has(0, HeadSize) && head.u32(HeadMagicNumber) == HeadMagic;
    const int unitsPerEm = head.u16(18);
    const bool unitsValid = unitsPerEm >= 16 && unitsPerEm <= 16384;
    if (headRead) {
        if (unitsValid)
            facts.unitsPerEm = unitsPerEm;
        facts.xMin = head.s16(36);
        facts.yMin = head.s16(38);
        facts.xMax = head.s16(40);
        facts.yMax = head.s16(42);
    }

    const BigEndianReader maxp(font.maxp);
    facts.glyphCount = maxp.has(0, 6) ? maxp.u16(4) : 0;

    const BigEndianReader hhea(font.hhea);
    const bool hheaRead = hhea.has(0, HheaSize);
    const int horizontalMetrics = hheaRead ? hhea.u16(34) : 0;
    if (hheaRead) {
        facts.ascent = hhea.s16(4);
        facts.descent = hhea.s16(6);
    }

    // Every glyph's advance: glyphs past the last full metric take its advance.
    const int fullMetrics = std::min(horizontalMetrics, facts.glyphCount);
    const BigEndianReader hmtx(font.hmtx);
    if (fullMetrics >= 1 && hmtx.has(0, qint64(fullMetrics) * 4)) {
        facts.advances.reserve(facts.glyphCount);
        for (int g = 0; g < facts.glyphCount; ++g)
            facts.advances.append(hmtx.u16(qint64(std::min(g, fullMetrics - 1)) * 4));
    }

    const BigEndianReader os2(font.os2);
    facts.capHeight = facts.ascent;
    if (os2.u16(0) >= 2 && os2.has(88, 2))
        facts.capHeight = os2.s16(88);
    facts.embedding = embeddingOf(font.os2);

    const BigEndianReader post(font.post);
    if (post.has(0, 16)) {
        facts.italicAngle = post.s32(4) / 65536.0;
        facts.fixedPitch = post.u32(12) != 0;
    }

    facts.postScriptName = postScriptNameOf(font.name);

    const bool metrics =
        headRead && unitsValid && hheaRead && facts.glyphCount >= 1 && facts.advances.size() == facts.glyphCount;
    if (metrics && !font.glyf.isEmpty())
        facts.outlines = glyphOffsets(font, facts.glyphCount).empty() ? FontOutlines::None : FontOutlines::TrueType;
    else if (metrics && !font.cff.isEmpty())
        facts.outlines = cffKind(font.cff);
    return facts;
}

// The tables of a font handed to HarfBuzz: each read once and held while HarfBuzz refers to it.
struct HarfBuzzTables
{
    const FontTableReader &read;
    std::map<hb_tag_t, QByteArray> bytes;

    static hb_blob_t *reference(hb_face_t *, hb_tag_t tag, void *self)
    {
        auto *tables = static_cast<HarfBuzzTables *>(self);
        auto [table, fresh] = tables->bytes.try_emplace(tag);
        if (fresh && tag != 0) {
            const char name[5] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), '\0'};
            table->second = tables->read(name);
        }
        return hb_blob_create(table->second.constData(), uint(table->second.size()), HB_MEMORY_MODE_READONLY, nullptr,
                              nullptr);
    }
};

struct HarfBuzzRelease
{
    void operator()(hb_face_t *face) const { hb_face_destroy(face); }
    void operator()(hb_blob_t *blob) const { hb_blob_destroy(blob); }
    void operator()(hb_subset_input_t *input) const { hb_subset_input_destroy(input); }
};
using FacePointer = std::unique_ptr<hb_face_t, HarfBuzzRelease>;
using BlobPointer = std::unique_ptr<hb_blob_t, HarfBuzzRelease>;

QByteArray fontFileOf(hb_face_t *builtFace)
{
    const BlobPointer blob(hb_face_reference_blob(builtFace));
    unsigned int length = 0;
    const char *data = hb_blob_get_data(blob.get(), &length);
    return QByteArray(data, qsizetype(length));
}

constexpr hb_tag_t tagOf(const char (&name)[5])
{
    return HB_TAG(name[0], name[1], name[2], name[3]);
}

// What a PDF reader needs of a font besides its outlines and metrics: nothing that shapes text
// (a PDF places every glyph itself) and nothing that only a screen at small sizes uses.
constexpr hb_tag_t TablesLeftOut[] = {tagOf("GSUB"), tagOf("GPOS"), tagOf("GDEF"), tagOf("BASE"), tagOf("JSTF"),
                                      tagOf("MATH"), tagOf("kern"), tagOf("gasp"), tagOf("hdmx"), tagOf("VDMX"),
                                      tagOf("LTSH"), tagOf("DSIG"), tagOf("vhea"), tagOf("vmtx"), tagOf("VORG")};

// The tables a whole font is made of, as far as a PDF reader draws, measures and names glyphs.
constexpr hb_tag_t WholeFontTables[] = {tagOf("head"), tagOf("hhea"), tagOf("maxp"), tagOf("hmtx"), tagOf("OS/2"),
                                        tagOf("name"), tagOf("cmap"), tagOf("post"), tagOf("loca"), tagOf("glyf"),
                                        tagOf("cvt "), tagOf("fpgm"), tagOf("prep"), tagOf("CFF ")};

// Type 2 charstring and DICT integers: one byte near zero, two further out, else 28 and 16 bits.
void appendCffNumber(QByteArray &out, int v)
{
    if (v >= -107 && v <= 107) {
        out.append(char(v + 139));
    } else if (v >= 108 && v <= 1131) {
        out.append(char(((v - 108) >> 8) + 247));
        out.append(char((v - 108) & 0xFF));
    } else if (v >= -1131 && v <= -108) {
        out.append(char(((-v - 108) >> 8) + 251));
        out.append(char((-v - 108) & 0xFF));
    } else {
        v = std::clamp(v, -32768, 32767);
        out.append(char(28));
        out.append(char((v >> 8) & 0xFF));
        out.append(char(v & 0xFF));
    }
}

// A DICT offset in five bytes whatever its value, so that a DICT's size does not depend on it.
void appendCffOffset(QByteArray &out, qint64 offset)
{
    out.append(char(29));
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((offset >> shift) & 0xFF));
}

void appendU16(QByteArray &out, int value)
{
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

QByteArray cffIndex(const QList<QByteArray> &items)
{
    QByteArray out;
    appendU16(out, int(items.size()));
    if (items.isEmpty())
        return out;
    qint64 total = 1;
    for (const QByteArray &item : items)
        total += item.size();
    const int offSize = total <= 0xFF ? 1 : total <= 0xFFFF ? 2 : total <= 0xFFFFFF ? 3 : 4;
    out.append(char(offSize));
    qint64 offset = 1;
    const auto appendOffset = [&] {
        for (int b = offSize - 1; b >= 0; --b)
            out.append(char((offset >> (8 * b)) & 0xFF));
    };
    for (const QByteArray &item : items) {
        appendOffset();
        offset += item.size();
    }
    appendOffset();
    for (const QByteArray &item : items)
        out.append(item);
    return out;
}

// A glyph's outline as a Type 2 charstring: every point rounded to whole units, each move, line
// and curve relative to the rounded point before it, so that no rounding adds up.
QByteArray charString(const QPainterPath &path)
{
    QByteArray out;
    QPoint pen;
    const auto appendTo = [&](QPointF point) {
        const QPoint p = point.toPoint();
        appendCffNumber(out, p.x() - pen.x());
        appendCffNumber(out, p.y() - pen.y());
        pen = p;
    };
    for (int e = 0; e < path.elementCount(); ++e) {
        const QPainterPath::Element element = path.elementAt(e);
        if (element.isMoveTo()) {
            appendTo(element);
            out.append(char(21)); // rmoveto
        } else if (element.isLineTo()) {
            appendTo(element);
            out.append(char(5)); // rlineto
        } else if (element.isCurveTo() && e + 2 < path.elementCount()) {
            appendTo(element);
            appendTo(path.elementAt(e + 1));
            appendTo(path.elementAt(e + 2));
            out.append(char(8)); // rrcurveto
            e += 2;
        }
    }
    out.append(char(14)); // endchar
    return out;
}

} // namespace

FontFacts readFontFacts(const FontTableReader &table)
{
    return factsOf(SourceFont(table));
}

QByteArray subsetFont(const FontTableReader &table, const QList<quint32> &glyphs)
{
    HarfBuzzTables tables{table, {}};
    const FacePointer face(hb_face_create_for_tables(&HarfBuzzTables::reference, &tables, nullptr));
    const std::unique_ptr<hb_subset_input_t, HarfBuzzRelease> input(hb_subset_input_create_or_fail());
    if (!input)
        return {};
    const unsigned int glyphCount = hb_face_get_glyph_count(face.get());
    hb_set_t *keep = hb_subset_input_glyph_set(input.get());
    hb_set_add(keep, 0);
    for (const quint32 glyph : glyphs)
        if (glyph < glyphCount)
            hb_set_add(keep, glyph);
    hb_set_t *leftOut = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const hb_tag_t tag : TablesLeftOut)
        hb_set_add(leftOut, tag);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING |
                                               HB_SUBSET_FLAGS_NOTDEF_OUTLINE);
    const FacePointer subset(hb_subset_or_fail(face.get(), input.get()));
    return subset ? fontFileOf(subset.get()) : QByteArray();
}

QByteArray wholeFont(const FontTableReader &table, const FontFacts &facts)
{
    if (facts.outlines == FontOutlines::None)
        return {};
    const FacePointer builder(hb_face_builder_create());
    for (const hb_tag_t tag : WholeFontTables) {
        const char name[5] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), '\0'};
        const QByteArray bytes = table(name);
        if (bytes.isEmpty())
            continue;
        const BlobPointer blob(
            hb_blob_create(bytes.constData(), uint(bytes.size()), HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr));
        if (!hb_face_builder_add_table(builder.get(), tag, blob.get()))
            return {};
    }
    return fontFileOf(builder.get());
}

QByteArray cffFromOutlines(const QByteArray &name, int glyphCount, const QList<quint32> &glyphs,
                           const std::function<QPainterPath(quint32 glyph)> &outline)
{
    glyphCount = std::clamp(glyphCount, 1, 0xFFFF);
    QList<QByteArray> charStrings(glyphCount, QByteArray(1, char(14))); // endchar: an empty glyph
    for (const quint32 glyph : glyphs)
        if (glyph < quint32(glyphCount))
            charStrings[glyph] = charString(outline(glyph));

    // charset: glyphs 1 to the last are CIDs 1 to the last (one range); FDSelect: every glyph in
    // font DICT 0.
    QByteArray charset(1, char(glyphCount > 1 ? 2 : 0));
    if (glyphCount > 1) {
        appendU16(charset, 1);
        appendU16(charset, glyphCount - 2);
    }
    QByteArray fdSelect(1, char(3));
    appendU16(fdSelect, 1);
    appendU16(fdSelect, 0);
    fdSelect.append('\0');
    appendU16(fdSelect, glyphCount);
    const QByteArray charStringIndex = cffIndex(charStrings);
    QByteArray privateDict;
    appendCffNumber(privateDict, 0);
    privateDict.append(char(20)); // defaultWidthX: widths come from the PDF

    const QByteArray header("\x01\x00\x04\x04", 4);
    const QByteArray names = cffIndex({name.left(127)});
    // Standard strings end at SID 390: the first two of our own are 391 and 392.
    const QByteArray strings = cffIndex({"Adobe", "Identity"});
    const QByteArray globalSubroutines = cffIndex({});
    const auto topDict = [&](qint64 charsetAt, qint64 fdSelectAt, qint64 charStringsAt, qint64 fdArrayAt) {
        QByteArray dict;
        appendCffNumber(dict, 391);
        appendCffNumber(dict, 392);
        appendCffNumber(dict, 0);
        dict.append("\x0C\x1E", 2); // ROS
        appendCffNumber(dict, glyphCount);
        dict.append("\x0C\x22", 2); // CIDCount
        appendCffOffset(dict, charsetAt);
        dict.append(char(15)); // charset
        appendCffOffset(dict, fdSelectAt);
        dict.append("\x0C\x25", 2); // FDSelect
        appendCffOffset(dict, charStringsAt);
        dict.append(char(17)); // CharStrings
        appendCffOffset(dict, fdArrayAt);
        dict.append("\x0C\x24", 2); // FDArray
        return cffIndex({dict});
    };
    const auto fdArray = [&](qint64 privateAt) {
        QByteArray dict;
        appendCffOffset(dict, privateDict.size());
        appendCffOffset(dict, privateAt);
        dict.append(char(18)); // Private
        return cffIndex({dict});
    };
    const qint64 charsetAt =
        header.size() + names.size() + topDict(0, 0, 0, 0).size() + strings.size() + globalSubroutines.size();
    const qint64 fdSelectAt = charsetAt + charset.size();
    const qint64 charStringsAt = fdSelectAt + fdSelect.size();
    const qint64 fdArrayAt = charStringsAt + charStringIndex.size();
    const qint64 privateAt = fdArrayAt + fdArray(0).size();
    return header + names + topDict(charsetAt, fdSelectAt, charStringsAt, fdArrayAt) + strings + globalSubroutines +
           charset + fdSelect + charStringIndex + fdArray(privateAt) + privateDict;
}
