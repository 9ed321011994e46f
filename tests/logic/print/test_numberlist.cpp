// The typed envelope number list: which envelopes it selects, in which order, what it refuses,
// and the files it leaves ("ft.txt", "txtfile.txt") byte for byte.

#include "logic/files/IoError.h"
#include "logic/print/NumberList.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTest>

using namespace testing;
using numberlist::Reading;

Q_DECLARE_METATYPE(QList<int>)

namespace {
QStringList numbersText(const QList<int> &numbers)
{
    QStringList lines{QStringLiteral("0")};
    for (int n : numbers)
        lines.append(QString::number(n));
    return lines;
}
} // namespace

class TestNumberList : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("numbers"); // one-based, as "txtfile.txt" keeps them
        QTest::newRow("range then single") << QStringLiteral("2-4,7") << 10 << QList<int>{2, 3, 4, 7};
        QTest::newRow("backward range") << QStringLiteral("4-2") << 10 << QList<int>{};
        QTest::newRow("order kept") << QStringLiteral("10,1-3") << 10 << QList<int>{10, 1, 2, 3};
        QTest::newRow("range end ends a range") << QStringLiteral("3-5-7") << 10 << QList<int>{3, 4, 5, 7};
        QTest::newRow("repetitions kept") << QStringLiteral("5,1,5") << 5 << QList<int>{5, 1, 5};
        QTest::newRow("one number") << QStringLiteral("1") << 1 << QList<int>{1};
        QTest::newRow("one-number range") << QStringLiteral("3-3") << 3 << QList<int>{3};
        QTest::newRow("leading zeros") << QStringLiteral("007,010") << 10 << QList<int>{7, 10};
        QTest::newRow("range end then range") << QStringLiteral("1-2-4-5") << 5 << QList<int>{1, 2, 4, 5};
        QTest::newRow("range after comma") << QStringLiteral("9,2-3") << 9 << QList<int>{9, 2, 3};
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(QList<int>, numbers);
        TempWorkDir dir(false);
        const Reading r = numberlist::readNumberList(dir.workDir(), text, count);
        QCOMPARE(r.status, Reading::Status::Accepted);
        QList<int> zeroBased;
        for (int n : numbers)
            zeroBased.append(n - 1);
        QCOMPARE(r.selection, zeroBased);
        QCOMPARE(dir.read(QStringLiteral("txtfile.txt")), crlfLines(numbersText(numbers)));
    }

    void scratchFileHoldsThePieces()
    {
        TempWorkDir dir(false);
        numberlist::readNumberList(dir.workDir(), QStringLiteral("1,3-5,8"), 8);
        QCOMPARE(dir.read(QStringLiteral("ft.txt")), QByteArray("1,\r\n3-\r\n5,\r\n8\r\n"));
        // Rewritten whole at the next list, existing under another case.
        QFile::rename(dir.filePath(QStringLiteral("ft.txt")), QDir(dir.path()).filePath(QStringLiteral("FT.TXT")));
        numberlist::readNumberList(dir.workDir(), QStringLiteral("2"), 8);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("FT.TXT"), QStringLiteral("txtfile.txt")}));
        QCOMPARE(dir.read(QStringLiteral("ft.txt")), QByteArray("2\r\n"));
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("semicolon") << QStringLiteral("1;2");
        QTest::newRow("blank") << QStringLiteral("1, 2");
        QTest::newRow("letter") << QStringLiteral("1a");
        QTest::newRow("plus") << QStringLiteral("+1");
        QTest::newRow("empty") << QString();
        QTest::newRow("leading comma") << QStringLiteral(",1");
        QTest::newRow("leading dash") << QStringLiteral("-1");
        QTest::newRow("trailing comma") << QStringLiteral("1,");
        QTest::newRow("trailing dash") << QStringLiteral("1-");
        QTest::newRow("two commas") << QStringLiteral("1,,2");
        QTest::newRow("two dashes") << QStringLiteral("1--3");
        QTest::newRow("comma dash") << QStringLiteral("1,-3");
        QTest::newRow("separator alone") << QStringLiteral(",");
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0661));
    }
    void malformed()
    {
        QFETCH(QString, text);
        TempWorkDir dir(false);
        dir.write(QStringLiteral("txtfile.txt"), "earlier");
        const Reading r = numberlist::readNumberList(dir.workDir(), text, 100);
        QCOMPARE(r.status, Reading::Status::Malformed);
        QVERIFY(r.selection.isEmpty());
        QVERIFY(!dir.exists(QStringLiteral("ft.txt")));
        QCOMPARE(dir.read(QStringLiteral("txtfile.txt")), QByteArray("earlier"));
    }

    void outsideTheList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("refused");
        QTest::newRow("zero") << QStringLiteral("1,0") << 5 << 0;
        QTest::newRow("one past the end") << QStringLiteral("6") << 5 << 6;
        QTest::newRow("first of several") << QStringLiteral("2,8,9") << 5 << 8;
        QTest::newRow("range end") << QStringLiteral("2-9") << 5 << 9;
        QTest::newRow("backward range start") << QStringLiteral("9-2") << 5 << 9;
        QTest::newRow("empty mailing list") << QStringLiteral("1") << 0 << 1;
        // Refused before expansion: no two thousand million entries are made.
        QTest::newRow("huge range") << QStringLiteral("1-2000000000") << 5 << 2000000000;
        QTest::newRow("largest 32-bit number") << QStringLiteral("2147483647") << 5 << 2147483647;
    }
    void outsideTheList()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(int, refused);
        TempWorkDir dir(false);
        const Reading r = numberlist::readNumberList(dir.workDir(), text, count);
        QCOMPARE(r.status, Reading::Status::OutsideList);
        QCOMPARE(r.outsideNumber, refused);
        QVERIFY(r.selection.isEmpty());
        QVERIFY(!dir.exists(QStringLiteral("txtfile.txt")));
        QVERIFY(numberlist::outsideMessage(refused, count).contains(QString::number(refused)));
    }

    void tooLargeForAnInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("alone") << QStringLiteral("99999999999") << QStringLiteral("99999999999");
        QTest::newRow("one past 32 bits") << QStringLiteral("1,2147483648") << QStringLiteral("2147483648");
        QTest::newRow("range end") << QStringLiteral("1-4294967296,2") << QStringLiteral("4294967296");
    }
    void tooLargeForAnInteger()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        TempWorkDir dir(false);
        try {
            numberlist::readNumberList(dir.workDir(), text, 5);
            QFAIL("no conversion error");
        } catch (const ConversionError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(number));
        }
        QVERIFY(!dir.exists(QStringLiteral("txtfile.txt")));
    }

    void noCapacityLimit()
    {
        TempWorkDir dir(false);
        const Reading r = numberlist::readNumberList(dir.workDir(), QStringLiteral("1-12000,5"), 12000);
        QCOMPARE(r.status, Reading::Status::Accepted);
        QCOMPARE(r.selection.size(), 12001);
        QCOMPARE(r.selection.last(), 4);
        QCOMPARE(r.selection.at(11999), 11999);
        QVERIFY(dir.read(QStringLiteral("txtfile.txt")).endsWith("\r\n12000\r\n5\r\n"));
    }

    void scratchFileThatCannotBeWritten()
    {
        TempWorkDir dir(false);
        QDir(dir.path()).mkdir(QStringLiteral("ft.txt")); // a folder stands where the file goes
        QVERIFY_THROWS_EXCEPTION(IoError, numberlist::readNumberList(dir.workDir(), QStringLiteral("1"), 5));
        QVERIFY(!dir.exists(QStringLiteral("txtfile.txt")));
    }
};

QTEST_GUILESS_MAIN(TestNumberList)
#include "test_numberlist.moc"
