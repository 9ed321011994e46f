// The font reader of our PDF pages and HarfBuzz's subsetter behind it: a font file as a system
// would hand it over.
//
// The input: one byte k, k big-endian glyph ids to keep, then an sfnt file whose table directory
// splits the rest into tables (a table reaching past the end is cut there). Whatever the tables
// hold, the facts are read and the subset made without a read out of bounds; a subset that is made
// of a font with outlines keeps their kind, the font's name and the advances of the kept glyphs.

#include "FuzzSupport.h"

#include "platform/FontProgram.h"

#include <QHash>
#include <QtEndian>

namespace {

using Tables = QHash<QByteArray, QByteArray>;

quint16 u16(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? qFromBigEndian<quint16>(b.constData() + at) : 0;
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() ? qFromBigEndian<quint32>(b.constData() + at) : 0;
}

Tables tablesOf(const QByteArray &sfnt)
{
    Tables tables;
    const int count = u16(sfnt, 4);
    for (int t = 0; t < count && 12 + (t + 1) * 16 <= sfnt.size(); ++t) {
        const qsizetype record = 12 + t * 16;
        const quint32 offset = u32(sfnt, record + 8);
        if (offset <= quint32(sfnt.size()))
            tables.insert(sfnt.mid(record, 4), sfnt.mid(offset, u32(sfnt, record + 12)));
    }
    return tables;
}

FontTableReader readerOf(const Tables &tables)
{
    return [&tables](const char *tag) { return tables.value(QByteArray(tag, 4)); };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray b = fuzz::bytes(data, size);
    if (b.isEmpty())
        return 0;
    const int k = quint8(b.at(0));
    QList<quint32> glyphs;
    for (int i = 0; i < k; ++i)
        glyphs.append(u16(b, 1 + i * 2));
    const Tables tables = tablesOf(b.mid(1 + k * 2));

    const FontFacts facts = readFontFacts(readerOf(tables));
    FUZZ_CHECK(facts.outlines == FontOutlines::None || facts.advances.size() == facts.glyphCount);
    if (facts.outlines == FontOutlines::None)
        return 0;
    wholeFont(readerOf(tables), facts);
    const QByteArray subset = subsetFont(readerOf(tables), glyphs);
    if (subset.isEmpty())
        return 0;
    const Tables subsetTables = tablesOf(subset);
    const FontFacts subsetFacts = readFontFacts(readerOf(subsetTables));
    if (subsetFacts.outlines == FontOutlines::None)
        return 0; // HarfBuzz keeps what it reads, not what our reader asks of a font
    FUZZ_CHECK(subsetFacts.outlines == facts.outlines);
    for (const quint32 glyph : glyphs)
        FUZZ_CHECK(glyph >= quint32(subsetFacts.glyphCount) ||
                   subsetFacts.advances.value(glyph) == facts.advances.value(glyph));
    return 0;
}
