// Tables read from files: encodings, separators, quoting, and the column map.

#include "logic/mailing/TableFile.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace testing;

class TestTableFile : public QObject
{
    Q_OBJECT
private slots:
    void encodingsGiveTheSameRows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Іваненко\tвул. Шевченка, 1\tКиїв\r\nПетров\t\tХарків\r\n");
        QTest::newRow("utf-8") << text.toUtf8();
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::newRow("cp1251") << cp1251(text);
    }
    void encodingsGiveTheSameRows()
    {
        QFETCH(QByteArray, bytes);
        const Table t = parseTable(bytes);
        QCOMPARE(t.separator, QLatin1Char('\t'));
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows.at(0),
                 (QStringList{QStringLiteral("Іваненко"), QStringLiteral("вул. Шевченка, 1"), QStringLiteral("Київ")}));
        QCOMPARE(t.rows.at(1), (QStringList{QStringLiteral("Петров"), QString(), QStringLiteral("Харків")}));
    }

    void separatorsAndQuotes()
    {
        Table t = parseTable(QByteArray("a;\"b;c\";\"say \"\"hi\"\"\"\n\nd;e;f\n"));
        QCOMPARE(t.separator, QLatin1Char(';'));
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows.at(0), (QStringList{QStringLiteral("a"), QStringLiteral("b;c"), QStringLiteral("say \"hi\"")}));
        t = parseTable(QByteArray("name,street\nX,\"line1\nline2\"\n"));
        QCOMPARE(t.separator, QLatin1Char(','));
        QCOMPARE(t.rows.at(1).at(1), QStringLiteral("line1\nline2"));
    }

    void unterminatedQuoteSaysWhere()
    {
        try {
            parseTable(QByteArray("a,b\nc,\"d\ne,f\n"));
            QFAIL("no error");
        } catch (const TableError &e) {
            QCOMPARE(e.row(), 2);
            QCOMPARE(e.column(), 2);
        }
    }

    void columnMap()
    {
        QCOMPARE(parseColumnMap(QStringLiteral("0,1,-,2,3,-,-,-,4")), (QList<int>{0, 1, -1, 2, 3, -1, -1, -1, 4}));
        QVERIFY_THROWS_EXCEPTION(AppError, parseColumnMap(QStringLiteral("0,1,2")));
        QVERIFY_THROWS_EXCEPTION(AppError, parseColumnMap(QStringLiteral("0,1,x,2,3,-,-,-,4")));
        QVERIFY_THROWS_EXCEPTION(AppError, parseColumnMap(QStringLiteral("0,1,-1,2,3,-,-,-,4")));
    }
};

QTEST_MAIN(TestTableFile)
#include "test_tablefile.moc"
