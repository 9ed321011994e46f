// The fonts our PDF pages embed: the facts a font descriptor needs, read from the system's fonts
// and held against what Qt (FreeType) reads from the same files, and the subsets HarfBuzz makes,
// loaded back by Qt and compared glyph by glyph with the original. Broken fonts (tables missing,
// cut short, pointing outside themselves) give no outlines; random damage never reads out of bounds.

#include "platform/FontProgram.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QRawFont>
#include <QTest>
#include <QtEndian>

#include <functional>

namespace {

using Tables = QHash<QByteArray, QByteArray>;
using Damage = std::function<void(Tables &)>;

const QByteArrayList TableTags = {"head", "hhea", "maxp", "hmtx", "loca", "glyf", "OS/2",
                                  "post", "name", "cvt ", "fpgm", "prep", "cmap", "CFF "};

QString systemFontFile(const QString &fileName)
{
    QDirIterator it(QStringLiteral("/usr/share/fonts"), {fileName}, QDir::Files, QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

// A system font read by Qt without hinting, so that outlines compare exactly.
QRawFont loadFont(const QString &fileName, qreal pixelSize = 64)
{
    const QString path = systemFontFile(fileName);
    if (path.isEmpty())
        qWarning("%s is missing (scripts/install-deps installs fonts-liberation, fonts-dejavu-core, fonts-urw-base35)",
                 qPrintable(fileName));
    return QRawFont(path, pixelSize, QFont::PreferNoHinting);
}

Tables tablesOf(const QRawFont &font)
{
    Tables tables;
    for (const QByteArray &tag : TableTags) {
        const QByteArray bytes = font.fontTable(tag.constData());
        if (!bytes.isEmpty())
            tables.insert(tag, bytes);
    }
    return tables;
}

FontTableReader readerOf(const Tables &tables)
{
    return [tables](const char *tag) { return tables.value(QByteArray(tag, 4)); };
}

FontTableReader readerOf(const QRawFont &font)
{
    return [font](const char *tag) { return font.fontTable(tag); };
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

void setU16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
}

QList<quint32> glyphsOf(const QRawFont &font, const QString &text)
{
    return font.glyphIndexesForString(text);
}

// The same outline to a unit of a 2048-unit em at 64 pixels: without hinting HarfBuzz may write a
// glyph's points anew, and FreeType places an unhinted glyph by its side bearing.
bool sameOutline(const QPainterPath &a, const QPainterPath &b)
{
    for (int e = 0; e < a.elementCount(); ++e)
        if (a.elementCount() != b.elementCount() || QLineF(a.elementAt(e), b.elementAt(e)).length() > 64.0 * 1.5 / 2048)
            return false;
    return a.elementCount() == b.elementCount();
}

// What a subset says of itself as the original does: names, metrics, and the advance of every glyph
// it holds.
void compareFacts(const FontFacts &subset, const FontFacts &original, const QList<quint32> &glyphs)
{
    QCOMPARE(subset.outlines, original.outlines);
    QCOMPARE(subset.postScriptName, original.postScriptName);
    QCOMPARE(subset.unitsPerEm, original.unitsPerEm);
    QCOMPARE(QList<int>({subset.ascent, subset.descent}), QList<int>({original.ascent, original.descent}));
    QCOMPARE(subset.italicAngle, original.italicAngle);
    for (const quint32 glyph : glyphs)
        QCOMPARE(subset.advances.value(glyph), original.advances.value(glyph));
}

// A name table of Windows Unicode records (platform 3) and Macintosh Roman ones (platform 1).
struct NameRecord
{
    quint16 platform;
    quint16 nameId;
    QByteArray text; // Latin-1; written as UTF-16BE on platform 3
};

QByteArray nameTable(const QList<NameRecord> &records)
{
    QByteArray strings, table(6 + records.size() * 12, '\0');
    setU16(table, 2, quint16(records.size()));
    setU16(table, 4, quint16(table.size()));
    for (int i = 0; i < records.size(); ++i) {
        const NameRecord &r = records[i];
        QByteArray text;
        for (const char c : r.text)
            text += r.platform == 3 ? QByteArray(1, '\0') + c : QByteArray(1, c);
        const qsizetype at = 6 + i * 12;
        setU16(table, at, r.platform);
        setU16(table, at + 2, r.platform == 3 ? 1 : 0);
        setU16(table, at + 4, r.platform == 3 ? 0x0409 : 0);
        setU16(table, at + 6, r.nameId);
        setU16(table, at + 8, quint16(text.size()));
        setU16(table, at + 10, quint16(strings.size()));
        strings += text;
    }
    return table + strings;
}

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(NameRecord)
Q_DECLARE_METATYPE(FontOutlines)
Q_DECLARE_METATYPE(FontEmbedding)

class TestFontProgram : public QObject
{
    Q_OBJECT

private slots:
    void factsAgreeWithQt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("postScriptName");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("fixedPitch");
        QTest::addColumn<bool>("capHeightInOs2");
        QTest::newRow("Liberation Sans") << "LiberationSans-Regular.ttf" << QByteArray("LiberationSans") << false
                                         << false << true;
        QTest::newRow("Liberation Sans Bold")
            << "LiberationSans-Bold.ttf" << QByteArray("LiberationSans-Bold") << false << false << true;
        QTest::newRow("Liberation Serif Italic")
            << "LiberationSerif-Italic.ttf" << QByteArray("LiberationSerif-Italic") << true << false << true;
        // Four full metrics for 674 glyphs: the last advance stands for the rest.
        QTest::newRow("Liberation Mono") << "LiberationMono-Regular.ttf" << QByteArray("LiberationMono") << false
                                         << true << true;
        // OS/2 version 1: no cap height there.
        QTest::newRow("DejaVu Sans") << "DejaVuSans.ttf" << QByteArray("DejaVuSans") << false << false << false;
    }

    void factsAgreeWithQt()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, postScriptName);
        QFETCH(bool, italic);
        QFETCH(bool, fixedPitch);
        QFETCH(bool, capHeightInOs2);

        const QRawFont probe = loadFont(file);
        QVERIFY(probe.isValid());
        const FontFacts facts = readFontFacts(readerOf(probe));
        QCOMPARE(facts.outlines, FontOutlines::TrueType);
        QCOMPARE(facts.embedding, FontEmbedding::Subset);
        QCOMPARE(facts.postScriptName, postScriptName);
        QCOMPARE(facts.unitsPerEm, qRound(probe.unitsPerEm()));

        // At a pixel size of one em, Qt's metrics are in font units.
        const QRawFont font = loadFont(file, facts.unitsPerEm);
        QCOMPARE(facts.ascent, qRound(font.ascent()));
        QCOMPARE(facts.descent, -qRound(font.descent()));
        QCOMPARE(facts.capHeight, capHeightInOs2 ? qRound(font.capHeight()) : facts.ascent);
        QVERIFY(facts.xMin < 0 && facts.xMax > facts.unitsPerEm / 2);
        QVERIFY(facts.yMin < facts.descent / 2 && facts.yMax > facts.ascent / 2);
        QCOMPARE(facts.fixedPitch, fixedPitch);
        QCOMPARE(facts.italicAngle < -5 && facts.italicAngle > -30, italic);
        QCOMPARE(facts.italicAngle == 0, !italic);

        QVERIFY(facts.glyphCount > 600);
        QCOMPARE(facts.advances.size(), facts.glyphCount);
        QList<quint32> every;
        for (int g = 0; g < facts.glyphCount; ++g)
            every.append(quint32(g));
        const QList<QPointF> advances = font.advancesForGlyphIndexes(every, QRawFont::UseDesignMetrics);
        for (int g = 0; g < facts.glyphCount; ++g)
            QVERIFY2(
                qAbs(advances[g].x() - facts.advances[g]) < 0.02,
                qPrintable(QStringLiteral("glyph %1: %2, Qt %3").arg(g).arg(facts.advances[g]).arg(advances[g].x())));
        const quint32 a = glyphsOf(font, QStringLiteral("A")).value(0);
        QCOMPARE(facts.advances[a], quint16(qRound(font.advancesForGlyphIndexes({a}).value(0).x())));
    }

