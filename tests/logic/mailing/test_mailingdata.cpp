// The recipient lookup in the book line array and in the mailing record array.

#include "logic/addresses/AddressBook.h"
#include "logic/files/IoError.h"
#include "logic/mailing/MailingData.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

using namespace testing;

namespace {

const QStringList Book = sampleBook();

// Records as the line-order dialog writes them: key lines with a trailing tab, except a key taken
// from the last column.
const QStringList Records = lines({
    "%Коваль\t",
    "#Олег\t",
    "",
    "",
    "#Львов",
    "",
    "",
    "",
    "",
    "%Бойко\t",
    "",
    "",
    "#ул. Зеленая, 3\t",
    "#Днепр\t",
    "",
    "",
    "",
    "#49000",
    "%Коваль\t",
    "#Анна\t",
    "",
    "",
    "#Полтава",
    "",
    "",
    "",
    "",
    "%Мельник",
    "",
    "",
    "",
    "#Сумы\t",
    "",
    "",
    "",
    "",
    "",
    "#без фамилии\t",
    "",
    "",
    "#Ровно",
    "",
    "",
    "",
    "",
});

} // namespace

class TestMailingData : public QObject
{
    Q_OBJECT
private slots:
    void bookLookup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("later duplicate wins")
            << QStringLiteral("Иванов Иван") << lines({"Иванов Иван", "ул. Садовая, 7", "Одесса", "65000"});
        QTest::newRow("all seven lines") << QStringLiteral("Петров")
                                         << lines({"Петров", "пр. Мира, 5", "Харьков", "Змиевской район",
                                                   "Харьковская область", "61000"});
        QTest::newRow("cut short by the end") << QStringLiteral("Сидоров") << lines({"Сидоров", "ул. Короткая"});
    }
    void bookLookup()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        MailingData data;
        data.setBookLines(Book);
        QCOMPARE(data.lookupBook(name), std::optional<QStringList>(expected));
        data.source = SourceMode::AddressBook;
        QCOMPARE(data.lookupEntry(name, true), std::optional<QStringList>(expected));
    }

    void recordCutShortInTheMiddle()
    {
        // Written by another program: a record of two lines, then the next record, whose seven lines
        // are followed by one line more.
        MailingData data;
        data.setBookLines(
            lines({"%Короткий", "#ул. Первая, 1", "%Следующий", "#Киев", "#", "#", "#", "#", "#02000", "#лишняя"}));
        QCOMPARE(data.lookupBook(QStringLiteral("Короткий")),
                 std::optional<QStringList>(lines({"Короткий", "ул. Первая, 1"})));
        QCOMPARE(data.lookupBook(QStringLiteral("Следующий")),
                 std::optional<QStringList>(lines({"Следующий", "Киев", "02000"})));
    }

    void bookNoMatch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << QStringLiteral("иванов иван");
        QTest::newRow("part of a name") << QStringLiteral("Иванов");
        QTest::newRow("field text") << QStringLiteral("Киев");
        QTest::newRow("empty") << QString();
    }
    void bookNoMatch()
    {
        QFETCH(QString, name);
        MailingData data;
        data.setBookLines(Book);
        QVERIFY(!data.lookupBook(name));
    }

    void bookNamesInFileOrder()
    {
        MailingData data;
        data.setBookLines(Book);
        QCOMPARE(data.bookNames(), lines({"Иванов Иван", "Петров", "Иванов Иван", "Сидоров"}));
        // A new load replaces everything, the index included.
        data.setBookLines(lines({"%Новый", "#Львов"}));
        QCOMPARE(data.bookNames(), lines({"Новый"}));
        QVERIFY(!data.lookupBook(QStringLiteral("Петров")));
    }

    void wholeNameIsTheKey()
    {
        // The address book's lists cut a name to 254 characters and find a record by the cut name;
        // the group mailing keys a record by the whole name.
        const QString longName(300, QChar(0x0414));
        MailingData data;
        data.setBookLines({QLatin1Char('%') + longName, QStringLiteral("#Киев")});
        QCOMPARE(data.bookNames(), QStringList{longName});
        QCOMPARE(data.lookupBook(longName), std::optional<QStringList>({longName, QStringLiteral("Киев")}));
        QVERIFY(!data.lookupBook(longName.left(254)));
    }

    void recordLookup_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("putEntryFirst");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("key twice, later duplicate wins")
            << QStringLiteral("Коваль") << true << lines({"Коваль", "Коваль\t", "Анна\t", "Полтава"});
        QTest::newRow("preview leaves the entry out")
            << QStringLiteral("Коваль") << false << lines({"Коваль\t", "Анна\t", "Полтава"});
        QTest::newRow("empty fields left out")
            << QStringLiteral("Бойко") << true << lines({"Бойко", "Бойко\t", "ул. Зеленая, 3\t", "Днепр\t", "49000"});
        QTest::newRow("key from the last column")
            << QStringLiteral("Мельник") << true << lines({"Мельник", "Мельник", "Сумы\t"});
    }
    void recordLookup()
    {
        QFETCH(QString, entry);
        QFETCH(bool, putEntryFirst);
        QFETCH(QStringList, expected);
        MailingData data;
        data.source = SourceMode::OtherSource;
        data.setMailingRecords(Records);
        QCOMPARE(data.lookupEntry(entry, putEntryFirst), std::optional<QStringList>(expected));
    }

    void recordNoMatchAndKeys()
    {
        MailingData data;
        data.source = SourceMode::OtherSource;
        QVERIFY(!data.lookupEntry(QStringLiteral("Коваль"), true)); // no records yet
        data.setMailingRecords(Records);
        QVERIFY(!data.lookupEntry(QStringLiteral("Коваль\t"), true));
        QVERIFY(!data.lookupEntry(QStringLiteral("Олег"), true));
        QVERIFY(!data.lookupEntry(QString(), true)); // the record without a key line
        // The mailing list of other-source mode: keys without their tab; a record without a key line
        // has no entry.
        QCOMPARE(data.recordKeys(), lines({"Коваль", "Бойко", "Коваль", "Мельник"}));
        // The mode decides the array: book names are not found among the records and the reverse.
        data.setBookLines(Book);
        QVERIFY(!data.lookupEntry(QStringLiteral("Петров"), true));
        data.source = SourceMode::AddressBook;
        QVERIFY(!data.lookupEntry(QStringLiteral("Бойко"), true));
    }

    void loadBook()
    {
        TempWorkDir dir(false);
        dir.write(QStringLiteral("Book.txt"), crlfLines(Book));
        MailingData data;
        data.loadBook(dir.workDir());
        QCOMPARE(data.bookLines(), Book);
        QCOMPARE(data.bookNames().size(), 4);

        // A missing book reports the platform's error and leaves nothing of the earlier load.
        dir.remove(QStringLiteral("Book.txt"));
        try {
            data.loadBook(dir.workDir());
            QFAIL("no error");
        } catch (const IoError &e) {
            QCOMPARE(e.message(), QStringLiteral("File not found"));
        }
        QVERIFY(data.bookLines().isEmpty());
        QVERIFY(data.bookNames().isEmpty());
        QVERIFY(!data.lookupBook(QStringLiteral("Петров")));
    }

    void bothSpellingsPresentOneFileRead()
    {
        // Where the file system tells case apart and holds both spellings, the group mailing reads
        // the file that the address book window reads and writes.
        TempWorkDir dir(false);
        dir.write(QStringLiteral("Book.txt"), crlfLines(Book));
        dir.write(QStringLiteral("book.txt"), crlfLines(lines({"%Новый", "#Сумы"})));
        if (QDir(dir.path()).entryList(QDir::Files).size() != 2)
            QSKIP("the file system does not tell case apart");
        MailingData data;
        data.loadBook(dir.workDir());
        AddressBook book(dir.workDir());
        book.reload();
        QCOMPARE(data.bookNames(), addressbook::namesOf(book.lines()));
        QVERIFY(data.lookupBook(QStringLiteral("Петров")));
        // A change through the address book is what the mailing reads next.
        book.add({QStringLiteral("Добавленный")});
        data.loadBook(dir.workDir());
        QVERIFY(data.lookupBook(QStringLiteral("Добавленный")));
        QCOMPARE(dir.read(QStringLiteral("book.txt")), crlfLines(lines({"%Новый", "#Сумы"})));
    }

    void blankLinesInTheBookSkipped()
    {
        // Converted to CR LF once more: a blank line after every line of the book.
        TempWorkDir dir(false);
        QByteArray bytes = crlfLines(Book);
        bytes.replace("\r\n", "\r\r\n");
        dir.write(QStringLiteral("Book.txt"), bytes);
        MailingData data;
        data.loadBook(dir.workDir());
        QCOMPARE(data.lookupBook(QStringLiteral("Петров")),
                 lines({"Петров", "пр. Мира, 5", "Харьков", "Змиевской район", "Харьковская область", "61000"}));
        QCOMPARE(data.lookupBook(QStringLiteral("Иванов Иван")),
                 lines({"Иванов Иван", "ул. Садовая, 7", "Одесса", "65000"}));
        data.setBookLines(lines({"%Сидоров", "", "#ул. Короткая", "   ", "#", "#", "#", "#", "#02000"}));
        QCOMPARE(data.lookupBook(QStringLiteral("Сидоров")), lines({"Сидоров", "ул. Короткая", "02000"}));
    }
};

QTEST_GUILESS_MAIN(TestMailingData)
#include "test_mailingdata.moc"
