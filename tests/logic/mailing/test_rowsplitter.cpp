// The row splitter's slots and the mailing records built from split rows.

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
    void slotLayout_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("expectedSlots");
        QTest::addColumn<int>("count");
        QTest::newRow("no tab") << t("Иванов") << QStringList{QString(), t("Иванов")} << 1;
        QTest::newRow("three cells") << t("Иванов\tИван\tКиев")
                                     << QStringList{t("Иванов\t"), t("Иван\t"), QString(), t("Киев")} << 3;
        QTest::newRow("ends in a tab") << t("Иванов\tКиев\t")
                                       << QStringList{t("Иванов\t"), t("Киев\t"), QString(), QString()} << 3;
        QTest::newRow("empty cells") << t("\t\tabcde") << QStringList{t("\t"), t("\t"), QString(), t("abcde")} << 3;
        QTest::newRow("five characters") << t("ab\tcd") << QStringList{t("ab\t"), QString(), t("cd")} << 2;
    }
    void slotLayout()
    {
        QFETCH(QString, row);
        QFETCH(QStringList, expectedSlots);
        QFETCH(int, count);
        SplitRow split;
        splitRow(row, split);
        QCOMPARE(split.cellSlots, expectedSlots);
        QCOMPARE(split.count, count);
        // The callers' view: the slots without the empty one, i.e. the cells in row order.
        QStringList cells = expectedSlots;
        cells.removeAt(count - 1);
        QCOMPARE(split.cells(), cells);
        QCOMPARE(containsTab(row), count > 1);
    }

    void shortRowLeavesBufferAlone()
    {
        SplitRow split;
        splitRow(t("abc\tdefgh"), split);
        const SplitRow before = split;
        splitRow(t("a\tbc"), split);
        splitRow(QString(), split);
        QCOMPARE(split.cellSlots, before.cellSlots);
        QCOMPARE(split.count, before.count);
    }

    void wideRowsAndLongCells()
    {
        // No limit on the number of cells.
        QStringList cells;
        for (int i = 0; i < 40; ++i)
            cells.append(QStringLiteral("c%1").arg(i));
        SplitRow split;
        splitRow(cells.join(QLatin1Char('\t')), split);
        QCOMPARE(split.count, 40);
        QCOMPARE(split.cells().size(), 40);
        QCOMPARE(split.cells().at(39), QStringLiteral("c39"));
        QCOMPARE(split.cells().at(16), QStringLiteral("c16\t"));

        // A slot holds at most 255 characters; a cut cell loses its tab, the next cell is whole.
        const QString longCell(300, QLatin1Char('x'));
        splitRow(longCell + QLatin1Char('\t') + t("next"), split);
        QCOMPARE(split.cells(), (QStringList{longCell.left(255), t("next")}));
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
        const QString text = t("abcd\r\nИванов\tИван\r\n\r\nab\tc\nПетров\tПетр\rx\r\n");
        QCOMPARE(pastedRows(text), (QStringList{t("Иванов\tИван"), t("Петров\tПетр")}));
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
