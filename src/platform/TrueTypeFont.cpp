#include "platform/TrueTypeFont.h"

#include <QtEndian>

#include <algorithm>
#include <optional>
#include <vector>

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

void putU16(QByteArray &bytes, qsizetype offset, quint16 value)
{
    qToBigEndian(value, bytes.data() + offset);
}

void putU32(QByteArray &bytes, qsizetype offset, quint32 value)
{
    qToBigEndian(value, bytes.data() + offset);
}

void appendU16(QByteArray &bytes, quint16 value)
{
    bytes.resize(bytes.size() + 2);
    putU16(bytes, bytes.size() - 2, value);
}

void appendU32(QByteArray &bytes, quint32 value)
{
    bytes.resize(bytes.size() + 4);
    putU32(bytes, bytes.size() - 4, value);
}

void padToFourBytes(QByteArray &bytes)
{
    while (bytes.size() % 4 != 0)
        bytes.append('\0');
}

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
    {
    }

    QByteArray head, hhea, maxp, hmtx, loca, glyf, os2, post, name;
};

constexpr int HeadSize = 54;
constexpr qsizetype HeadCheckSumAdjustment = 8;
constexpr qsizetype HeadMagicNumber = 12;
constexpr quint32 HeadMagic = 0x5F0F3CF5;
constexpr qsizetype HeadIndexToLocFormat = 50;
constexpr int HheaSize = 36;
constexpr int PostHeaderSize = 32;
constexpr int GlyphHeaderSize = 10;
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

bool embeddingAllowed(const QByteArray &os2Table)
{
    if (os2Table.isEmpty())
        return true;
    const BigEndianReader os2(os2Table);
    const quint16 fsType = os2.u16(8);
    if (os2.failed())
        return false;
    constexpr quint16 RestrictedLicense = 0x0002, PreviewAndPrint = 0x0004, Editable = 0x0008;
    constexpr quint16 BitmapOnly = 0x0200;
    // Older fonts may set several of the licence bits; the least restrictive one applies.
    const bool restricted = (fsType & (RestrictedLicense | PreviewAndPrint | Editable)) == RestrictedLicense;
    return !restricted && !(fsType & BitmapOnly);
}

TrueTypeFacts factsOf(const SourceFont &font)
{
    TrueTypeFacts facts;

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
    facts.embeddable = embeddingAllowed(font.os2);

    const BigEndianReader post(font.post);
    if (post.has(0, 16)) {
        facts.italicAngle = post.s32(4) / 65536.0;
        facts.fixedPitch = post.u32(12) != 0;
    }

    facts.postScriptName = postScriptNameOf(font.name);

    facts.outlines = headRead && unitsValid && hheaRead && facts.glyphCount >= 1 && !font.glyf.isEmpty() &&
                     facts.advances.size() == facts.glyphCount && !glyphOffsets(font, facts.glyphCount).empty();
    return facts;
}

// The glyphs a composite glyph is made of (none for a simple or an empty glyph); nothing when the
// glyph is malformed: shorter than its header, components or instructions running past its end,
// or a component the font does not have.
std::optional<std::vector<quint16>> componentsOf(const QByteArray &glyph, int glyphCount)
{
    std::vector<quint16> components;
    if (glyph.isEmpty())
        return components;
    const BigEndianReader r(glyph);
    if (!r.has(0, GlyphHeaderSize))
        return std::nullopt;
    if (r.s16(0) >= 0)
        return components;

    constexpr quint16 ArgumentsAreWords = 0x0001, HasScale = 0x0008, MoreComponents = 0x0020, HasXAndYScale = 0x0040,
                      HasTwoByTwo = 0x0080, HasInstructions = 0x0100;
    qint64 position = GlyphHeaderSize;
    quint16 flags = 0;
    do {
        flags = r.u16(position);
        const quint16 component = r.u16(position + 2);
        position += 4 + ((flags & ArgumentsAreWords) ? 4 : 2);
        if (flags & HasScale)
            position += 2;
        else if (flags & HasXAndYScale)
            position += 4;
        else if (flags & HasTwoByTwo)
            position += 8;
        if (r.failed() || position > r.size() || component >= glyphCount)
            return std::nullopt;
        components.push_back(component);
    } while (flags & MoreComponents);
    if (flags & HasInstructions) {
        const quint16 length = r.u16(position);
        if (r.failed() || !r.has(position + 2, length))
            return std::nullopt;
    }
    return components;
}

// Which glyphs the subset holds: glyph 0, the requested ones and, recursively, the components of
// every composite among them. Nothing when a glyph to be kept is malformed or a composite is built,
// directly or through others, of itself (a depth-first walk that meets a glyph still open).
std::optional<std::vector<bool>> glyphsToKeep(const SourceFont &font, const std::vector<quint32> &offsets,
                                              const QList<quint32> &requested)
{
    const int glyphCount = int(offsets.size()) - 1;
    enum class Visit : quint8 { NotYet, Open, Done };
    std::vector<Visit> visits(size_t(glyphCount), Visit::NotYet);

    struct Step
    {
        quint16 glyph;
        std::vector<quint16> components;
        size_t next = 0;
    };
    std::vector<Step> path;
    const auto open = [&](quint16 glyph) {
        const quint32 start = offsets[glyph];
        const QByteArray bytes =
            QByteArray::fromRawData(font.glyf.constData() + start, qsizetype(offsets[size_t(glyph) + 1] - start));
        std::optional<std::vector<quint16>> components = componentsOf(bytes, glyphCount);
        if (!components)
            return false;
        visits[glyph] = Visit::Open;
        path.push_back({glyph, std::move(*components)});
        return true;
    };
    const auto walkFrom = [&](quint16 root) {
        if (visits[root] != Visit::NotYet)
            return true;
        if (!open(root))
            return false;
        while (!path.empty()) {
            Step &step = path.back();
            if (step.next == step.components.size()) {
                visits[step.glyph] = Visit::Done;
                path.pop_back();
                continue;
            }
            const quint16 component = step.components[step.next++];
            if (visits[component] == Visit::Open)
                return false;
            if (visits[component] == Visit::NotYet && !open(component))
                return false;
        }
        return true;
    };

    if (!walkFrom(0))
        return std::nullopt;
    for (const quint32 glyph : requested) {
        if (glyph < quint32(glyphCount) && !walkFrom(quint16(glyph)))
            return std::nullopt;
    }
    std::vector<bool> keep(static_cast<size_t>(glyphCount));
    for (int g = 0; g < glyphCount; ++g)
        keep[size_t(g)] = visits[size_t(g)] == Visit::Done;
    return keep;
}

