// The address book to and from other programs' files: export then import gives the same book, in
// both formats; a name already in the book is replaced, skipped or kept twice; a CSV of another
// program is read by its titles; an import that cannot be written changes nothing.

#include "logic/addresses/AddressBook.h"
#include "logic/mailing/BookTransfer.h"
#include "support/MailingTestText.h"

#include <QTest>

using namespace testing;
using NameTaken = AddressBook::NameTaken;

namespace {

QStringList fullBook()
{
    return bookRecord({"Иванов Иван", "ул. Ленина, 1", "Киев", "", "", "Украина", "01001"}) +
           bookRecord({"Петров", "пр. Мира, 5", "Харьков", "Змиевской район", "Харьковская область", "", "61000"}) +
           bookRecord({"Петров", "ул. \"Садовая\"; 2", "Львов", "", "", "", "79000"}) +
           bookRecord({"Без адреса", "", "", "", "", "", ""});
}

// Imports the contacts of a file into the book of `dir`, answering every taken name with `answer`.
AddressBook::ImportCount importInto(TempWorkDir &dir, const QString &file, NameTaken answer)
{
    QList<QStringList> records;
    for (const Contact &c : booktransfer::readContacts(file))
        records += booktransfer::recordsOfContact(c);
    AddressBook book(dir.workDir());
    return book.import(records, [&](const QString &) { return answer; });
}

} // namespace

class TestBookTransfer : public QObject
{
    Q_OBJECT
private slots:
    void exportThenImport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("vCard") << QStringLiteral("book.vcf");
        QTest::newRow("CSV") << QStringLiteral("book.csv");
    }
    void exportThenImport()
    {
        QFETCH(QString, file);
        TempWorkDir from(false), to(false);
        from.write(QStringLiteral("Book.txt"), crlfLines(fullBook()));
        const QList<Contact> contacts = booktransfer::contactsOfBook(fullBook());
        from.write(file, file.endsWith(QLatin1String(".vcf")) ? vcard::write(contacts)
                                                              : booktransfer::csvOfContacts(contacts));
        const AddressBook::ImportCount count = importInto(to, from.filePath(file), NameTaken::KeepBoth);
        QCOMPARE(count.added, 4);
        QCOMPARE(to.read(QStringLiteral("Book.txt")), from.read(QStringLiteral("Book.txt")));
    }

    void nameTaken_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("count"); // added, replaced, skipped
        QTest::addColumn<QStringList>("names");
        const QStringList imported = lines({"Петренко Олена Іванівна", "Коваль Пётр", "Без Адреса"});
        QTest::newRow("replace") << int(NameTaken::Replace) << QList<int>{3, 1, 0}
                                 << lines({"Иванов Иван", "Тарас Шевченко"}) + imported;
        QTest::newRow("skip") << int(NameTaken::Skip) << QList<int>{3, 0, 1}
                              << lines({"Иванов Иван", "Тарас Шевченко"}) + imported;
        QTest::newRow("keep both") << int(NameTaken::KeepBoth) << QList<int>{4, 0, 0}
                                   << lines({"Иванов Иван", "Тарас Шевченко", "Тарас Шевченко"}) + imported;
    }
    void nameTaken()
    {
        QFETCH(int, answer);
        QFETCH(QList<int>, count);
        QFETCH(QStringList, names);
        TempWorkDir dir(false);
        dir.write(QStringLiteral("Book.txt"),
                  crlfLines(bookRecord({"Иванов Иван", "", "", "", "", "", ""}) +
                            bookRecord({"Тарас Шевченко", "старый адрес", "", "", "", "", ""})));
        const AddressBook::ImportCount c =
            importInto(dir, fixturePath(QStringLiteral("addresses/phone-3.0.vcf")), NameTaken(answer));
        QCOMPARE((QList<int>{c.added, c.replaced, c.skipped}), count);
        AddressBook book(dir.workDir());
        book.reload();
        QCOMPARE(addressbook::namesOf(book.lines()), names);
        QCOMPARE(book.shownFields(t("Тарас Шевченко")).value(1),
                 answer == int(NameTaken::Skip) ? t("старый адрес") : t("вул. Хрещатик, 22, кв. 5"));
    }

    void otherProgramsCsvByTitles()
    {
        TempWorkDir dir(false);
        dir.write(QStringLiteral("contacts.csv"), t("Индекс;Город;Фамилия;Имя;Телефон\r\n"
                                                    "01001;Київ;Шевченко;Тарас;123\r\n")
                                                      .toUtf8());
        const QList<Contact> contacts = booktransfer::readContacts(dir.filePath(QStringLiteral("contacts.csv")));
        QCOMPARE(contacts.size(), 1);
        QCOMPARE(contacts.first().name, t("Шевченко Тарас"));
        QCOMPARE(contacts.first().addresses.first().locality, t("Київ"));
        QCOMPARE(contacts.first().addresses.first().postalCode, t("01001"));
    }

    void failedImportChangesNothing()
    {
        TempWorkDir dir(false);
        const QByteArray before = crlfLines(bookRecord({"Тарас Шевченко", "", "", "", "", "", ""}));
        dir.write(QStringLiteral("Book.txt"), before);
        AddressBook book(dir.workDir());
        const QList<QStringList> records = {lines({"Новый", "", "", "", "", "", ""}),
                                            lines({"王小明", "", "", "", "", "", ""})}; // not in code page 1251
        QVERIFY_THROWS_EXCEPTION(AppError, book.import(records, [](const QString &) { return NameTaken::Replace; }));
        QCOMPARE(dir.read(QStringLiteral("Book.txt")), before);
    }
};

QTEST_GUILESS_MAIN(TestBookTransfer)
#include "test_booktransfer.moc"
