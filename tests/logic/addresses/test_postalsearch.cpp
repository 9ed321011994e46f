// The postal code search: the search key, the search in one region file, and lookups in the data
// that the program ships.

#include "logic/addresses/PostalSearch.h"
#include "logic/files/IoError.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <algorithm>

using namespace testing;

namespace {

// The row of a region file in the table.
int rowOf(const QString &file)
{
    return int(postal::regionFiles().indexOf(file));
}

// The postal codes (the first word) of the entries found.
QStringList codesOf(const QStringList &entries)
{
    QStringList codes;
    for (const QString &e : entries)
        codes.append(e.section(QLatin1Char(' '), 1, 1));
    return codes;
}

} // namespace

class TestPostalSearch : public QObject
{
    Q_OBJECT
private slots:
    void searchKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("small letters") << QStringLiteral("киев") << QStringLiteral("КИЕВ");
        QTest::newRow("ukrainian letters and space dropped")
            << QStringLiteral("Біла Церква") << QStringLiteral("БЛАЦЕРКВА");
        QTest::newRow("capital ukrainian letters")
            << QStringLiteral("ЇЖАК ҐАНОК ЄВА ІРПІНЬ") << QStringLiteral("ЖАКАНОКВАРПНЬ");
        QTest::newRow("apostrophe and hyphen")
            << QStringLiteral("Кам'янець-Подільський") << QStringLiteral("КАМЯНЕЦЬПОДЛЬСЬКИЙ");
        QTest::newRow("digits stay") << QStringLiteral("09103") << QStringLiteral("09103");
        QTest::newRow("digits among letters") << QStringLiteral("Київ 1") << QStringLiteral("КИВ1");
        QTest::newRow("latin letters dropped") << QStringLiteral("Kyiv Бiла") << QStringLiteral("БЛА");
        QTest::newRow("yo dropped") << QStringLiteral("Ёлкино ёж") << QStringLiteral("ЛКИНОЖ");
        QTest::newRow("ends of the alphabet") << QStringLiteral("аяАЯ") << QStringLiteral("АЯАЯ");
        QTest::newRow("punctuation only") << QStringLiteral(" -'.,№!") << QString();
        QTest::newRow("outside code page 1251") << QStringLiteral("Ж€ü中з") << QStringLiteral("ЖЗ");
    }
    void searchKey()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QCOMPARE(postal::searchKey(typed), key);
    }

    void searchFixture_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("entries");
        const QString sumy = QStringLiteral(" 40000 м. Суми, Сумський р-н");
        const QString sumyOffice = QStringLiteral(" 40001 м. Суми, Сумський р-н, відділення ВВ Суми 40001");
        const QString sumivka = QStringLiteral(" 41000 с. Сумівка, Сумський р-н");
        const QString doubled = QStringLiteral("  42200 с. Суми-Суми, Роменський р-н");
        const QString bila = QStringLiteral(" 42100 с. Біла Церква, Роменський р-н");
        // Lines that begin with a letter never show; a line without "<br>" shows empty; a line that
        // holds the key twice shows once; the order is the file's.
        QTest::newRow("name") << QStringLiteral("Суми") << QStringList{sumy, sumyOffice, sumivka, QString(), doubled};
        QTest::newRow("second form in the match part") << QStringLiteral("сумы") << QStringList{sumy, sumyOffice};
        QTest::newRow("code") << QStringLiteral("41000") << QStringList{sumivka};
        QTest::newRow("code of the office before br") << QStringLiteral("40001") << QStringList{sumyOffice};
        QTest::newRow("code on a line that begins with a letter") << QStringLiteral("40999") << QStringList{};
        QTest::newRow("ukrainian spelling") << QStringLiteral("Біла Церква") << QStringList{bila};
        QTest::newRow("russian keyboard spelling") << QStringLiteral("Била церква") << QStringList{bila};
        QTest::newRow("not there") << QStringLiteral("Полтава") << QStringList{};
        QTest::newRow("empty key finds nothing") << QStringLiteral("Sumy -") << QStringList{};
    }
    void searchFixture()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, entries);
        const QByteArray file = fixtureBytes(QStringLiteral("addresses/region.bsd"));
        QCOMPARE(postal::findEntries(file, postal::searchKey(typed)), entries);
        // Lone LF and lone CR line ends give the same entries.
        QByteArray lf = file;
        QCOMPARE(postal::findEntries(lf.replace("\r\n", "\n"), postal::searchKey(typed)), entries);
        QByteArray cr = file;
        QCOMPARE(postal::findEntries(cr.replace("\r\n", "\r"), postal::searchKey(typed)), entries);
    }

    void textEdges()
    {
        // The key at the very start and the very end of the text, with no final line break.
        QCOMPARE(postal::findEntries(cp1251(QStringLiteral("АБ<br>")), QStringLiteral("АБ")), QStringList{});
        QCOMPARE(postal::findEntries(cp1251(QStringLiteral(" x<br>ЯЯ")), QStringLiteral("ЯЯ")),
                 QStringList{QStringLiteral(" x")});
        QCOMPARE(postal::findEntries(QByteArray(), QStringLiteral("А")), QStringList{});
    }

    void regionFileReadWhole()
    {
        // Far more lines than the old buffer's 8,501: the last one is found too.
        TempWorkDir dir(false);
        QStringList lines;
        for (int i = 0; i < 20000; ++i)
            lines.append(QStringLiteral(" %1 с. Село%1<br>СЕЛО%1 %1").arg(i, 5, 10, QLatin1Char('0')));
        dir.write(QStringLiteral("sumska.bsd"), crlfLines(lines));
        QCOMPARE(postal::searchRegion(dir.workDir(), rowOf(QStringLiteral("Sumska.bsd")), QStringLiteral("село19999")),
                 QStringList{QStringLiteral(" 19999 с. Село19999")});
    }

    void missingRegionFile()
    {
        TempWorkDir dir(false);
        for (int row : {rowOf(QStringLiteral("Odeska.bsd")), int(postal::regionFiles().size()), -1}) {
            try {
                postal::searchRegion(dir.workDir(), row, QStringLiteral("Одеса"));
                QFAIL("no error for a missing region file");
            } catch (const IoError &e) {
                QCOMPARE(e.message(), QStringLiteral("File not found"));
            }
        }
    }

    void shippedRegionList()
    {
        TempWorkDir dir;
        const QStringList regions = dir.workDir().readLines(postal::regionListFile());
        QCOMPARE(regions.size(), postal::regionFiles().size());
        QCOMPARE(regions.size(), 25);
        QCOMPARE(regions.at(0), QStringLiteral("АР Крым"));
        QCOMPARE(regions.at(8), QStringLiteral("Киевская и г. Киев"));
        QCOMPARE(regions.at(24), QStringLiteral("Винницкая"));
        QCOMPARE(postal::regionFileName(24), QStringLiteral("Vinnizka.bsd"));
        // Every region file is seeded under the name that the table writes; Crimea's is empty.
        for (const QString &file : postal::regionFiles())
            QVERIFY2(QFileInfo::exists(QDir(dir.path()).filePath(file)), qPrintable(file));
        QCOMPARE(dir.read(QStringLiteral("krim.bsd")), QByteArray());
    }

    void shippedData_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("codes"); // all that are found, in this order
        const QStringList bilaTserkva = {QStringLiteral("09103"), QStringLiteral("09104"), QStringLiteral("09106"),
                                         QStringLiteral("09107"), QStringLiteral("09108"), QStringLiteral("09109"),
                                         QStringLiteral("09111"), QStringLiteral("09112"), QStringLiteral("09113"),
                                         QStringLiteral("09114"), QStringLiteral("09117"), QStringLiteral("09119")};
        const QString kyivRegion = QStringLiteral("Kievska.bsd");
        QTest::newRow("Біла Церква") << kyivRegion << QStringLiteral("Біла Церква") << bilaTserkva;
        QTest::newRow("Бiла Церква, latin i") << kyivRegion << QStringLiteral("Бiла Церква") << bilaTserkva;
        QTest::newRow("Била Церква") << kyivRegion << QStringLiteral("Била Церква") << bilaTserkva;
        QTest::newRow("Белая Церковь") << kyivRegion << QStringLiteral("Белая Церковь") << bilaTserkva;
        QTest::newRow("village Біла Церква") << QStringLiteral("Zakarpatska.bsd") << QStringLiteral("біла церква")
                                             << QStringList{QStringLiteral("90614")};
        QTest::newRow("by code") << QStringLiteral("Zakarpatska.bsd") << QStringLiteral("90614")
                                 << QStringList{QStringLiteral("90614")};
        QTest::newRow("Ужгород") << QStringLiteral("Zakarpatska.bsd") << QStringLiteral("Ужгород")
                                 << QStringList{
                                        QStringLiteral("88000"), QStringLiteral("88002"), QStringLiteral("88004"),
                                        QStringLiteral("88005"), QStringLiteral("88006"), QStringLiteral("88015"),
                                        QStringLiteral("88016"), QStringLiteral("88017"), QStringLiteral("88018"),
                                        QStringLiteral("88019"), QStringLiteral("88030"), QStringLiteral("88501")};
    }
    void shippedData()
    {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(QStringList, codes);
        const WorkDir shipped(installedDataDir()); // only read
        QCOMPARE(codesOf(postal::searchRegion(shipped, rowOf(file), typed)), codes);
    }

    void shippedCities_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entry"); // one of those found
        QTest::addColumn<int>("count");     // how many of those found are that locality
        QTest::newRow("Вінниця") << QStringLiteral("Vinnizka.bsd") << QStringLiteral("Вінниця")
                                 << QStringLiteral(" 21001 м. Вінниця, Вінницький р-н") << 35;
        QTest::newRow("Київ, the city in the region's file")
            << QStringLiteral("Kievska.bsd") << QStringLiteral("Київ") << QStringLiteral(" 01001 м. Київ") << 194;
        QTest::newRow("Киев") << QStringLiteral("Kievska.bsd") << QStringLiteral("Киев")
                              << QStringLiteral(" 04212 м. Київ") << 194;
        QTest::newRow("Львів") << QStringLiteral("lvivska.bsd") << QStringLiteral("Львів")
                               << QStringLiteral(" 79002 м. Львів, Львівський р-н") << 62;
        QTest::newRow("Харків") << QStringLiteral("Harkivska.bsd") << QStringLiteral("Харків")
                                << QStringLiteral(" 61001 м. Харків, Харківський р-н") << 107;
        QTest::newRow("Одесса") << QStringLiteral("Odeska.bsd") << QStringLiteral("Одесса")
                                << QStringLiteral(" 65001 м. Одеса, Одеський р-н") << 74;
        QTest::newRow("a village served from elsewhere")
            << QStringLiteral("Kievska.bsd") << QStringLiteral("Городещина")
            << QStringLiteral(" 07028 с. Городещина, Вишгородський р-н, відділення Красятичі (07053)") << 1;
    }
    void shippedCities()
    {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(QString, entry);
        QFETCH(int, count);
        const WorkDir shipped(installedDataDir()); // only read
        const QStringList found = postal::searchRegion(shipped, rowOf(file), typed);
        QVERIFY2(found.contains(entry), qPrintable(found.mid(0, 5).join(QLatin1Char('|'))));
        // " 01001 м. Київ" or " 21001 м. Вінниця, Вінницький р-н": the locality follows the code.
        const QString locality = entry.mid(7).section(QLatin1Char(','), 0, 0);
        const auto same = std::count_if(found.begin(), found.end(), [&](const QString &e) {
            return e.mid(7).section(QLatin1Char(','), 0, 0) == locality;
        });
        QCOMPARE(int(same), count);
    }
};

QTEST_GUILESS_MAIN(TestPostalSearch)
#include "test_postalsearch.moc"