    void subsetHoldsTheRequestedOutlines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        const QString text = QStringLiteral("Конверт № 42, Envelope ёЙ Å");
        QTest::newRow("Liberation Sans (short loca)") << "LiberationSans-Regular.ttf" << text;
        QTest::newRow("DejaVu Sans (long loca)") << "DejaVuSans.ttf" << text;
        QTest::newRow("C059 (CFF)") << "C059-Roman.otf" << text;
        QTest::newRow("Nimbus Sans Bold (CFF)") << "NimbusSans-Bold.otf" << text;
        QTest::newRow("nothing but .notdef") << "DejaVuSans.ttf" << QString();
    }

    // Every glyph id as in the original: what a CID font of glyph-id codes needs.
    void subsetHoldsTheRequestedOutlines()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        const QRawFont original = loadFont(file);
        QVERIFY(original.isValid());
        const QList<quint32> requested = glyphsOf(original, text);
        const QByteArray subset = subsetFont(readerOf(original), requested);
        QVERIFY(!subset.isEmpty());

        const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
        QVERIFY(loaded.isValid());
        for (const quint32 glyph : requested + QList<quint32>{0}) {
            QVERIFY2(sameOutline(loaded.pathForGlyph(glyph), original.pathForGlyph(glyph)),
                     qPrintable(QString::number(glyph)));
            QCOMPARE(loaded.advancesForGlyphIndexes({glyph}), original.advancesForGlyphIndexes({glyph}));
        }
        for (const quint32 glyph : glyphsOf(original, QStringLiteral("ZЖ"))) {
            QVERIFY(!original.pathForGlyph(glyph).isEmpty());
            QVERIFY(loaded.pathForGlyph(glyph).isEmpty());
        }
        compareFacts(readFontFacts(readerOf(loaded)), readFontFacts(readerOf(original)), requested);

        // A handful of glyphs out of hundreds, without hinting: a small fraction of the file.
        const qint64 fileSize = QFileInfo(systemFontFile(file)).size();
        QVERIFY2(subset.size() * 6 < fileSize,
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(subset.size()).arg(fileSize)));
        // Ids the font does not have, and repeats, change nothing.
        const int glyphCount = readFontFacts(readerOf(original)).glyphCount;
        QCOMPARE(
            subsetFont(readerOf(original), requested + requested + QList<quint32>{quint32(glyphCount), 0xFFFFFFFFu}),
            subset);
    }

    // The CFF font built of outlines (drawn in the PDF tests) is CID-keyed: the facts tell it from
    // CFF addressed by glyph id.
    void cidKeyedCffIsToldApart()
    {
        Tables tables = tablesOf(loadFont(QStringLiteral("C059-Roman.otf")));
        QCOMPARE(readFontFacts(readerOf(tables)).outlines, FontOutlines::Cff);
        tables["CFF "] = cffFromOutlines("Rebuilt", 4, {1, 3}, [](quint32) { return QPainterPath(QPointF(1, 2)); });
        QCOMPARE(readFontFacts(readerOf(tables)).outlines, FontOutlines::CidCff);
        tables["CFF "].truncate(20);
        QCOMPARE(readFontFacts(readerOf(tables)).outlines, FontOutlines::None);
    }

    void brokenFontsGiveNoOutlines_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("usable");
        for (const char *tag : {"head", "hhea", "maxp", "hmtx", "loca", "glyf"})
            QTest::addRow("no %s", tag) << Damage([tag](Tables &t) { t.remove(tag); }) << false;
        for (const char *tag : {"head", "hhea", "maxp"})
            QTest::addRow("%s cut short", tag) << Damage([tag](Tables &t) { t[tag].truncate(5); }) << false;
        QTest::newRow("no glyphs") << Damage([](Tables &t) { setU16(t["maxp"], 4, 0); }) << false;
        QTest::newRow("more glyphs than loca places")
            << Damage([](Tables &t) { setU16(t["maxp"], 4, quint16(t["loca"].size())); }) << false;
        QTest::newRow("loca pointing past glyf")
            << Damage([](Tables &t) { t["glyf"].truncate(t["glyf"].size() / 2); }) << false;
        QTest::newRow("loca going backwards")
            << Damage([](Tables &t) { setU16(t["loca"], 20, u16(t["loca"], 40)); }) << false;
        QTest::newRow("unknown loca format") << Damage([](Tables &t) { setU16(t["head"], 50, 2); }) << false;
        QTest::newRow("long loca read from short") << Damage([](Tables &t) { setU16(t["head"], 50, 1); }) << false;
        QTest::newRow("not a head table") << Damage([](Tables &t) { setU16(t["head"], 12, 0); }) << false;
        QTest::newRow("no units per em") << Damage([](Tables &t) { setU16(t["head"], 18, 0); }) << false;
        QTest::newRow("no horizontal metrics") << Damage([](Tables &t) { setU16(t["hhea"], 34, 0); }) << false;
        QTest::newRow("hmtx short of its metrics") << Damage([](Tables &t) { t["hmtx"].truncate(40); }) << false;
        // What a font program does not need to draw its glyphs.
        QTest::newRow("no OS/2, post, name") << Damage([](Tables &t) {
            for (const char *tag : {"OS/2", "post", "name"})
                t.remove(tag);
        }) << true;
        QTest::newRow("no hinting programs") << Damage([](Tables &t) {
            for (const char *tag : {"cvt ", "fpgm", "prep"})
                t.remove(tag);
        }) << true;
    }

    void brokenFontsGiveNoOutlines()
    {
        QFETCH(Damage, damage);
        QFETCH(bool, usable);
        const QRawFont original = loadFont(QStringLiteral("LiberationSans-Regular.ttf"));
        Tables tables = tablesOf(original);
        damage(tables);
        const FontFacts facts = readFontFacts(readerOf(tables));
        QCOMPARE(facts.outlines, usable ? FontOutlines::TrueType : FontOutlines::None);
        if (usable) {
            const QList<quint32> glyphs = glyphsOf(original, QStringLiteral("Конверт"));
            const QRawFont loaded(subsetFont(readerOf(tables), glyphs), original.pixelSize(), QFont::PreferNoHinting);
            QVERIFY(loaded.isValid());
            QCOMPARE(loaded.pathForGlyph(glyphs[0]), original.pathForGlyph(glyphs[0]));
        }
    }

    void embeddingFollowsTheLicenceBits_data()
    {
        QTest::addColumn<int>("fsType");
        QTest::addColumn<FontEmbedding>("embedding");
        QTest::newRow("installable") << 0x0000 << FontEmbedding::Subset;
        QTest::newRow("restricted") << 0x0002 << FontEmbedding::Forbidden;
        QTest::newRow("preview and print") << 0x0004 << FontEmbedding::Subset;
        QTest::newRow("editable") << 0x0008 << FontEmbedding::Subset;
        QTest::newRow("restricted and editable: the lesser restriction") << 0x000A << FontEmbedding::Subset;
        QTest::newRow("no subsetting") << 0x0100 << FontEmbedding::WholeFontOnly;
        QTest::newRow("preview and print, no subsetting") << 0x0104 << FontEmbedding::WholeFontOnly;
        QTest::newRow("restricted, no subsetting") << 0x0102 << FontEmbedding::Forbidden;
        QTest::newRow("bitmap only") << 0x0200 << FontEmbedding::Forbidden;
        QTest::newRow("editable, bitmap only") << 0x0208 << FontEmbedding::Forbidden;
    }

    void embeddingFollowsTheLicenceBits()
    {
        QFETCH(int, fsType);
        QFETCH(FontEmbedding, embedding);
        Tables tables = tablesOf(loadFont(QStringLiteral("LiberationSans-Regular.ttf")));
        setU16(tables["OS/2"], 8, quint16(fsType));
        QCOMPARE(readFontFacts(readerOf(tables)).embedding, embedding);
        // A table too short to say is not taken as permission; no table at all is.
        tables["OS/2"].truncate(8);
        QCOMPARE(readFontFacts(readerOf(tables)).embedding, FontEmbedding::Forbidden);
        tables.remove("OS/2");
        QCOMPARE(readFontFacts(readerOf(tables)).embedding, FontEmbedding::Subset);
    }

    void postScriptNames_data()
    {
        QTest::addColumn<QList<NameRecord>>("records");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Windows name") << QList<NameRecord>{{1, 6, "MacName"}, {3, 6, "WinName"}}
                                      << QByteArray("WinName");
        QTest::newRow("Macintosh name only") << QList<NameRecord>{{1, 6, "Mac-Name"}} << QByteArray("Mac-Name");
        QTest::newRow("characters a name may not hold")
            << QList<NameRecord>{{3, 6, "My (Font)/x%[1]{2}<3>\x7f"}} << QByteArray("MyFontx123");
        QTest::newRow("family and style")
            << QList<NameRecord>{{3, 1, "Veltora Test"}, {3, 2, "Bold Italic"}} << QByteArray("VeltoraTest-BoldItalic");
        QTest::newRow("family alone") << QList<NameRecord>{{3, 1, "Veltora Test"}} << QByteArray("VeltoraTest");
        QTest::newRow("name of nothing printable falls back")
            << QList<NameRecord>{{3, 6, "\xe9\xe8 "}, {1, 1, "Family"}, {1, 2, "Style"}} << QByteArray("Family-Style");
        QTest::newRow("at most 63 characters")
            << QList<NameRecord>{{3, 6, QByteArray(100, 'n')}} << QByteArray(63, 'n');
        QTest::newRow("nothing named") << QList<NameRecord>{} << QByteArray();
    }

    void postScriptNames()
    {
        QFETCH(QList<NameRecord>, records);
        QFETCH(QByteArray, expected);
        Tables tables = tablesOf(loadFont(QStringLiteral("LiberationSans-Regular.ttf")));
        tables["name"] = nameTable(records);
        QCOMPARE(readFontFacts(readerOf(tables)).postScriptName, expected);
        // Records whose text lies past the table's end are passed over.
        tables["name"].truncate(6 + records.size() * 12);
        QCOMPARE(readFontFacts(readerOf(tables)).postScriptName, QByteArray());
    }

    // Random damage to real tables and random tables: no read out of bounds (the sanitizer build
    // and the fuzz target watch the reads), and a subset that is made is a font Qt loads.
    void randomDamageIsSurvived()
    {
        const Tables sound = tablesOf(loadFont(QStringLiteral("LiberationSans-Regular.ttf")));
        QRandomGenerator random(14);
        int subsets = 0;
        for (int round = 0; round < 400; ++round) {
            Tables tables = sound;
            for (const QByteArray &tag : TableTags) {
                QByteArray &table = tables[tag];
                switch (random.bounded(6)) {
                case 0:
                    table.truncate(random.bounded(table.size() + 1));
                    break;
                case 1:
                    for (int i = 0; i < 8 && !table.isEmpty(); ++i)
                        table[random.bounded(table.size())] = char(random.bounded(256));
                    break;
                case 2:
                    table.resize(random.bounded(64));
                    for (char &c : table)
                        c = char(random.bounded(256));
                    break;
                default:
                    break;
                }
            }
            QList<quint32> glyphs;
            for (int i = 0; i < 20; ++i)
                glyphs.append(random.bounded(800));
            readFontFacts(readerOf(tables));
            if (!subsetFont(readerOf(tables), glyphs).isEmpty())
                ++subsets;
        }
        QVERIFY(subsets > 0);
    }
};

QTEST_MAIN(TestFontProgram)
#include "test_fontprogram.moc"
