// The row splitter's cells and the mailing records built from split rows.

#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace testing;

class TestRowSplitter : public QObject
{
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("no tab") << t("Иванов") << QStringList{t("Иванов")};
        QTest::newRow("three cells") << t("Иванов\tИван\tКиев") << QStringList{t("Иванов\t"), t("Иван\t"), t("Киев")};
        QTest::newRow("ends in a tab") << t("Иванов\tКиев\t") << QStringList{t("Иванов\t"), t("Киев\t"), QString()};
        QTest::newRow("empty cells") << t("\t\tabcde") << QStringList{t("\t"), t("\t"), t("abcde")};
        QTest::newRow("five characters") << t("ab\tcd") << QStringList{t("ab\t"), t("cd")};
        QTest::newRow("four characters") << t("a\tbc") << QStringList{};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void cells()
    {
        QFETCH(QString, row);
        QFETCH(QStringList, cells);
        QCOMPARE(rowCells(row), cells);
        if (!cells.isEmpty())
            QCOMPARE(containsTab(row), cells.size() > 1);
    }

    void wideRowsAndLongCells()
    {
        // No limit on the number of cells.
        QStringList cells;
        for (int i = 0; i < 40; ++i)
            cells.append(QStringLiteral("c%1").arg(i));
        const QStringList split = rowCells(cells.join(QLatin1Char('\t')));
        QCOMPARE(split.size(), 40);
        QCOMPARE(split.at(39), QStringLiteral("c39"));
        QCOMPARE(split.at(16), QStringLiteral("c16\t"));

        // A cell holds at most 255 characters; a cut cell loses its tab, the next cell is whole.
        const QString longCell(300, QLatin1Char('x'));
        QCOMPARE(rowCells(longCell + QLatin1Char('\t') + t("next")), (QStringList{longCell.left(255), t("next")}));
    }

    void records_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QStringList>("expected");
        const QString row = t("Иванов\tИван\tКиев");
        QTest::newRow("surname and town") << row << QList<int>{0, -1, -1, -1, 2, -1, -1, -1, -1}
                                          << QStringList{t("%Иванов\t"), {}, {}, {}, t("#Киев"), {}, {}, {}, {}};
        QTest::newRow("one column twice, no surname")
            << row << QList<int>{-1, 1, 1, -1, -1, -1, -1, -1, -1}
            << QStringList{{}, t("#Иван\t"), t("#Иван\t"), {}, {}, {}, {}, {}, {}};
        QTest::newRow("row shorter than an assigned column")
            << t("Петров\tЛьвов") << QList<int>{0, -1, -1, -1, 2, -1, -1, -1, 1}
            << QStringList{t("%Петров\t"), {}, {}, {}, {}, {}, {}, {}, t("#Львов")};
        QTest::newRow("row without a tab") << t("Сидоров") << QList<int>{0, -1, -1, -1, 1, -1, -1, -1, -1}
                                           << QStringList{t("%Сидоров"), {}, {}, {}, {}, {}, {}, {}, {}};
    }
    void records()
    {
        QFETCH(QString, row);
        QFETCH(QList<int>, columns);
        QFETCH(QStringList, expected);
        ColumnMap map;
        std::copy(columns.cbegin(), columns.cend(), map.begin());
        QCOMPARE(buildMailingRecords({row}, map), expected);
    }

    void pastedRowsDropShortLines()
    {
        const QString text = t("abcd\r\nИванов\tИван\r\n\r\nab\tc\nПетров\tПетр\rx\r\nab\tcd\r\n");
        QCOMPARE(pastedRows(text), (QStringList{t("Иванов\tИван"), t("Петров\tПетр"), t("ab\tcd")}));
    }

    void filesRoundTrip()
    {
        TempWorkDir dir(false);
        // Text that the Cyrillic code page cannot hold survives the record file.
        const QStringList lines{t("%Łukasz Nowak\t"), t("#Kraków 🏠"), QString(), t("#ул. Мира")};
        writeMailingRecords(dir.workDir(), lines);
        QCOMPARE(dir.read(QStringLiteral("slfile.tmp")), lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
        QCOMPARE(readMailingRecords(dir.workDir()), lines);

        writeEnvelopeNumbers(dir.workDir(), {3, 4, 5, 1, 12});
        QCOMPARE(dir.read(QStringLiteral("txtfile.txt")), QByteArray("0\r\n3\r\n4\r\n5\r\n1\r\n12\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestRowSplitter)
#include "test_rowsplitter.moc"
