// The postal code check against the directory that the program ships, with real localities: right
// codes pass in Ukrainian and Russian spellings, wrong ones are caught with what is wrong.

#include "logic/addresses/BookRecord.h"
#include "logic/addresses/PostalCheck.h"
#include "logic/addresses/PostalSearch.h"
#include "logic/files/IoError.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace testing;
using postal::PostalProblem;

Q_DECLARE_METATYPE(postal::PostalProblem)

class TestPostalCheck : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> m_dir;
    std::shared_ptr<const postal::PostalDirectory> m_directory;

    postal::PostalVerdict check(const QString &locality, const QString &code, const QString &region = QString(),
                                const QString &country = QString())
    {
        return postal::checkAddress(*m_directory, {locality, region, country, code});
    }

private slots:
    void initTestCase()
    {
        m_dir = std::make_unique<TempWorkDir>();
        m_directory = postal::PostalDirectory::shared(m_dir->workDir());
    }

    void wholeDirectoryLoaded()
    {
        // Every entry line of the shipped files is one locality with one code.
        QVERIFY(m_directory->size() > 28000);
        QCOMPARE(m_directory->withCode(82100).size(), 1);
        QCOMPARE(m_directory->at(m_directory->withCode(82100).constFirst()).title(),
                 QStringLiteral("Дрогобич, Львівська обл."));
        QCOMPARE(m_directory->at(m_directory->withCode(1001).constFirst()).title(), QStringLiteral("Київ"));
    }

    void rightAddressesPass_data()
    {
        QTest::addColumn<QString>("locality");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("country");
        QTest::newRow("Ukrainian, with type") << "м. Дрогобич"
                                              << "82100"
                                              << ""
                                              << "";
        QTest::newRow("Russian spelling of a town") << "г. Трускавец"
                                                    << "82200"
                                                    << ""
                                                    << "Украина";
        QTest::newRow("Russian name of a city") << "Львов"
                                                << "79002"
                                                << "Львовская область"
                                                << "";
        QTest::newRow("Russian і for о") << "Харьков"
                                         << "61001"
                                         << "Харківська обл."
                                         << "Україна";
        QTest::newRow("Russian name unlike the Ukrainian one") << "Днепропетровск"
                                                               << "49000"
                                                               << ""
                                                               << "";
        QTest::newRow("apostrophe and hyphen dropped") << "Кам'янець-Подільський"
                                                       << "32301"
                                                       << "Хмельницька область"
                                                       << "";
        QTest::newRow("Russian name with apostrophe's place") << "Каменец-Подольский"
                                                              << "32301"
                                                              << ""
                                                              << "";
        QTest::newRow("village typed on a Russian keyboard") << "с. Долишний Лужок"
                                                             << "82121"
                                                             << "Львівська"
                                                             << "ukraine";
        QTest::newRow("Latin i among Cyrillic letters") << "Львiв"
                                                        << "79002"
                                                        << "Львiвська обл"
                                                        << "";
        QTest::newRow("case and type without dot") << "смт ВОРОХТА"
                                                   << "78595"
                                                   << ""
                                                   << "";
        QTest::newRow("Kyiv city with its region") << "м. Київ"
                                                   << "01001"
                                                   << "Київ"
                                                   << "";
        QTest::newRow("Kyiv in Russian") << "г. Киев"
                                         << " 01001 "
                                         << ""
                                         << "";
        QTest::newRow("second locality of a shared code") << "Турка"
                                                          << "82200"
                                                          << ""
                                                          << "";
    }
    void rightAddressesPass()
    {
        QFETCH(QString, locality);
        QFETCH(QString, code);
        QFETCH(QString, region);
        QFETCH(QString, country);
        const postal::PostalVerdict v = check(locality, code, region, country);
        QVERIFY2(v.problem == PostalProblem::None, qPrintable(v.message));
        QVERIFY(v.message.isEmpty());
    }

    void wrongAddressesCaught_data()
    {
        QTest::addColumn<QString>("locality");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("region");
        QTest::addColumn<PostalProblem>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("code of another town")
            << "Трускавець"
            << "82100"
            << "" << PostalProblem::WrongLocality
            << "82100 — Дрогобич, Львівська обл., а не Трускавець (Трускавець, Львівська обл.: 82200, 82208)";
        QTest::newRow("code of another town, Russian spelling kept as typed")
            << "г. Луцк"
            << "82100"
            << "Волынская обл." << PostalProblem::WrongLocality
            << "82100 — Дрогобич, Львівська обл., а не г. Луцк (Луцьк, Волинська обл.: 43002, 43003, 43004 и др.)";
        QTest::newRow("code that does not exist")
            << "Дрогобич"
            << "82199"
            << "" << PostalProblem::UnknownCode
            << "82199 — такого индекса нет в справочнике (Дрогобич, Львівська обл.: 82100, 82102, 82104 и др.)";
        QTest::newRow("town in another region") << "Трускавець"
                                                << "82200"
                                                << "Волинська обл." << PostalProblem::WrongRegion
                                                << "82200 — Трускавець, Львівська обл., а не Волинська обл.";
        QTest::newRow("region that is none")
            << "Трускавець"
            << "82200"
            << "Трускавецкая обл." << PostalProblem::UnknownRegion << "«Трускавецкая обл.» — такой области нет";
        QTest::newRow("no code") << "Трускавець"
                                 << ""
                                 << "" << PostalProblem::MissingCode
                                 << "нет почтового индекса (Трускавець, Львівська обл.: 82200, 82208)";
        QTest::newRow("four digits") << "Трускавець"
                                     << "8220"
                                     << "" << PostalProblem::MalformedCode
                                     << "«8220» — почтовый индекс должен состоять из пяти цифр (Трускавець, "
                                        "Львівська обл.: 82200, 82208)";
        QTest::newRow("no locality") << ""
                                     << "82100"
                                     << "" << PostalProblem::MissingLocality
                                     << "82100 — Дрогобич, Львівська обл., а населённый пункт не указан";
        QTest::newRow("code of three villages, all named")
            << "Дрогобич"
            << "81198"
            << "" << PostalProblem::WrongLocality
            << "81198 — Ков'ярі, Липники, Солонка, Львівська обл., а не Дрогобич (Дрогобич, Львівська обл.: 82100, "
               "82102, 82104 и др.)";
        // Where it is: a name found in two places is shown, in three it is not.
        QTest::newRow("a name in two regions")
            << "Пустинка"
            << "82100"
            << "" << PostalProblem::WrongLocality
            << "82100 — Дрогобич, Львівська обл., а не Пустинка (Пустинка, Волинська обл.: 44397; Пустинка, "
               "Донецька обл.: 85809)";
        QTest::newRow("a name in three regions")
            << "Глинянка"
            << "82100"
            << "" << PostalProblem::WrongLocality << "82100 — Дрогобич, Львівська обл., а не Глинянка";
        QTest::newRow("a name in many regions is not guessed")
            << "Іванівка"
            << "82100"
            << "" << PostalProblem::WrongLocality << "82100 — Дрогобич, Львівська обл., а не Іванівка";
    }
    void wrongAddressesCaught()
    {
        QFETCH(QString, locality);
        QFETCH(QString, code);
        QFETCH(QString, region);
        QFETCH(PostalProblem, problem);
        QFETCH(QString, message);
        const postal::PostalVerdict v = check(locality, code, region);
        QCOMPARE(v.message, message);
        QCOMPARE(v.problem, problem);
        QVERIFY(v.isProblem());
    }

    void notJudged()
    {
        // Abroad, whatever the code; a code of the Crimea, which the directory does not hold.
        QCOMPARE(check(QStringLiteral("Warszawa"), QStringLiteral("00-001"), {}, QStringLiteral("Польша")).problem,
                 PostalProblem::NotChecked);
        QCOMPARE(check(QStringLiteral("Дрогобич"), QStringLiteral("82199"), {}, QStringLiteral("Польща")).problem,
                 PostalProblem::NotChecked);
        QVERIFY(!check(QStringLiteral("Сімферополь"), QStringLiteral("95000")).isProblem());
        // Україна in any of its spellings is at home.
        for (const char *home : {"Україна", "УКРАИНА", "Ukraine", "Украина.", ""})
            QVERIFY2(postal::isDomesticCountry(QString::fromUtf8(home)), home);
        QVERIFY(!postal::isDomesticCountry(QStringLiteral("Молдова")));
    }

    void spellingsOfOneName()
    {
        const auto same = [](const char *typed, const char *directory) {
            return postal::sameLocalityName(postal::comparableName(QString::fromUtf8(typed)),
                                            postal::comparableName(QString::fromUtf8(directory)));
        };
        QVERIFY(same("Дрогобыч", "Дрогобич"));
        QVERIFY(same("Ивановка", "Іванівка"));
        QVERIFY(same("ТЕРНОПОЛЬ", "Тернопіль"));
        QVERIFY(same("Знаменка", "Знам'янка") == false); // a letter more is another name
        QVERIFY(!same("Берислав", "Борислав"));
        QVERIFY(!same("Суми", "Сумівка"));
        QVERIFY(!same("", ""));
        QCOMPARE(postal::withoutLocalityType(QStringLiteral("  с-ще  Ворохта")), QStringLiteral("Ворохта"));
        QCOMPARE(postal::withoutLocalityType(QStringLiteral("г.Киев")), QStringLiteral("Киев"));
        QCOMPARE(postal::withoutLocalityType(QStringLiteral("Сміла")), QStringLiteral("Сміла"));
        QCOMPARE(postal::withoutLocalityType(QStringLiteral("с")), QStringLiteral("с"));
    }

    void regionsByAnyName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("Ukrainian, short") << "Львівська обл."
                                          << "lvivska.bsd";
        QTest::newRow("Russian, long") << "Днепропетровская область"
                                       << "Dnipropetrovska.bsd";
        QTest::newRow("the word first") << "область Вінницька"
                                        << "Vinnizka.bsd";
        QTest::newRow("Kyiv city") << "м. Київ"
                                   << "Kievska.bsd";
        QTest::newRow("Crimea") << "АР Крым"
                                << "krim.bsd";
        QTest::newRow("none") << "Подольская губерния"
                              << "";
    }
    void regionsByAnyName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QCOMPARE(postal::regionRowOf(typed), file.isEmpty() ? -1 : int(postal::regionFiles().indexOf(file)));
    }

    void missingRegionFileNamed()
    {
        TempWorkDir dir;
        dir.remove(QStringLiteral("Sumska.bsd"));
        try {
            postal::PostalDirectory::load(dir.workDir());
            QFAIL("a directory without a region file loaded");
        } catch (const IoError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("Sumska.bsd")), qPrintable(e.message()));
        }
    }

    void sharedDirectoryFollowsItsFiles()
    {
        TempWorkDir dir;
        const auto first = postal::PostalDirectory::shared(dir.workDir());
        QVERIFY(first == postal::PostalDirectory::shared(dir.workDir()));
        QVERIFY(!first->withCode(40000).isEmpty());
        // A region file written anew is read anew.
        dir.write(QStringLiteral("Sumska.bsd"), cp1251(QStringLiteral(" 41000 с. Сумівка, Сумський р-н<br>СУМВКА "
                                                                      "СУМИВКА 41000\r\n")));
        const auto second = postal::PostalDirectory::shared(dir.workDir());
        QVERIFY(second->withCode(40000).isEmpty());
        QCOMPARE(second->at(second->withCode(41000).constFirst()).name, QStringLiteral("Сумівка"));
    }

    void allRegionsSearch()
    {
        // Every region's file is searched, in table order, each entry with its file's row.
        const QList<postal::FoundEntry> found = postal::searchAllRegions(m_dir->workDir(), QStringLiteral("Іванівка"));
        QSet<int> rows;
        for (const postal::FoundEntry &f : found) {
            rows.insert(f.row);
            QVERIFY2(f.entry.contains(QStringLiteral("ванівка")), qPrintable(f.entry));
        }
        QVERIFY(rows.size() > 10);
        QVERIFY(std::is_sorted(found.cbegin(), found.cend(),
                               [](const postal::FoundEntry &a, const postal::FoundEntry &b) { return a.row < b.row; }));
        QVERIFY(postal::searchAllRegions(m_dir->workDir(), QStringLiteral("' -")).isEmpty());
        const QList<postal::FoundEntry> city = postal::searchAllRegions(m_dir->workDir(), QStringLiteral("Трускавец"));
        QVERIFY(!city.isEmpty());
        QCOMPARE(city.constFirst().row, int(postal::regionFiles().indexOf(QStringLiteral("lvivska.bsd"))));
        QCOMPARE(postal::entryParts(city.constFirst().entry).code, QStringLiteral("82200"));
        QCOMPARE(postal::entryParts(city.constFirst().entry).locality, QStringLiteral("м. Трускавець"));
    }

    void suffixWrittenOnce_data()
    {
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("districtLine");
        QTest::addColumn<QString>("regionLine");
        QTest::newRow("bare names get the words") << "Бучанський"
                                                  << "Київська"
                                                  << "#Бучанський район"
                                                  << "#Київська область";
        QTest::newRow("short words kept") << "Бучанський р-н"
                                          << "Київська обл."
                                          << "#Бучанський р-н"
                                          << "#Київська обл.";
        QTest::newRow("full words kept") << "Бучанський район"
                                         << "КИЇВСЬКА ОБЛАСТЬ"
                                         << "#Бучанський район"
                                         << "#КИЇВСЬКА ОБЛАСТЬ";
        QTest::newRow("word first") << "район Печерський"
                                    << "обл Київська"
                                    << "#район Печерський"
                                    << "#обл Київська";
        QTest::newRow("a word within a name is no suffix") << "Районний"
                                                           << "Областна"
                                                           << "#Районний район"
                                                           << "#Областна область";
    }
    void suffixWrittenOnce()
    {
        QFETCH(QString, district);
        QFETCH(QString, region);
        QFETCH(QString, districtLine);
        QFETCH(QString, regionLine);
        const QStringList record =
            addressbook::recordFromBoxes({QStringLiteral("Коваль"), QString(), QStringLiteral("Буча"), district, region,
                                          QString(), QStringLiteral("08292")});
        QCOMPARE(record.at(addressbook::District), districtLine);
        QCOMPARE(record.at(addressbook::Region), regionLine);
        // Read back into the boxes and written again, the record stays as it is.
        QCOMPARE(addressbook::recordFromBoxes(addressbook::boxesFromRecord(record, 0)), record);
    }
};

QTEST_GUILESS_MAIN(TestPostalCheck)
#include "test_postalcheck.moc"
