// Table files read as a stream: encodings, separators, quoting, blank rows left out, rows read in
// any order, sequences and quoted line breaks cut by the stream's buffer, the refusals, and the
// column map.

#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableStream.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace testing;
using namespace Qt::StringLiterals;

using Rows = QList<QStringList>;

namespace {

// The size of the stream's buffer.
constexpr qsizetype BufferSize = 256 * 1024;

} // namespace

class TestTableStream : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> m_dir;

    QString put(const QByteArray &bytes)
    {
        m_dir->write(QStringLiteral("table.csv"), bytes);
        return m_dir->filePath(QStringLiteral("table.csv"));
    }

private slots:
    void init() { m_dir = std::make_unique<TempWorkDir>(false); }

    void rows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<Rows>("rows");
        const int detect = int(TableEncoding::Detect);
        const int utf8 = int(TableEncoding::Utf8);
        const int cp = int(TableEncoding::Cp1251);
        const QChar tab = QLatin1Char('\t');
        const QChar semicolon = QLatin1Char(';');
        const QChar comma = QLatin1Char(',');

        const QString tabbed = QStringLiteral("Іваненко\tвул. Шевченка, 1\tКиїв\r\nПетров\t\tХарків\r\n");
        const Rows tabbedRows{{QStringLiteral("Іваненко"), QStringLiteral("вул. Шевченка, 1"), QStringLiteral("Київ")},
                              {QStringLiteral("Петров"), QString(), QStringLiteral("Харків")}};
        QTest::newRow("tabs, utf-8") << tabbed.toUtf8() << detect << utf8 << tab << tabbedRows;
        QTest::newRow("tabs, utf-8 with its mark")
            << QByteArray("\xEF\xBB\xBF") + tabbed.toUtf8() << detect << utf8 << tab << tabbedRows;
        QTest::newRow("tabs, cp1251") << cp1251(tabbed) << detect << cp << tab << tabbedRows;

        const QString quoted = QStringLiteral("Шевченко;\"вул. Хрещатик, 1\";Київ\r\n"
                                              ";;\r\n"
                                              "\r\n"
                                              "\"Франко \"\"Іван\"\"\";\"пр. Миру,\n12\";Одеса\n"
                                              "  ; \t;\n"
                                              "Українка;вул. Франка;Львів");
        const Rows quotedRows{
            {QStringLiteral("Шевченко"), QStringLiteral("вул. Хрещатик, 1"), QStringLiteral("Київ")},
            {QStringLiteral("Франко \"Іван\""), QStringLiteral("пр. Миру,\n12"), QStringLiteral("Одеса")},
            {QStringLiteral("Українка"), QStringLiteral("вул. Франка"), QStringLiteral("Львів")}};
        QTest::newRow("quoted, utf-8") << quoted.toUtf8() << detect << utf8 << semicolon << quotedRows;
        QTest::newRow("quoted, utf-8 with its mark")
            << QByteArray("\xEF\xBB\xBF") + quoted.toUtf8() << detect << utf8 << semicolon << quotedRows;
        QTest::newRow("quoted, cp1251") << cp1251(quoted) << detect << cp << semicolon << quotedRows;
        QTest::newRow("quoted, cp1251 said") << cp1251(quoted) << cp << cp << semicolon << quotedRows;
        QTest::newRow("separators and doubled quotes inside quotes")
            << QByteArray("a;\"b;c\";\"say \"\"hi\"\"\"\n\nd;e;f\n") << detect << utf8 << semicolon
            << Rows{{u"a"_s, u"b;c"_s, u"say \"hi\""_s}, {u"d"_s, u"e"_s, u"f"_s}};
        QTest::newRow("commas, a line break in quotes")
            << QByteArray("name,street\nX,\"line1\nline2\"\n") << detect << utf8 << comma
            << Rows{{u"name"_s, u"street"_s}, {u"X"_s, u"line1\nline2"_s}};
        QTest::newRow("commas, a quoted empty row")
            << QByteArray("a,b,\"c,d\"\r\n\"\"\r\ne,f,g") << detect << utf8 << comma
            << Rows{{u"a"_s, u"b"_s, u"c,d"_s}, {u"e"_s, u"f"_s, u"g"_s}};
        QTest::newRow("tab before semicolon and comma") << QByteArray("a;b,c\td\ne;f\tg\n") << detect << utf8 << tab
                                                        << Rows{{u"a;b,c"_s, u"d"_s}, {u"e;f"_s, u"g"_s}};
        QTest::newRow("semicolon before comma")
            << QByteArray("a,b;c\n") << detect << utf8 << semicolon << Rows{{u"a,b"_s, u"c"_s}};
        QTest::newRow("separator of the first line that is not blank")
            << QByteArray("\n \xC2\xA0 \nA,B\tC\nD,E\tF\n") << detect << utf8 << tab
            << Rows{{u"A,B"_s, u"C"_s}, {u"D,E"_s, u"F"_s}};
        QTest::newRow("nothing but blanks") << QByteArray(";;;\n\n ;\n") << detect << utf8 << semicolon << Rows{};
        // Code page 1251 letters whose bytes happen to form an overlong UTF-8 form of "/".
        QTest::newRow("cp1251 that looks like overlong utf-8")
            << QByteArray("\xC0\xAF;x\n") << detect << cp << semicolon << Rows{{QStringLiteral("АЇ"), u"x"_s}};
        // A byte-order mark inside the text is a character of its cell; a second one at the start is
        // dropped before the quotes are read.
        QTest::newRow("mark beginning a cell") << QByteArray(",\xEF\xBB\xBF\"\xD0\x98\"x\n") << detect << utf8 << comma
                                               << Rows{{QString(), QStringLiteral("\uFEFF\"И\"x")}};
        QTest::newRow("two marks at the start") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\"a,b\"c,,\n") << utf8 << utf8
                                                << comma << Rows{{u"a,bc"_s, u""_s, u""_s}};

        // Letters cut by the end of the buffer while the encoding is learnt.
        for (const QString &letter : {QStringLiteral("я"), QStringLiteral("€"), QStringLiteral("😀")}) {
            const QByteArray bytes = letter.toUtf8();
            for (qsizetype cut = 1; cut < bytes.size(); ++cut)
                QTest::addRow("%s cut after %d bytes by the buffer", qPrintable(letter), int(cut))
                    << QByteArray(BufferSize - cut, 'a') + bytes + ";b\n"
                    << detect << utf8 << semicolon
                    << Rows{{QString(BufferSize - cut, QLatin1Char('a')) + letter, u"b"_s}};
        }
        // Rows that reach across the buffer: Cyrillic letters of two bytes and a quoted cell with
        // line breaks cut anywhere.
        QByteArray big;
        Rows bigRows;
        for (int i = 0; big.size() < 700 * 1024; ++i) {
            const QStringList row{QStringLiteral("Получатель %1").arg(i), QStringLiteral("ул. Садовая,\n%1").arg(i),
                                  QStringLiteral("Київ"), QString(i % 7, QChar(u'ї'))};
            big += (row.at(0) + QLatin1String(";\"") + row.at(1) + QLatin1String("\";") + row.at(2) + QLatin1Char(';') +
                    row.at(3) + QLatin1Char('\n'))
                       .toUtf8();
            bigRows.append(row);
        }
        QTest::newRow("longer than the buffer") << big << detect << utf8 << semicolon << bigRows;
    }
    void rows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, given);
        QFETCH(int, encoding);
        QFETCH(QChar, separator);
        QFETCH(Rows, rows);
        TableStream stream(put(bytes), TableEncoding(given));
        QCOMPARE(int(stream.encoding()), encoding);
        QCOMPARE(stream.separator(), separator);
        Rows scanned;
        stream.scan([&](const QStringList &cells, int) { scanned.append(cells); });
        QCOMPARE(scanned, rows);
        QCOMPARE(stream.rowCount(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(stream.cells(i), rows.at(i));
        // Out of order, and again in order after that.
        QRandomGenerator random(14);
        for (int k = 0; k < 50 && !rows.isEmpty(); ++k) {
            const qsizetype i = random.bounded(int(rows.size()));
            QCOMPARE(stream.cells(i), rows.at(i));
        }
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(stream.cells(i), rows.at(i));
    }

    void linesOfTheRows()
    {
        TableStream stream(put("\n;;\nА;\"б\nв\"\n\nГ;д\n"), TableEncoding::Detect);
        QList<int> lines;
        stream.scan([&](const QStringList &, int line) { lines.append(line); });
        QCOMPARE(lines, (QList<int>{3, 6}));
        QCOMPARE(stream.lineOf(1), 6);
    }

    void refusals()
    {
        QVERIFY_THROWS_EXCEPTION(IoError,
                                 TableStream(m_dir->filePath(QStringLiteral("missing.csv")), TableEncoding::Detect));
        QVERIFY_THROWS_EXCEPTION(TableError, TableStream(put("\xEF\xBB\xBF\xFF;a\n"), TableEncoding::Detect));
        QVERIFY_THROWS_EXCEPTION(TableError, TableStream(put("\xE0\xE1;a\n"), TableEncoding::Utf8));
        // A cut sequence at the very end is not UTF-8: the file is code page 1251.
        QCOMPARE(TableStream(put("abc;\xD0"), TableEncoding::Detect).encoding(), TableEncoding::Cp1251);
        for (const QByteArray &bytes : {QByteArray("a;b\nc;\"d\n"), QByteArray("a,b\nc,\"d\ne,f\n")}) {
            TableStream unterminated(put(bytes), TableEncoding::Detect);
            try {
                unterminated.scan();
                QFAIL("an unterminated quote was read");
            } catch (const TableError &e) {
                QCOMPARE(e.row(), 2);
                QCOMPARE(e.column(), 2);
            }
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

QTEST_MAIN(TestTableStream)
#include "test_tablestream.moc"
