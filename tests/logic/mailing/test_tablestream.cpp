// The table read as a stream against the table read whole (parseTable): the same rows and cells in
// both encodings, blank rows left out, rows read in any order, sequences and quoted line breaks cut
// by the stream's buffer, and the same refusals.

#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableStream.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using namespace testing;

namespace {

// What the stream should give: parseTable's rows without those whose cells are all blank.
QList<QStringList> expectedRows(const QByteArray &bytes, TableEncoding encoding)
{
    QList<QStringList> rows;
    for (const QStringList &row : parseTable(bytes, encoding).rows) {
        if (std::any_of(row.begin(), row.end(), [](const QString &cell) { return !cell.trimmed().isEmpty(); }))
            rows.append(row);
    }
    return rows;
}

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

    void sameRowsAsTheWholeTable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        const QString text = QStringLiteral("Шевченко;\"вул. Хрещатик, 1\";Київ\r\n"
                                            ";;\r\n"
                                            "\r\n"
                                            "\"Франко \"\"Іван\"\"\";\"пр. Миру,\n12\";Одеса\n"
                                            "  ; \t;\n"
                                            "Українка;вул. Франка;Львів");
        QTest::newRow("utf-8") << text.toUtf8() << int(TableEncoding::Detect);
        QTest::newRow("utf-8 with its mark")
            << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << int(TableEncoding::Detect);
        QTest::newRow("cp1251") << cp1251(text) << int(TableEncoding::Detect);
        QTest::newRow("cp1251 said") << cp1251(text) << int(TableEncoding::Cp1251);
        QTest::newRow("tabs after a blank first line")
            << QByteArray("\n \xC2\xA0 \nA,B\tC\nD,E\tF\n") << int(TableEncoding::Detect);
        QTest::newRow("commas") << QByteArray("a,b,\"c,d\"\r\n\"\"\r\ne,f,g") << int(TableEncoding::Detect);
        QTest::newRow("nothing but blanks") << QByteArray(";;;\n\n ;\n") << int(TableEncoding::Detect);
        // A byte-order mark inside the text is a character of its cell; a second one at the start is
        // dropped before the quotes are read, as the whole text is decoded.
        QTest::newRow("mark beginning a cell")
            << QByteArray(",\xEF\xBB\xBF\"\xD0\x98\"x\n") << int(TableEncoding::Detect);
        QTest::newRow("two marks at the start")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\"a,b\"c,,\n") << int(TableEncoding::Utf8);

        // Rows that reach across the stream's buffer (256 KiB): Cyrillic letters of two bytes and a
        // quoted cell with line breaks cut anywhere.
        QByteArray big;
        for (int i = 0; big.size() < 700 * 1024; ++i)
            big += QStringLiteral("Получатель %1;\"ул. Садовая,\n%1\";Київ;%2\n")
                       .arg(i)
                       .arg(QString(i % 7, QLatin1Char('ї')))
                       .toUtf8();
        QTest::newRow("longer than the buffer") << big << int(TableEncoding::Detect);
    }
    void sameRowsAsTheWholeTable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        const QList<QStringList> expected = expectedRows(bytes, TableEncoding(encoding));
        TableStream stream(put(bytes), TableEncoding(encoding));
        QCOMPARE(stream.separator(), parseTable(bytes, TableEncoding(encoding)).separator);
        QList<QStringList> scanned;
        stream.scan([&](const QStringList &cells, int) { scanned.append(cells); });
        QCOMPARE(scanned, expected);
        QCOMPARE(stream.rowCount(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(stream.cells(i), expected.at(i));
        // Out of order, and again in order after that.
        QRandomGenerator random(14);
        for (int k = 0; k < 50 && !expected.isEmpty(); ++k) {
            const qsizetype i = random.bounded(int(expected.size()));
            QCOMPARE(stream.cells(i), expected.at(i));
        }
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(stream.cells(i), expected.at(i));
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
        TableStream unterminated(put("a;b\nc;\"d\n"), TableEncoding::Detect);
        try {
            unterminated.scan();
            QFAIL("an unterminated quote was read");
        } catch (const TableError &e) {
            QCOMPARE(e.row(), 2);
            QCOMPARE(e.column(), 2);
        }
    }
};

QTEST_MAIN(TestTableStream)
#include "test_tablestream.moc"
