// The TrueType fonts our PDF pages embed: the facts a font descriptor needs, read from the system's
// fonts and held against what Qt (FreeType) reads from the same files, and the subset font
// program, loaded back by Qt and compared glyph by glyph with the original. Broken fonts (tables
// missing, cut short, pointing outside themselves, composites built of themselves) give no
// outlines and no subset; random damage never reads out of bounds.

#include "platform/TrueTypeFont.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QRawFont>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <functional>

namespace {

using Tables = QHash<QByteArray, QByteArray>;
using Damage = std::function<void(Tables &)>;

const QByteArrayList TableTags = {"head", "hhea", "maxp", "hmtx", "loca", "glyf", "OS/2",
                                  "post", "name", "cvt ", "fpgm", "prep", "cmap"};

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
        qWarning("%s is missing (scripts/install-deps installs fonts-liberation and fonts-dejavu-core)",
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

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

void setU16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
}

// Where glyph `glyph` lies in glyf, read from loca: [start, end).
QPair<quint32, quint32> glyphPlace(const Tables &tables, quint32 glyph)
{
    const QByteArray &loca = tables.value("loca");
    if (u16(tables.value("head"), 50) == 1)
        return {u32(loca, glyph * 4), u32(loca, glyph * 4 + 4)};
    return {u16(loca, glyph * 2) * 2u, u16(loca, glyph * 2 + 2) * 2u};
}

int glyphCountOf(const Tables &tables)
{
    return u16(tables.value("maxp"), 4);
}

bool isComposite(const Tables &tables, quint32 glyph)
{
    const auto [start, end] = glyphPlace(tables, glyph);
    return end > start && qint16(u16(tables.value("glyf"), start)) < 0;
}

// The positions in glyf of a composite glyph's component records (the flags word of each).
QList<qsizetype> componentRecords(const Tables &tables, quint32 glyph)
{
    const QByteArray &glyf = tables.value("glyf");
    QList<qsizetype> records;
    qsizetype at = glyphPlace(tables, glyph).first + 10;
    quint16 flags = 0;
    do {
        records.append(at);
        flags = u16(glyf, at);
        at += 4 + ((flags & 0x0001) ? 4 : 2) + ((flags & 0x0008) ? 2 : (flags & 0x0040) ? 4 : (flags & 0x0080) ? 8 : 0);
    } while (flags & 0x0020);
    return records;
}

QList<quint32> componentsOf(const Tables &tables, quint32 glyph)
{
    QList<quint32> components;
    for (const qsizetype record : componentRecords(tables, glyph))
        components.append(u16(tables.value("glyf"), record + 2));
    return components;
}

QList<quint32> glyphsOf(const QRawFont &font, const QString &text)
{
    return font.glyphIndexesForString(text);
}

// The glyphs of accented letters that the font builds of others.
QList<quint32> accentedComposites(const QRawFont &font, const Tables &tables)
{
    QList<quint32> composites;
    for (const quint32 glyph : glyphsOf(font, QStringLiteral("ЙёÅéüñçÖ"))) {
        if (isComposite(tables, glyph))
            composites.append(glyph);
    }
    return composites;
}

// The file's structure as a font reader expects it: the offset table's search fields, a directory
// sorted by tag, every table on a 4-byte boundary inside the file with its checksum, and the
// whole file summing to 0xB1B0AFBA. Empty when all is well, else what is wrong.
QString structureFault(const QByteArray &font)
{
    if (font.size() < 12 || font.size() % 4 != 0)
        return QStringLiteral("size %1").arg(font.size());
    const int count = u16(font, 4);
    int power = 1, log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    if (u16(font, 6) != power * 16 || u16(font, 8) != log || u16(font, 10) != count * 16 - power * 16)
        return QStringLiteral("search fields");
    QByteArray previousTag;
    quint32 wholeSum = 0;
    for (qsizetype i = 0; i < font.size(); i += 4)
        wholeSum += u32(font, i);
    if (wholeSum != 0xB1B0AFBA)
        return QStringLiteral("whole-font checksum %1").arg(wholeSum, 0, 16);
    for (int t = 0; t < count; ++t) {
        const qsizetype record = 12 + t * 16;
        const QByteArray tag = font.mid(record, 4);
        const quint32 offset = u32(font, record + 8), length = u32(font, record + 12);
        if (tag <= previousTag)
            return QStringLiteral("directory order at %1").arg(QString::fromLatin1(tag));
        previousTag = tag;
        if (offset % 4 != 0 || offset + ((length + 3) & ~3u) > quint32(font.size()))
            return QStringLiteral("place of %1").arg(QString::fromLatin1(tag));
        QByteArray table = font.mid(offset, (length + 3) & ~3u);
        if (tag == "head")
            table.replace(8, 4, QByteArray(4, '\0'));
        quint32 sum = 0;
        for (qsizetype i = 0; i < table.size(); i += 4)
            sum += u32(table, i);
        if (sum != u32(font, record + 4))
            return QStringLiteral("checksum of %1").arg(QString::fromLatin1(tag));
    }
    return {};
}

void compareFacts(const TrueTypeFacts &actual, const TrueTypeFacts &expected)
{
    QCOMPARE(actual.outlines, expected.outlines);
    QCOMPARE(actual.embeddable, expected.embeddable);
    QCOMPARE(actual.postScriptName, expected.postScriptName);
    QCOMPARE(actual.unitsPerEm, expected.unitsPerEm);
    QCOMPARE(QList<int>({actual.xMin, actual.yMin, actual.xMax, actual.yMax}),
             QList<int>({expected.xMin, expected.yMin, expected.xMax, expected.yMax}));
    QCOMPARE(QList<int>({actual.ascent, actual.descent, actual.capHeight}),
             QList<int>({expected.ascent, expected.descent, expected.capHeight}));
    QCOMPARE(actual.italicAngle, expected.italicAngle);
    QCOMPARE(actual.fixedPitch, expected.fixedPitch);
    QCOMPARE(actual.glyphCount, expected.glyphCount);
    QCOMPARE(actual.advances, expected.advances);
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

class TestTrueTypeFont : public QObject
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
        const TrueTypeFacts facts = readTrueTypeFacts(readerOf(probe));
        QVERIFY(facts.outlines);
        QVERIFY(facts.embeddable);
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
        QTest::newRow("Liberation Serif Bold") << "LiberationSerif-Bold.ttf" << text;
        QTest::newRow("Liberation Mono") << "LiberationMono-Regular.ttf" << text;
        QTest::newRow("DejaVu Sans (long loca)") << "DejaVuSans.ttf" << text;
        QTest::newRow("one letter") << "LiberationSans-Regular.ttf" << QStringLiteral("x");
        QTest::newRow("nothing but .notdef") << "DejaVuSans.ttf" << QString();
    }

