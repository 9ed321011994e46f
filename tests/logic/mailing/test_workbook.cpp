// Spreadsheet workbooks as tables: files made by LibreOffice read as the spreadsheet shows them,
// the number formats of .xlsx, and the files refused with a message before anything is inflated.

#include "logic/mailing/CellFormat.h"
#include "logic/mailing/TableMailing.h"
#include "logic/mailing/Workbook.h"
#include "support/MailingTestText.h"

#include <QTest>

using namespace testing;

class TestWorkbook : public QObject
{
    Q_OBJECT
private slots:
    void readsBothFormats_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("OpenDocument") << QStringLiteral("mailing/workbook.ods");
        QTest::newRow("Office Open XML") << QStringLiteral("mailing/workbook.xlsx");
    }
    void readsBothFormats()
    {
        QFETCH(QString, file);
        Workbook book(fixturePath(file));
        QCOMPARE(book.sheetNames(), lines({"Адреса", "Прочее"}));
        QCOMPARE(book.sheetIndex(t("прочее")), 1);
        QList<QStringList> rows;
        QList<int> numbers;
        book.readRows(0, [&](const QStringList &cells, int row) {
            rows.append(cells);
            numbers.append(row);
        });
        // Titles; a cell of two paragraphs; a five-digit postal code stored as 1001; a date; a row
        // repeated twice with repeated empty cells; kept blanks; quotes and separators.
        const QList<QStringList> expected = {
            lines({"Фамилия", "Имя", "Улица", "Город", "Индекс", "Дата"}),
            lines({"Иванов", "Иван", "ул. Крещатик, 1\nкв. 5", "Киев", "01001", "05.03.2024"}),
            lines({"Петров", "", "", "Львов", "79000"}),
            lines({"Петров", "", "", "Львов", "79000"}),
            lines({"Сидоренко    Олег", "\"Ольга\"", "пр. Мира; 7", "Днепр", "49000"}),
        };
        QCOMPARE(rows, expected);
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 4, 5}));
        QStringList second;
        book.readRows(1, [&](const QStringList &cells, int) { second += cells; });
        QCOMPARE(second.first(), t("второй лист"));
    }

    // The batch printer's mailing of a workbook's sheet is that of the same rows as a text table.
    void mailingOfASheet()
    {
        TableMailing mailing(fixturePath(QStringLiteral("mailing/workbook.xlsx")), TableEncoding::Detect,
                             QStringLiteral("0,1,-,2,3,-,-,-,4"), TitleRow::Detect, {}, t("адреса"));
        QCOMPARE(mailing.size(), 4);
        QCOMPARE(mailing.recipient(0),
                 lines({"Иванов", "Иванов\t", "Иван\t", "ул. Крещатик, 1 кв. 5\t", "Киев\t", "01001\t"}));
        QCOMPARE(mailing.postalAddress(3).postalCode, t("49000"));
        QVERIFY_THROWS_EXCEPTION(WorkbookError, TableMailing(fixturePath(QStringLiteral("mailing/workbook.ods")),
                                                             TableEncoding::Detect, QStringLiteral("0,-,-,-,-,-,-,-,-"),
                                                             TitleRow::Detect, {}, t("Нет такого")));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QString corpus = QStringLiteral("../../fuzz/corpus/workbook/");
        QTest::newRow("zip bomb") << corpus + QStringLiteral("bomb.ods") << t("zip-бомба");
        QTest::newRow("encrypted .xlsx") << corpus + QStringLiteral("encrypted_compound_file.xlsx") << t("паролем");
        QTest::newRow("password .ods") << corpus + QStringLiteral("password_protected.ods") << t("паролем");
        QTest::newRow("repeated cells") << corpus + QStringLiteral("repeated_cells_bomb.ods") << t("ячеек");
        QTest::newRow("cut short") << corpus + QStringLiteral("truncated.xlsx") << t("архив повреждён");
        QTest::newRow("another zip") << corpus + QStringLiteral("plain_zip") << t("не книга OpenDocument");
        QTest::newRow("text named .xlsx") << QStringLiteral("mailing/named_as_workbook.xlsx") << t("не zip-архив");
    }
    void refused()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        try {
            tableKindOf(fixturePath(file));
            Workbook(fixturePath(file)).readRows(0, [](const QStringList &, int) {});
            QFAIL("read");
        } catch (const WorkbookError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QFileInfo(file).fileName()), qPrintable(e.message()));
        }
    }

    void numberFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("postal code") << 1001.0 << QStringLiteral("00000") << QStringLiteral("01001");
        QTest::newRow("general integer") << 1001.0 << QStringLiteral("General") << QStringLiteral("1001");
        QTest::newRow("general fraction") << 0.1 << QString() << QStringLiteral("0.1");
        QTest::newRow("thousands") << 1234567.891 << QStringLiteral("#,##0.00") << QStringLiteral("1 234 567.89");
        QTest::newRow("percent") << 0.256 << QStringLiteral("0.0%") << QStringLiteral("25.6%");
        QTest::newRow("negative section") << -5.0 << QStringLiteral("0;(0)") << QStringLiteral("(5)");
        QTest::newRow("negative, one section") << -5.5 << QStringLiteral("0.0") << QStringLiteral("-5.5");
        QTest::newRow("phone with literals")
            << 1234567.0 << QStringLiteral("000\\-00\\-00") << QStringLiteral("123-45-67");
        QTest::newRow("quoted text") << 12.0 << QStringLiteral("\"кв. \"0") << t("кв. 12");
        QTest::newRow("date") << 45356.0 << QStringLiteral("dd\\.mm\\.yyyy") << QStringLiteral("05.03.2024");
        QTest::newRow("date and time, minutes")
            << 45356.75 << QStringLiteral("yyyy-mm-dd hh:mm") << QStringLiteral("2024-03-05 18:00");
        QTest::newRow("locale and colour dropped")
            << 7.0 << QStringLiteral("[$-419][Red]0.00") << QStringLiteral("7.00");
    }
    void numberFormats()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QCOMPARE(cellformat::formatNumber(value, format), shown);
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "test_workbook.moc"