quint32 tableChecksum(const QByteArray &paddedTable)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i + 3 < paddedTable.size(); i += 4)
        sum += qFromBigEndian<quint32>(paddedTable.constData() + i);
    return sum;
}

struct OutputTable
{
    QByteArray tag;
    QByteArray bytes;
};

// A font file of `tables`: the offset table, the table directory sorted by tag, and the tables,
// each starting on a 4-byte boundary, with their checksums and the head's checkSumAdjustment.
QByteArray assembleFont(std::vector<OutputTable> tables)
{
    std::sort(tables.begin(), tables.end(), [](const OutputTable &a, const OutputTable &b) { return a.tag < b.tag; });
    const auto tableCount = quint16(tables.size());
    quint16 entrySelector = 0;
    while ((2u << entrySelector) <= tableCount)
        ++entrySelector;
    const auto searchRange = quint16((1u << entrySelector) * 16);

    QByteArray font;
    appendU32(font, 0x00010000);
    appendU16(font, tableCount);
    appendU16(font, searchRange);
    appendU16(font, entrySelector);
    appendU16(font, quint16(tableCount * 16 - searchRange));

    QByteArray data;
    const qsizetype dataStart = 12 + qsizetype(tableCount) * 16;
    qsizetype headAt = -1;
    for (OutputTable &table : tables) {
        const auto length = quint32(table.bytes.size());
        padToFourBytes(table.bytes);
        if (table.tag == "head")
            headAt = dataStart + data.size();
        font.append(table.tag);
        appendU32(font, tableChecksum(table.bytes));
        appendU32(font, quint32(dataStart + data.size()));
        appendU32(font, length);
        data.append(table.bytes);
    }
    font.append(data);
    if (headAt >= 0)
        putU32(font, headAt + HeadCheckSumAdjustment, 0xB1B0AFBA - tableChecksum(font));
    return font;
}

} // namespace

TrueTypeFacts readTrueTypeFacts(const FontTableReader &table)
{
    return factsOf(SourceFont(table));
}

QByteArray subsetTrueType(const FontTableReader &table, const QList<quint32> &glyphs)
{
    const SourceFont font(table);
    const TrueTypeFacts facts = factsOf(font);
    if (!facts.outlines)
        return {};
    const std::vector<quint32> offsets = glyphOffsets(font, facts.glyphCount);
    const std::optional<std::vector<bool>> keep = glyphsToKeep(font, offsets, glyphs);
    if (!keep)
        return {};

    // The kept glyphs where they were, every other glyph empty; each glyph starts on a 4-byte
    // boundary.
    QByteArray glyf;
    std::vector<quint32> newOffsets(offsets.size());
    for (size_t g = 0; g + 1 < offsets.size(); ++g) {
        newOffsets[g] = quint32(glyf.size());
        if ((*keep)[g]) {
            glyf.append(font.glyf.constData() + offsets[g], qsizetype(offsets[g + 1] - offsets[g]));
            padToFourBytes(glyf);
        }
    }
    if (quint64(glyf.size()) > 0xFFFFFFFFu)
        return {};
    newOffsets.back() = quint32(glyf.size());
    // Only blank glyphs (spaces, an empty .notdef): a glyf table of nothing would read as none.
    if (glyf.isEmpty())
        glyf = QByteArray(4, '\0');

    // Short offsets count 2-byte words: they stay short while the glyphs fit them.
    const bool longOffsets = BigEndianReader(font.head).s16(HeadIndexToLocFormat) == 1 || glyf.size() / 2 > 0xFFFF;
    QByteArray loca;
    loca.reserve(qsizetype(newOffsets.size()) * (longOffsets ? 4 : 2));
    for (const quint32 offset : newOffsets) {
        if (longOffsets)
            appendU32(loca, offset);
        else
            appendU16(loca, quint16(offset / 2));
    }

    QByteArray head = font.head;
    putU32(head, HeadCheckSumAdjustment, 0);
    putU16(head, HeadIndexToLocFormat, longOffsets ? 1 : 0);

    std::vector<OutputTable> tables = {
        {"head", head},          {"hhea", font.hhea},     {"maxp", font.maxp},     {"hmtx", font.hmtx},
        {"loca", loca},          {"glyf", glyf},          {"OS/2", font.os2},      {"name", font.name},
        {"cvt ", table("cvt ")}, {"fpgm", table("fpgm")}, {"prep", table("prep")}, {"cmap", table("cmap")},
    };
    if (font.post.size() >= PostHeaderSize) {
        QByteArray post = font.post.left(PostHeaderSize);
        putU32(post, 0, 0x00030000);
        tables.push_back({"post", post});
    }
    tables.erase(std::remove_if(tables.begin(), tables.end(), [](const OutputTable &t) { return t.bytes.isEmpty(); }),
                 tables.end());
    return assembleFont(std::move(tables));
}