    void subsetHoldsTheRequestedOutlines()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        const QRawFont original = loadFont(file);
        QVERIFY(original.isValid());
        const QList<quint32> requested = glyphsOf(original, text);
        const QByteArray subset = subsetTrueType(readerOf(original), requested);
        QVERIFY(!subset.isEmpty());
        QCOMPARE(structureFault(subset), QString());

        const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
        QVERIFY(loaded.isValid());
        for (const quint32 glyph : requested + QList<quint32>{0}) {
            QCOMPARE(loaded.pathForGlyph(glyph), original.pathForGlyph(glyph));
            QCOMPARE(loaded.advancesForGlyphIndexes({glyph}), original.advancesForGlyphIndexes({glyph}));
        }
        QVERIFY(!original.pathForGlyph(0).isEmpty());
        for (const quint32 glyph : glyphsOf(original, QStringLiteral("ZЖ"))) {
            QVERIFY(!original.pathForGlyph(glyph).isEmpty());
            QVERIFY(loaded.pathForGlyph(glyph).isEmpty());
        }

        // The subset says of itself all that the original says.
        compareFacts(readTrueTypeFacts(readerOf(loaded)), readTrueTypeFacts(readerOf(original)));

        // A handful of glyphs out of hundreds: a fraction of the file.
        const qint64 fileSize = QFileInfo(systemFontFile(file)).size();
        QVERIFY2(subset.size() * 4 < fileSize,
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(subset.size()).arg(fileSize)));

        // Ids the font does not have, and repeats, change nothing.
        const int glyphCount = readTrueTypeFacts(readerOf(original)).glyphCount;
        QCOMPARE(subsetTrueType(readerOf(original),
                                requested + requested + QList<quint32>{quint32(glyphCount), 0xFFFFFFFFu}),
                 subset);
    }

    void subsetOfEveryGlyphIsTheWholeFont()
    {
        const QRawFont original = loadFont(QStringLiteral("LiberationSans-Regular.ttf"));
        const int glyphCount = readTrueTypeFacts(readerOf(original)).glyphCount;
        QList<quint32> every;
        for (int g = 0; g < glyphCount; ++g)
            every.append(quint32(g));
        const QByteArray subset = subsetTrueType(readerOf(original), every);
        const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
        QVERIFY(loaded.isValid());
        for (const quint32 glyph : every)
            QVERIFY2(loaded.pathForGlyph(glyph) == original.pathForGlyph(glyph), qPrintable(QString::number(glyph)));
    }

    // Spaces in a font whose .notdef is blank: no glyph has an outline, and the subset is still a
    // font with outlines.
    void subsetOfBlankGlyphsIsAFont()
    {
        const QRawFont original = loadFont(QStringLiteral("LiberationSans-Regular.ttf"));
        Tables tables = tablesOf(original);
        setU16(tables["loca"], 0, u16(tables["loca"], 2));
        const QList<quint32> spaces = glyphsOf(original, QStringLiteral(" "));
        const QByteArray subset = subsetTrueType(readerOf(tables), spaces);
        QCOMPARE(structureFault(subset), QString());
        const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
        QVERIFY(loaded.isValid());
        QVERIFY(readTrueTypeFacts(readerOf(loaded)).outlines);
        QVERIFY(loaded.pathForGlyph(0).isEmpty());
        QCOMPARE(loaded.advancesForGlyphIndexes(spaces), original.advancesForGlyphIndexes(spaces));
    }

    // Accented letters are composites: the subset holds the glyphs they are built of, to any
    // depth, though only the letter was asked for.
    void compositesKeepTheirComponents_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("letters");
        QTest::newRow("Liberation Sans") << "LiberationSans-Regular.ttf" << QStringLiteral("ЙёÅ");
        QTest::newRow("DejaVu Sans") << "DejaVuSans.ttf" << QStringLiteral("ЙёÅ");
    }

    void compositesKeepTheirComponents()
    {
        QFETCH(QString, file);
        QFETCH(QString, letters);
        const QRawFont original = loadFont(file);
        const Tables tables = tablesOf(original);
        QList<quint32> composites;
        for (const quint32 glyph : glyphsOf(original, letters)) {
            if (isComposite(tables, glyph))
                composites.append(glyph);
        }
        QVERIFY(!composites.isEmpty());
        // And a composite built of composites, when the font has one.
        for (int g = 0; g < glyphCountOf(tables); ++g) {
            const QList<quint32> components = isComposite(tables, g) ? componentsOf(tables, g) : QList<quint32>();
            if (std::any_of(components.begin(), components.end(), [&](quint32 c) { return isComposite(tables, c); })) {
                composites.append(quint32(g));
                break;
            }
        }

        for (const quint32 composite : composites) {
            const QByteArray subset = subsetTrueType(readerOf(tables), {composite});
            const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
            QVERIFY(loaded.isValid());
            QVERIFY(!original.pathForGlyph(composite).isEmpty());
            QCOMPARE(loaded.pathForGlyph(composite), original.pathForGlyph(composite));
            QList<quint32> pending = componentsOf(tables, composite);
            while (!pending.isEmpty()) {
                const quint32 component = pending.takeLast();
                QCOMPARE(loaded.pathForGlyph(component), original.pathForGlyph(component));
                QVERIFY(!loaded.pathForGlyph(component).isEmpty());
                if (isComposite(tables, component))
                    pending += componentsOf(tables, component);
            }
        }
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
        QTest::newRow("no OS/2, post, name, cmap") << Damage([](Tables &t) {
            for (const char *tag : {"OS/2", "post", "name", "cmap"})
                t.remove(tag);
        }) << true;
        QTest::newRow("no hinting programs") << Damage([](Tables &t) {
            for (const char *tag : {"cvt ", "fpgm", "prep"})
                t.remove(tag);
        }) << true;
        QTest::newRow("post cut short") << Damage([](Tables &t) { t["post"].truncate(20); }) << true;
        QTest::newRow("name pointing past itself") << Damage([](Tables &t) { setU16(t["name"], 4, 0xFFF0); }) << true;
    }

    void brokenFontsGiveNoOutlines()
    {
        QFETCH(Damage, damage);
        QFETCH(bool, usable);
        const QRawFont original = loadFont(QStringLiteral("LiberationSans-Regular.ttf"));
        Tables tables = tablesOf(original);
        damage(tables);
        const TrueTypeFacts facts = readTrueTypeFacts(readerOf(tables));
        QCOMPARE(facts.outlines, usable);
        const QList<quint32> glyphs = glyphsOf(original, QStringLiteral("Конверт"));
        const QByteArray subset = subsetTrueType(readerOf(tables), glyphs);
        QCOMPARE(subset.isEmpty(), !usable);
        if (usable) {
            QCOMPARE(structureFault(subset), QString());
            const QRawFont loaded(subset, original.pixelSize(), QFont::PreferNoHinting);
            QVERIFY(loaded.isValid());
            QCOMPARE(loaded.pathForGlyph(glyphs[0]), original.pathForGlyph(glyphs[0]));
        }
    }

    // A composite that cannot be followed: the font still has outlines, but a subset that would
    // hold that glyph is refused; one without it is made.
    void brokenCompositesGiveNoSubset_data()
    {
        using Patch = std::function<void(Tables &, quint32 composite, quint32 other)>;
        QTest::addColumn<Damage>("damage");
        const auto row = [](const char *name, Patch patch) {
            QTest::newRow(name) << Damage([patch](Tables &t) {
                const QList<quint32> composites = accentedComposites(loadFont(QStringLiteral("DejaVuSans.ttf")), t);
                patch(t, composites[0], composites[1]);
            });
        };
        row("built of itself",
            [](Tables &t, quint32 c, quint32) { setU16(t["glyf"], componentRecords(t, c)[0] + 2, quint16(c)); });
        row("two built of each other", [](Tables &t, quint32 c, quint32 other) {
            setU16(t["glyf"], componentRecords(t, c).last() + 2, quint16(other));
            setU16(t["glyf"], componentRecords(t, other)[0] + 2, quint16(c));
        });
        row("component the font does not have", [](Tables &t, quint32 c, quint32) {
            setU16(t["glyf"], componentRecords(t, c)[0] + 2, quint16(glyphCountOf(t)));
        });
        row("components running past the glyph", [](Tables &t, quint32 c, quint32) {
            // The glyph ends inside its last component record, before the record's offsets.
            qToBigEndian<quint32>(quint32(componentRecords(t, c).last() + 4), t["loca"].data() + (c + 1) * 4);
        });
        row("glyph shorter than its header", [](Tables &t, quint32 c, quint32) {
            const quint32 start = glyphPlace(t, c).first;
            qToBigEndian<quint32>(start + 4, t["loca"].data() + (c + 1) * 4);
        });
    }

    void brokenCompositesGiveNoSubset()
    {
        QFETCH(Damage, damage);
        const QRawFont original = loadFont(QStringLiteral("DejaVuSans.ttf"));
        Tables tables = tablesOf(original);
        const QList<quint32> composites = accentedComposites(original, tables);
        QVERIFY(composites.size() >= 2);
        damage(tables);
        QVERIFY(readTrueTypeFacts(readerOf(tables)).outlines);
        QVERIFY(subsetTrueType(readerOf(tables), {composites[0]}).isEmpty());
        const QList<quint32> sound = glyphsOf(original, QStringLiteral("Envelope"));
        const QRawFont loaded(subsetTrueType(readerOf(tables), sound), original.pixelSize(), QFont::PreferNoHinting);
        QVERIFY(loaded.isValid());
        QCOMPARE(loaded.pathForGlyph(sound[0]), original.pathForGlyph(sound[0]));
    }

    void embeddingFollowsTheLicenceBits_data()
    {
        QTest::addColumn<int>("fsType");
        QTest::addColumn<bool>("embeddable");
        QTest::newRow("installable") << 0x0000 << true;
        QTest::newRow("restricted") << 0x0002 << false;
        QTest::newRow("preview and print") << 0x0004 << true;
        QTest::newRow("editable") << 0x0008 << true;
        QTest::newRow("restricted and editable: the lesser restriction") << 0x000A << true;
        QTest::newRow("no subsetting") << 0x0100 << true;
        QTest::newRow("bitmap only") << 0x0200 << false;
        QTest::newRow("editable, bitmap only") << 0x0208 << false;
    }

    void embeddingFollowsTheLicenceBits()
    {
        QFETCH(int, fsType);
        QFETCH(bool, embeddable);
        Tables tables = tablesOf(loadFont(QStringLiteral("LiberationSans-Regular.ttf")));
        setU16(tables["OS/2"], 8, quint16(fsType));
        QCOMPARE(readTrueTypeFacts(readerOf(tables)).embeddable, embeddable);
        // A table too short to say is not taken as permission; no table at all is.
        tables["OS/2"].truncate(8);
        QVERIFY(!readTrueTypeFacts(readerOf(tables)).embeddable);
        tables.remove("OS/2");
        QVERIFY(readTrueTypeFacts(readerOf(tables)).embeddable);
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
        QCOMPARE(readTrueTypeFacts(readerOf(tables)).postScriptName, expected);
        // Records whose text lies past the table's end are passed over.
        tables["name"].truncate(6 + records.size() * 12);
        QCOMPARE(readTrueTypeFacts(readerOf(tables)).postScriptName, QByteArray());
    }

    // Random damage to real tables and random tables: no read out of bounds (the sanitizer build
    // and the fuzz target watch the reads), and a subset that is made is a well-formed file.
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
            readTrueTypeFacts(readerOf(tables));
            const QByteArray subset = subsetTrueType(readerOf(tables), glyphs);
            if (!subset.isEmpty()) {
                ++subsets;
                QCOMPARE(structureFault(subset), QString());
            }
        }
        QVERIFY(subsets > 0);
    }
};

QTEST_MAIN(TestTrueTypeFont)
#include "test_truetypefont.moc"
