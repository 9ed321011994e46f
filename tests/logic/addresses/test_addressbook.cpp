// The address book file: records written byte for byte, names and fields read back, changes and
// deletions through the working copy, and writes that fail leaving the old file whole.

#include "logic/addresses/AddressBook.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "support/FailingWrites.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <functional>
#include <optional>

using namespace testing;

namespace {

const QString Book = QStringLiteral("Book.txt");

QStringList boxes(const char *name, const char *street = "", const char *locality = "", const char *district = "",
                  const char *region = "", const char *country = "", const char *code = "")
{
    QStringList b;
    for (const char *t : {name, street, locality, district, region, country, code})
        b.append(QString::fromUtf8(t));
    return b;
}

QStringList fileLines(const TempWorkDir &dir)
{
    return codepage::splitLines(codepage::decode1251(dir.read(Book)));
}

} // namespace

using Operation = std::function<void(AddressBook &)>;
Q_DECLARE_METATYPE(Operation)

class TestAddressBook : public QObject
{
    Q_OBJECT
private slots:
    void appendRecord_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("expected");
        const QString a250(250, QChar(0x0430));
        QTest::newRow("name and district") << "book.txt" << boxes("Сидоров", "", "", "Ирпенский")
                                           << fixtureBytes(QStringLiteral("addresses/book_added_district.txt"));
        QTest::newRow("every box empty, no file yet")
            << "" << boxes("")
            << crlfLines({QStringLiteral("%"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                          QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#")});
        QTest::newRow("last line left open by another program")
            << "book_odd.txt" << boxes("Новый") << fixtureBytes(QStringLiteral("addresses/book_odd_added.txt"));
        QTest::newRow("suffixes cut at 255")
            << "" << QStringList{a250, a250, a250, a250, a250, a250, a250}
            << crlfLines({QLatin1Char('%') + a250, QLatin1Char('#') + a250, QLatin1Char('#') + a250,
                          QLatin1Char('#') + a250 + QStringLiteral(" райо"),
                          QLatin1Char('#') + a250 + QStringLiteral(" обла"), QLatin1Char('#') + a250,
                          QLatin1Char('#') + a250});
    }
    void appendRecord()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, expected);
        TempWorkDir dir(false);
        if (!start.isEmpty())
            dir.write(Book, fixtureBytes(QStringLiteral("addresses/") + start));
        AddressBook book(dir.workDir());
        if (!start.isEmpty())
            book.reload();
        book.add(boxes);
        QCOMPARE(dir.read(Book), expected);
        QCOMPARE(book.lines(), fileLines(dir));
    }

