// Which first row of a table is taken for column titles. The rest of a table's mailing (rows
// refused, keys shared, titles skipped) is tested as veltora-batch reads a table (tests/cli).

#include "logic/mailing/TableMailing.h"

#include <QTest>

namespace {

// Surname, street, locality and postal code in the first four columns.
ColumnMap fourColumns()
{
    ColumnMap columns = emptyColumnMap();
    const QList<int> map = parseColumnMap(QStringLiteral("0,-,-,1,2,-,-,-,3"));
    for (int f = 0; f < int(columns.size()); ++f)
        columns[f] = map.at(f);
    return columns;
}

} // namespace

class TestTableMailing : public QObject
{
    Q_OBJECT
private slots:
    void titleRow_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second"); // empty: the table has one row
        QTest::addColumn<bool>("titles");
        const QStringList recipient{QStringLiteral("Шевченко"), QStringLiteral("вул. Хрещатик, 1"),
                                    QStringLiteral("Київ"), QStringLiteral("01001")};
        QTest::newRow("a recipient") << recipient << recipient << false;
        QTest::newRow("a title in another case, with a colon")
            << QStringList{QStringLiteral("ФАМИЛИЯ:"), QStringLiteral("x"), QStringLiteral("y"),
                           QStringLiteral("01001")}
            << recipient << true;
        QTest::newRow("a marked title in a later column")
            << QStringList{QStringLiteral("Кому"), QStringLiteral(" Street* "), QStringLiteral("Где"),
                           QStringLiteral("01001")}
            << recipient << true;
        QTest::newRow("a title in a column the map leaves out")
            << recipient + QStringList{QStringLiteral("Фамилия")} << recipient << false;
        QTest::newRow("a code without digits over one with them")
            << QStringList{QStringLiteral("Кому"), QStringLiteral("Куда"), QStringLiteral("Где"), QStringLiteral("Код")}
            << recipient << true;
        QTest::newRow("a code without digits and no second row")
            << QStringList{QStringLiteral("Кому"), QStringLiteral("Куда"), QStringLiteral("Где"), QStringLiteral("Код")}
            << QStringList() << false;
        QTest::newRow("no digits in either code")
            << QStringList{QStringLiteral("Кому"), QStringLiteral("Куда"), QStringLiteral("Где"), QStringLiteral("Код")}
            << QStringList{QStringLiteral("Шевченко"), QStringLiteral("вул. Хрещатик, 1"), QStringLiteral("Київ"),
                           QStringLiteral("б/н")}
            << false;
        QTest::newRow("an empty code") << QStringList{QStringLiteral("Кому"), QStringLiteral("Куда"),
                                                      QStringLiteral("Где"), QString()}
                                       << recipient << false;
    }
    void titleRow()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(bool, titles);
        QCOMPARE(looksLikeTitles(first, second.isEmpty() ? nullptr : &second, fourColumns()), titles);
    }
};

QTEST_MAIN(TestTableMailing)
#include "test_tablemailing.moc"
