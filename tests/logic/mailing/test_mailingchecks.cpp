// The checks of a mailing before it prints: each entry's address as the print finds it, judged
// against the shipped postal directory, and the table rows that share a key.

#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/MailingRecordFile.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace testing;

namespace {

// The first record of a name is no longer what prints: the later one of the same name is.
const QStringList Book =
    bookRecord({"Коваль", "вул. Шевченка, 1", "м. Трускавець", "", "Львівська область", "", "82100"}) +
    bookRecord({"Бойко", "пр. Миру, 5", "Дрогобич", "", "", "", "82100"}) +
    bookRecord({"Коваль", "вул. Франка, 2", "Трускавец", "", "", "", "82200"}) +
    bookRecord({"Мельник", "ul. Mickiewicza", "Kraków", "", "", "Польща", "30-001"}) +
    bookRecord({"Шевчук", "вул. Лесі, 3", "Луцьк", "Луцький район", "Львівська область", "", "43002"}) +
    bookRecord({"Ткач", "вул. Коротка"}); // cut short: no code line at all

// Pasted rows (key, town, region, code) as the line-order dialog turns them into records.
QStringList tableRecords(const QStringList &rows)
{
    ColumnMap columns = emptyColumnMap();
    columns[FieldSurname] = 0;
    columns[FieldTown] = 1;
    columns[FieldRegion] = 2;
    columns[FieldZipCode] = 3;
    return buildMailingRecords(rows, columns);
}

} // namespace

class TestMailingChecks : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> m_dir;
    std::shared_ptr<const postal::PostalDirectory> m_directory;

private slots:
    void initTestCase()
    {
        m_dir = std::make_unique<TempWorkDir>();
        m_directory = postal::PostalDirectory::shared(m_dir->workDir());
    }

    void addressBookEntriesJudgedByTheRecordThatPrints()
    {
        MailingData data;
        data.setBookLines(Book);
        data.source = SourceMode::AddressBook;
        const QStringList list = lines({"Коваль", "Бойко", "Мельник", "Шевчук", "Ткач", "Нет такого"});
        const MailingCheck check = checkMailing(*m_directory, data, list);
        // Коваль prints the later record (Трускавец, 82200: right); Мельник is abroad; Ткач has no code.
        QCOMPARE(check.checked, 4);
        QCOMPARE(check.problems.size(), 2);
        QCOMPARE(check.problems.at(0).index, 3);
        QCOMPARE(check.problems.at(0).entry, t("Шевчук"));
        QCOMPARE(check.problems.at(0).message, t("43002 — Луцьк, Волинська обл., а не Львівська область"));
        QCOMPARE(check.problems.at(1).index, 4);
        QVERIFY(check.problems.at(1).message.startsWith(t("нет почтового индекса")));

        // Only the chosen entries when a selection is given.
        const QList<int> chosen{0, 1};
        QVERIFY(checkMailing(*m_directory, data, list, &chosen).problems.isEmpty());
    }

    void tableEntriesJudgedFromTheirColumns()
    {
        MailingData data;
        data.setMailingRecords(tableRecords(lines({
            "Коваль\tТрускавець\tЛьвівська обл.\t82100",
            "Бойко\tг. Дрогобыч\tЛьвовская область\t82100",
            "Ткач\tДрогобич\t\t8210",
        })));
        data.source = SourceMode::OtherSource;
        const MailingCheck check = checkMailing(*m_directory, data, data.recordKeys());
        QCOMPARE(check.checked, 3);
        QCOMPARE(check.problems.size(), 2);
        QCOMPARE(check.problems.at(0).index, 0);
        QCOMPARE(check.problems.at(0).postalCode, t("82100"));
        QVERIFY(check.problems.at(0).message.startsWith(t("82100 — Дрогобич, Львівська обл., а не Трускавець")));
        QCOMPARE(check.problems.at(1).index, 2);
        QVERIFY(check.problems.at(1).message.startsWith(t("«8210»")));
    }

    void sharedKeysNamed()
    {
        const QStringList records = tableRecords(lines({
            "Иванов\tКиїв\t\t01001",
            "Петров\tЛьвів\t\t79002",
            "Иванов\tОдеса\t\t65000",
            "Сидоров\tСуми\t\t40000",
            "Петров\tХарків\t\t61001",
            "Иванов\tДніпро\t\t49000",
        }));
        const QList<SharedKey> shared = sharedKeys(records);
        QCOMPARE(shared.size(), 2);
        QCOMPARE(shared.at(0).key, t("Иванов"));
        QCOMPARE(shared.at(0).rows, (QList<int>{1, 3, 6}));
        QCOMPARE(shared.at(1).key, t("Петров"));
        QCOMPARE(shared.at(1).rows, (QList<int>{2, 5}));
        QCOMPARE(sharedKeyRows(shared.at(0)), t("строки 1, 3 и 6: «Иванов»"));
        QCOMPARE(sharedKeyRows(shared.at(1)), t("строки 2 и 5: «Петров»"));
        const QString warning = sharedKeysWarning(shared);
        QVERIFY(warning.contains(t("строки 2 и 5: «Петров»")));
        QVERIFY(warning.contains(t("один адрес")));

        // A key in the last column has no tab and is still the same key; rows without a key share none.
        ColumnMap lastColumnKey = emptyColumnMap();
        lastColumnKey[FieldTown] = 0;
        lastColumnKey[FieldSurname] = 1;
        const QStringList tail = buildMailingRecords(lines({"Київ\tИванов", "Львів\tИванов", "Суми\t"}), lastColumnKey);
        QCOMPARE(sharedKeys(tail).size(), 1);
        QCOMPARE(sharedKeys(tail).constFirst().rows, (QList<int>{1, 2}));
        QVERIFY(sharedKeys(tableRecords(lines({"Иванов\tКиїв", "Петров\tЛьвів"}))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMailingChecks)
#include "test_mailingchecks.moc"