    void readRecords()
    {
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/book_odd.txt")));
        const QString longName(300, QChar(0x0414));
        QCOMPARE(addressbook::listNames(dir.workDir()),
                 QStringList({longName.left(254), QStringLiteral("Короткий"), QStringLiteral("Иванов Иван"),
                              QStringLiteral("Последний")}));

        AddressBook book(dir.workDir());
        book.reload();
        // Long lines are kept whole; the list's shorter name still finds the record.
        QCOMPARE(book.lines().at(0), QLatin1Char('%') + longName);
        QCOMPARE(book.lines().at(1).size(), 405);
        QCOMPARE(book.shownFields(longName.left(254)).at(1).size(), 404);
        // A record cut short ends at the next name line; a field may begin with "%".
        QCOMPARE(book.shownFields(QStringLiteral("Короткий")),
                 QStringList({QStringLiteral("Короткий"), QStringLiteral("ул. Короткая"), QStringLiteral("Сумы")}));
        QCOMPARE(book.boxes(QStringLiteral("Короткий")), boxes("Короткий", "ул. Короткая", "Сумы", "", "", "", ""));
        QCOMPARE(book.shownFields(QStringLiteral("Иванов Иван")),
                 QStringList({QStringLiteral("Иванов Иван"), QStringLiteral("%15 скидка"), QStringLiteral("Харьков"),
                              QStringLiteral("61000")}));
        QVERIFY(book.shownFields(QStringLiteral("%15 скидка")).isEmpty());
        QCOMPARE(book.find(QStringLiteral("Иванов")), -1);

        // A record is seven lines: a "#" line more before the next name line is no part of it.
        dir.write(Book, crlfLines({QStringLiteral("%А"), QStringLiteral("#1"), QStringLiteral("#2"),
                                   QStringLiteral("#3"), QStringLiteral("#4"), QStringLiteral("#5"),
                                   QStringLiteral("#6"), QStringLiteral("#лишняя"), QStringLiteral("%Б")}));
        book.reload();
        QCOMPARE(book.shownFields(QStringLiteral("А")),
                 QStringList({QStringLiteral("А"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")}));
    }

    void boxesTakeOffSuffixes_data()
    {
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("districtBox");
        QTest::addColumn<QString>("regionBox");
        QTest::newRow("both") << "Броварский район"
                              << "Киевская область"
                              << "Броварский"
                              << "Киевская";
        QTest::newRow("no space before the word") << "район"
                                                  << "Крымская,область"
                                                  << "район"
                                                  << "Крымская,область";
        QTest::newRow("only one suffix taken") << "Новый район район"
                                               << " область"
                                               << "Новый район"
                                               << "";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
    }
    void boxesTakeOffSuffixes()
    {
        QFETCH(QString, district);
        QFETCH(QString, region);
        QFETCH(QString, districtBox);
        QFETCH(QString, regionBox);
        const QStringList lines{QStringLiteral("%Имя"),      QStringLiteral("#"),       QStringLiteral("#"),
                                QLatin1Char('#') + district, QLatin1Char('#') + region, QStringLiteral("#"),
                                QStringLiteral("#")};
        const QStringList b = addressbook::boxesFromRecord(lines, 0);
        QCOMPARE(b.at(addressbook::District), districtBox);
        QCOMPARE(b.at(addressbook::Region), regionBox);
    }

    void changeAndRemove_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("expected");
        QTest::newRow("change replaces only the last record of the name")
            << "book.txt" << Operation([](AddressBook &b) {
                   QStringList x = b.boxes(QStringLiteral("Петров Пётр"));
                   QCOMPARE(x.at(1), QStringLiteral("ул. Садовая, 7"));
                   x[1] = QStringLiteral("ул. Садовая, 9");
                   QVERIFY(b.change(QStringLiteral("Петров Пётр"), x));
               })
            << "book_changed_last_petrov.txt";
        QTest::newRow("rename and empty the region") << "book.txt" << Operation([](AddressBook &b) {
            QStringList x = b.boxes(QStringLiteral("Ёлкин Егор"));
            QCOMPARE(x.at(addressbook::Region), QStringLiteral("Одесская"));
            x[0] = QStringLiteral("Ёлкина Ева");
            x[addressbook::Region].clear();
            QVERIFY(b.change(QStringLiteral("Ёлкин Егор"), x));
        }) << "book_renamed_elkin.txt";
        QTest::newRow("two deleted with one rewrite") << "book.txt" << Operation([](AddressBook &b) {
            QCOMPARE(b.remove({QStringLiteral("Иванов Иван"), QStringLiteral("анна")}),
                     QStringList({QStringLiteral("Иванов Иван"), QStringLiteral("анна")}));
        }) << "book_deleted_two.txt";
        QTest::newRow("record cut short deleted, long lines stay whole")
            << "book_odd.txt" << Operation([](AddressBook &b) {
                   QCOMPARE(b.remove({QStringLiteral("Короткий"), QStringLiteral("Нет такого")}),
                            QStringList({QStringLiteral("Короткий")}));
               })
            << "book_odd_deleted_short.txt";
        QTest::newRow("long lines of a changed record written back whole")
            << "book_odd.txt" << Operation([](AddressBook &b) {
                   const QString name = QString(300, QChar(0x0414)).left(254);
                   const QStringList x = b.boxes(name);
                   QCOMPARE(x.at(0).size(), 300);
                   QVERIFY(b.change(name, x));
               })
            << "book_odd_long_moved.txt";
        QTest::newRow("unchanged save moves the record to the end")
            << "book_renamed_elkin.txt" << Operation([](AddressBook &b) {
                   QVERIFY(b.change(QStringLiteral("Петров Пётр"), b.boxes(QStringLiteral("Петров Пётр"))));
                   QVERIFY(b.change(QStringLiteral("Ёлкина Ева"), b.boxes(QStringLiteral("Ёлкина Ева"))));
               })
            << "book_renamed_elkin.txt";
    }
    void changeAndRemove()
    {
        QFETCH(QString, start);
        QFETCH(Operation, operation);
        QFETCH(QString, expected);
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/") + start));
        AddressBook book(dir.workDir());
        book.reload();
        operation(book);
        QCOMPARE(dir.read(Book), fixtureBytes(QStringLiteral("addresses/") + expected));
        QCOMPARE(book.lines(), fileLines(dir));
        QVERIFY(!book.reloadIfChanged());
    }

    void sameNameDeletedOneAtATime()
    {
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/book.txt")));
        AddressBook book(dir.workDir());
        book.reload();
        const QString petrov = QStringLiteral("Петров Пётр");
        book.remove({petrov});
        QCOMPARE(book.boxes(petrov).at(addressbook::Locality), QStringLiteral("Киев"));
        QCOMPARE(addressbook::listNames(dir.workDir()).count(petrov), 1);
        book.remove({petrov, petrov});
        QCOMPARE(addressbook::listNames(dir.workDir()),
                 QStringList({QStringLiteral("Иванов Иван"), QStringLiteral("анна"), QStringLiteral("Ёлкин Егор")}));
    }

    void missingFile()
    {
        TempWorkDir dir(false);
        AddressBook book(dir.workDir());
        try {
            book.reload();
            QFAIL("no error for a missing file");
        } catch (const IoError &e) {
            QCOMPARE(e.message(), QStringLiteral("File not found"));
        }
        QVERIFY_THROWS_EXCEPTION(IoError, addressbook::listNames(dir.workDir()));
        QVERIFY(!book.reloadIfChanged());
        // A change or a delete creates the file; the book is then what was written.
        QVERIFY(!book.change(QStringLiteral("Никто"), boxes("Кто-то")));
        QCOMPARE(addressbook::listNames(dir.workDir()), QStringList({QStringLiteral("Кто-то")}));
        dir.remove(Book);
        QVERIFY(book.reloadIfChanged());
        QVERIFY(book.lines().isEmpty());
        book.remove({});
        QCOMPARE(dir.read(Book), QByteArray());
    }

    void fileChangedBehindTheCopy()
    {
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/book.txt")));
        AddressBook book(dir.workDir());
        book.reload();
        QVERIFY(!book.reloadIfChanged());
        dir.write(Book, crlfLines({QStringLiteral("%Чужой")}));
        QVERIFY(book.reloadIfChanged());
        QCOMPARE(book.lines(), QStringList({QStringLiteral("%Чужой")}));
    }

    void failedWritesLeaveOldFile_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("fullDisk");
        const auto add = Operation([](AddressBook &b) { b.add(boxes("Новый")); });
        const auto change = Operation([](AddressBook &b) { b.change(QStringLiteral("анна"), boxes("Анна")); });
        const auto remove = Operation([](AddressBook &b) { b.remove({QStringLiteral("Иванов Иван")}); });
        QTest::newRow("add, disk full") << add << true;
        QTest::newRow("change, disk full") << change << true;
        QTest::newRow("delete, disk full") << remove << true;
        QTest::newRow("add, character outside code page 1251")
            << Operation([](AddressBook &b) { b.add(boxes("Ли 李")); }) << false;
        QTest::newRow("change, character outside code page 1251")
            << Operation([](AddressBook &b) { b.change(QStringLiteral("анна"), boxes("Анна ♥")); }) << false;
    }
    void failedWritesLeaveOldFile()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, fullDisk);
        if (fullDisk && !FailingWrites::supported)
            QSKIP("no way to make writes fail on this system");
        TempWorkDir dir(false);
        const QByteArray old = fixtureBytes(QStringLiteral("addresses/book.txt"));
        dir.write(Book, old);
        AddressBook book(dir.workDir());
        book.reload();
        const QStringList lines = book.lines();
        {
            std::optional<FailingWrites> failing;
            if (fullDisk)
                failing.emplace();
            QVERIFY_THROWS_EXCEPTION(IoError, operation(book));
        }
        QCOMPARE(dir.read(Book), old);
        QCOMPARE(book.lines(), lines);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({Book}));
    }

    void replaceFindsTheRecordByItsLines()
    {
        TempWorkDir dir(false);
        const QByteArray start = fixtureBytes(QStringLiteral("addresses/book.txt"));
        dir.write(Book, start);
        AddressBook book(dir.workDir());
        book.reload();
        const QStringList lines = book.lines();
        const QStringList firstPetrov = lines.mid(0, addressbook::RecordLines);
        QCOMPARE(firstPetrov.at(1), QStringLiteral("#ул. Ленина, 1"));

        // Not the last record of the name, as change() would take: the one with these lines.
        QVERIFY(book.replace(firstPetrov, boxes("Петров Пётр", "ул. Ленина, 2", "Киев")));
        QStringList expected = lines.mid(addressbook::RecordLines);
        expected += QStringList{QStringLiteral("%Петров Пётр"),
                                QStringLiteral("#ул. Ленина, 2"),
                                QStringLiteral("#Киев"),
                                QStringLiteral("#"),
                                QStringLiteral("#"),
                                QStringLiteral("#"),
                                QStringLiteral("#")};
        QCOMPARE(fileLines(dir), expected);
        QCOMPARE(book.lines(), expected);

        // The same lines again: gone now, so nothing is written.
        const QByteArray written = dir.read(Book);
        QVERIFY(!book.replace(firstPetrov, boxes("Петров Пётр")));
        QVERIFY(!book.replace(QStringList(), boxes("Пусто")));
        // A record with the same name line and one line less is another record.
        QVERIFY(!book.replace(expected.mid(expected.size() - 7, 6), boxes("Петров Пётр")));
        QCOMPARE(dir.read(Book), written);
        QCOMPARE(book.lines(), expected);

        // Of two records alike, the last one (the one the edit dialog shows) is replaced and the
        // other stays where it stands.
        TempWorkDir twin(false);
        const QStringList anna{QStringLiteral("%анна"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                               QStringLiteral("#"),     QStringLiteral("#"), QStringLiteral("#")};
        twin.write(Book, crlfLines(anna + QStringList{QStringLiteral("%Борис")} + anna));
        AddressBook twins(twin.workDir());
        twins.reload();
        QVERIFY(twins.replace(anna, boxes("Анна")));
        QCOMPARE(addressbook::listNames(twin.workDir()),
                 QStringList({QStringLiteral("анна"), QStringLiteral("Борис"), QStringLiteral("Анна")}));
    }

    // A book converted to CR LF once more: every line ends in CR CR LF, a blank line after each.
    void blankLinesAreNoPartOfARecord()
    {
        TempWorkDir dir(false);
        const QByteArray crlf = fixtureBytes(QStringLiteral("addresses/book.txt"));
        QByteArray twice = crlf;
        twice.replace("\r\n", "\r\r\n");
        dir.write(Book, twice);
        AddressBook book(dir.workDir());
        book.reload();
        const QString petrov = QStringLiteral("Петров Пётр");
        const QStringList fields = book.boxes(petrov);
        QCOMPARE(fields.at(addressbook::Street), QStringLiteral("ул. Садовая, 7"));
        QVERIFY(!fields.at(addressbook::PostalCode).isEmpty());
        // Saved unchanged: the record moves to the end whole, and no blank line is written.
        QVERIFY(book.change(petrov, fields));
        QCOMPARE(book.boxes(petrov), fields);
        QVERIFY(!dir.read(Book).contains("\r\r"));
        QVERIFY(!fileLines(dir).contains(QString()));
        QCOMPARE(book.lines(), fileLines(dir));
        // A change of another record leaves the file as the clean file changes.
        dir.write(Book, twice);
        book.reload();
        book.remove({QStringLiteral("Иванов Иван"), QStringLiteral("анна")});
        QCOMPARE(dir.read(Book), fixtureBytes(QStringLiteral("addresses/book_deleted_two.txt")));
        // An empty field is its marker, not a blank line: it stays.
        dir.write(Book, "%A\r\r\n#\r\r\n#Town\r\r\n");
        book.reload();
        QCOMPARE(book.lines(), QStringList({QStringLiteral("%A"), QStringLiteral("#"), QStringLiteral("#Town")}));
        book.add(boxes("B"));
        QVERIFY(dir.read(Book).startsWith("%A\r\n#\r\n#Town\r\n%B\r\n"));
    }

    // Every change reads the file again under the working directory's lock.
    void changesApplyToTheFileAsItStands()
    {
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/book.txt")));
        AddressBook book(dir.workDir());
        book.reload();
        // Another copy of the program adds a record after this copy read the file.
        AddressBook other(dir.workDir());
        other.reload();
        other.add(boxes("Другой"));
        book.add(boxes("Этот"));
        QVERIFY(addressbook::listNames(dir.workDir()).contains(QStringLiteral("Другой")));
        QVERIFY(book.find(QStringLiteral("Другой")) >= 0);
        other.remove({QStringLiteral("Этот")});
        QVERIFY(book.change(QStringLiteral("Другой"), boxes("Другой", "ул. Новая")));
        QVERIFY(!addressbook::listNames(dir.workDir()).contains(QStringLiteral("Этот")));
        QCOMPARE(book.lines(), fileLines(dir));
    }

    void lockedFolderChangesNothing()
    {
        TempWorkDir dir(false);
        dir.write(Book, fixtureBytes(QStringLiteral("addresses/book.txt")));
        // The lock held as another copy of the program holds it.
        const QString lockPath = QDir(dir.path()).filePath(WorkDir::LockFileName);
        QLockFile lock(lockPath);
        QVERIFY(lock.tryLock(0));
        dir.workDir().setLockWait(std::chrono::milliseconds(300));
        AddressBook book(dir.workDir());
        book.reload();
        try {
            book.add(boxes("Новый"));
            QFAIL("no error while another copy holds the lock");
        } catch (const IoError &e) {
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(dir.path())), qPrintable(e.message()));
            QVERIFY2(e.message().contains(WorkDir::LockFileName), qPrintable(e.message()));
        }
        QCOMPARE(dir.read(Book), fixtureBytes(QStringLiteral("addresses/book.txt")));
        lock.unlock();
        book.add(boxes("Новый"));
        QVERIFY(book.find(QStringLiteral("Новый")) >= 0);
        QVERIFY(!QFileInfo::exists(lockPath)); // let go after the change
    }

    void twoProgramsAddingAtOnce()
    {
        TempWorkDir dir(false);
        const QStringList five{QStringLiteral("Один"), QStringLiteral("Два"), QStringLiteral("Три"),
                               QStringLiteral("Четыре"), QStringLiteral("Пять")};
        {
            AddressBook book(dir.workDir());
            for (const QString &name : five)
                book.add({name});
        }
        QProcess first, second;
        for (QProcess *p : {&first, &second})
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(QStringLiteral(VELTORA_BOOK_WRITER_EXE),
                    {dir.path(), QStringLiteral("Первый"), QStringLiteral("300")});
        second.start(QStringLiteral(VELTORA_BOOK_WRITER_EXE),
                     {dir.path(), QStringLiteral("Второй"), QStringLiteral("300")});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        const QStringList names = addressbook::listNames(dir.workDir());
        QCOMPARE(names.size(), 605);
        QCOMPARE(names.mid(0, 5), five);
        for (const char *prefix : {"Первый", "Второй"}) {
            for (int i = 0; i < 300; ++i)
                QVERIFY(names.contains(QStringLiteral("%1 %2").arg(QString::fromUtf8(prefix)).arg(i)));
        }
        QCOMPARE(fileLines(dir).size(), 605 * addressbook::RecordLines);
    }

    void nameOrder()
    {
        const addressbook::NameOrder order;
        QStringList names{QStringLiteral("Яков"),   QStringLiteral("Ёлкин"), QStringLiteral("иванов"),
                          QStringLiteral("Ельцин"), QStringLiteral("анна"),  QStringLiteral("ежик"),
                          QStringLiteral("Иванов"), QStringLiteral(""),      QStringLiteral("Анна")};
        order.sort(names);
        const QStringList expected{QStringLiteral(""),       QStringLiteral("Анна"),   QStringLiteral("анна"),
                                   QStringLiteral("ежик"),   QStringLiteral("Ёлкин"),  QStringLiteral("Ельцин"),
                                   QStringLiteral("Иванов"), QStringLiteral("иванов"), QStringLiteral("Яков")};
        QCOMPARE(names, expected);
        for (const QString &name : expected) {
            QCOMPARE(names.at(order.find(names, name)), name);
            QCOMPARE(order.insertPosition(names, name), names.indexOf(name) + 1);
        }
        QCOMPARE(order.find(names, QStringLiteral("Борис")), -1);
        QCOMPARE(order.insertPosition(names, QStringLiteral("Борис")), 3);
    }
};

QTEST_GUILESS_MAIN(TestAddressBook)
#include "test_addressbook.moc"
