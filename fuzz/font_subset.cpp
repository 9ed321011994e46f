// The TrueType reader and subsetter of our PDF pages: a font file as a system would hand it over.
//
// The input: one byte k, k big-endian glyph ids to keep, then an sfnt file whose table directory
// splits the rest into tables (a table reaching past the end is cut there). Whatever the tables
// hold, the facts are read and the subset made without a read out of bounds; a subset that is made
// is itself a font with outlines, of the same glyphs and advances, and subsetting it again changes
// nothing.

#include "FuzzSupport.h"

#include "platform/TrueTypeFont.h"

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

    const TrueTypeFacts facts = readTrueTypeFacts(readerOf(tables));
    FUZZ_CHECK(!facts.outlines || facts.advances.size() == facts.glyphCount);
    const QByteArray subset = subsetTrueType(readerOf(tables), glyphs);
    if (subset.isEmpty())
        return 0;
    FUZZ_CHECK(facts.outlines);

    const Tables subsetTables = tablesOf(subset);
    const TrueTypeFacts subsetFacts = readTrueTypeFacts(readerOf(subsetTables));
    FUZZ_CHECK(subsetFacts.outlines);
    FUZZ_CHECK(subsetFacts.glyphCount == facts.glyphCount);
    FUZZ_CHECK(subsetFacts.advances == facts.advances);
    FUZZ_CHECK(subsetFacts.postScriptName == facts.postScriptName);
    FUZZ_CHECK(subsetTrueType(readerOf(subsetTables), glyphs) == subset);
    return 0;
}
