// The line-order dialog: the paste, the column assignment and the records written on OK.

#include "logic/print/PrintingService.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"
#include "ui/mailing/LineOrderDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace testing;

namespace {

const QString ThreeColumns = t("Иванов\tИван\tКиев\r\n"
                               "Петренко\tОльга\tХарьков\r\n"
                               "Коваль\tОлег\tЛьвов\r\n"
                               "\r\n");

} // namespace

class TestLineOrder : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<LineOrderDialog> dialog;

    // A dialog opened on the given clipboard text.
    LineOrderDialog &open(const QString &clipboard)
    {
        QGuiApplication::clipboard()->setText(clipboard);
        dialog = std::make_unique<LineOrderDialog>(program->ctx());
        dialog->show();
        dialog->pasteClipboard();
        return *dialog;
    }
    void assign(int field, int column)
    {
        dialog->columnList()->setCurrentRow(column);
        QTest::mouseClick(dialog->fieldBox(field), Qt::LeftButton);
    }

private slots:
    void init() { program = std::make_unique<TestProgram>(false); }
    void cleanup()
    {
        dialog.reset();
        program.reset();
    }

    void threeColumnBlock()
    {
        LineOrderDialog &d = open(ThreeColumns);
        QVERIFY(program->messages().all.isEmpty());
        QCOMPARE(d.rows().size(), 3); // the empty line at the end makes no record
        QCOMPARE(d.countLabel()->text(), t("Кол-во строк:  3"));
        QStringList shown;
        for (int i = 0; i < d.columnList()->count(); ++i)
            shown.append(d.columnList()->item(i)->text());
        QCOMPARE(shown, (QStringList{t("Иванов"), t("Иван"), t("Киев")}));

        assign(FieldSurname, 0);
        assign(FieldTown, 2);
        QCOMPARE(d.fieldBox(FieldSurname)->text(), t("Иванов"));
        QCOMPARE(d.fieldBox(FieldTown)->text(), t("Киев"));
        QTest::mouseClick(d.findChild<QWidget *>(QStringLiteral("okButton")), Qt::LeftButton);

        QVERIFY(program->messages().all.isEmpty());
        QVERIFY(!d.isVisible());
        QCOMPARE(program->dir().read(QStringLiteral("Slfile.tmp")),
                 fixtureBytes(QStringLiteral("mailing/three_columns.Slfile.tmp")));
        const MailingData &mailing = program->state().mailing();
        QCOMPARE(mailing.mailingRecords().size(), 27);
        QCOMPARE(program->state().mailingList(), (QStringList{t("Иванов"), t("Петренко"), t("Коваль")}));
    }

    void reassignAndNoSurname()
    {
        LineOrderDialog &d = open(ThreeColumns);
        assign(FieldName, 0);
        assign(FieldName, 1); // the second click replaces the first column
        QCOMPARE(d.columnMap()[FieldName], 1);
        d.createRecords();
        const QStringList lines = program->dir().workDir().readLines(QStringLiteral("Slfile.tmp"), TextEncoding::Utf8);
        QCOMPARE(lines.size(), 27);
        QCOMPARE(lines.mid(9, 9), (QStringList{{}, t("#Ольга\t"), {}, {}, {}, {}, {}, {}, {}}));
        // Without a surname no record has a key, so the mailing list stays empty.
        QVERIFY(program->state().mailingList().isEmpty());
    }

    void badPaste_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("single column") << t("Иванов\r\nПетренко\r\n");
        QTest::newRow("only short lines") << t("a\tb\r\nab\r\n\r\n");
        QTest::newRow("empty") << QString();
        QTest::newRow("short rows before a row without tab") << t("a\tb\r\nИванов Киев\r\nПетренко\tОльга");
    }
    void badPaste()
    {
        QFETCH(QString, clipboard);
        program->dir().write(QStringLiteral("Slfile.tmp"), "old");
        program->state().setMailingList({t("прежний")});
        LineOrderDialog &d = open(clipboard);
        QCOMPARE(program->messages().shown, QStringList{t("Неверный формат данных")});
        QVERIFY(d.isVisible());
        QCOMPARE(d.columnList()->count(), 0);
        // Nothing can be assigned; OK then reports the missing data and changes nothing.
        QTest::mouseClick(d.fieldBox(FieldSurname), Qt::LeftButton);
        d.createRecords();
        QCOMPARE(program->messages().shown, (QStringList{t("Неверный формат данных"), t("Не хватает данных!")}));
        QVERIFY(!d.isVisible());
        QCOMPARE(program->dir().read(QStringLiteral("Slfile.tmp")), QByteArray("old"));
        QCOMPARE(program->state().mailingList(), QStringList{t("прежний")});
    }

    void emptyBoxesCountAsMissing()
    {
        // A field assigned to a cell that is empty in the first row leaves its box empty.
        LineOrderDialog &d = open(t("\tИван\tКиев\r\nПетренко\tОльга\tХарьков\r\n"));
        assign(FieldSurname, 0);
        QCOMPARE(d.columnMap()[FieldSurname], 0);
        d.createRecords();
        QCOMPARE(program->messages().shown, QStringList{t("Не хватает данных!")});
        QVERIFY(!program->dir().exists(QStringLiteral("Slfile.tmp")));
    }

    void sharedKeysSaidBeforeTheListIsMade()
    {
        LineOrderDialog &d =
            open(t("Коваль\tКиїв\r\nБойко\tЛьвів\r\nКоваль\tОдеса\r\nБойко\tСуми\r\nТкач\tДніпро\r\n"));
        assign(FieldSurname, 0);
        assign(FieldTown, 1);

        // "No": nothing is written and the dialog stays for another key column.
        program->messages().answers = {false};
        d.createRecords();
        QCOMPARE(program->messages().questions.size(), 1);
        const QString question = program->messages().questions.first();
        QVERIFY2(question.contains(t("строки 1 и 3: «Коваль»")), qPrintable(question));
        QVERIFY2(question.contains(t("строки 2 и 4: «Бойко»")), qPrintable(question));
        QVERIFY2(question.contains(t("один адрес")), qPrintable(question));
        QVERIFY(!question.contains(t("Ткач")));
        QVERIFY(!program->dir().exists(MailingRecordsFile));
        QVERIFY(program->state().mailingList().isEmpty());
        QVERIFY(d.isVisible());

        // "Yes": the list is made as before, both rows of a key in it.
        program->messages().answers = {true};
        d.createRecords();
        QCOMPARE(program->state().mailingList(), lines({"Коваль", "Бойко", "Коваль", "Бойко", "Ткач"}));
        QVERIFY(!d.isVisible());

        // Keys that stand once ask nothing.
        program->messages().clear();
        LineOrderDialog &other = open(t("Коваль\tКиїв\r\nБойко\tЛьвів\r\n"));
        assign(FieldSurname, 0);
        other.createRecords();
        QVERIFY(program->messages().all.isEmpty());
        QCOMPARE(program->state().mailingList(), lines({"Коваль", "Бойко"}));

        // Below a title row the rows keep the table's numbers.
        program->messages().clear();
        program->messages().answers = {false};
        LineOrderDialog &titled = open(t("Фамилия\tГород\r\nКоваль\tКиїв\r\nБойко\tЛьвів\r\nКоваль\tОдеса\r\n"));
        QVERIFY(titled.titleRowBox()->isChecked());
        assign(FieldSurname, 0);
        titled.createRecords();
        QVERIFY2(program->messages().questions.value(0).contains(t("строки 2 и 4: «Коваль»")),
                 qPrintable(program->messages().questions.value(0)));
    }

    void cancelChangesNothing()
    {
        program->state().setMailingList({t("прежний")});
        LineOrderDialog &d = open(ThreeColumns);
        assign(FieldSurname, 0);
        QTest::mouseClick(d.findChild<QWidget *>(QStringLiteral("cancelButton")), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(!program->dir().exists(QStringLiteral("Slfile.tmp")));
        QCOMPARE(program->state().mailingList(), QStringList{t("прежний")});
    }

    // "Первая строка — заголовки столбцов": ticked when the first row names the columns; ticked, that
    // row is no record.
    void titleRow_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("detected");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("keys");
        const QString titled = t("Фамилия\tГород\r\nИванов\tКиев\r\n");
        QTest::newRow("titles detected") << titled << true << true << QStringList{t("Иванов")};
        QTest::newRow("titles unticked") << titled << true << false << QStringList{t("Фамилия"), t("Иванов")};
        QTest::newRow("no titles") << ThreeColumns << false << false
                                   << QStringList{t("Иванов"), t("Петренко"), t("Коваль")};
        QTest::newRow("ticked by hand") << ThreeColumns << false << true << QStringList{t("Петренко"), t("Коваль")};
    }
    void titleRow()
    {
        QFETCH(QString, clipboard);
        QFETCH(bool, detected);
        QFETCH(bool, ticked);
        QFETCH(QStringList, keys);
        LineOrderDialog &d = open(clipboard);
        QCOMPARE(d.titleRowBox()->isChecked(), detected);
        if (ticked != detected)
            QTest::mouseClick(d.titleRowBox(), Qt::LeftButton, {}, QPoint(4, d.titleRowBox()->height() / 2));
        assign(FieldSurname, 0);
        d.createRecords();
        QCOMPARE(program->state().mailingList(), keys);
    }

    void anyTextAndRaggedRows()
    {
        // Text outside the Cyrillic code page survives; a short row gives empty lines for the
        // columns it lacks; a wide row is taken whole.
        QStringList wide;
        for (int i = 0; i < 20; ++i)
            wide.append(QStringLiteral("w%1").arg(i));
        LineOrderDialog &d = open(t("Łukasz\tKraków\t00-001\r\nНовак\tЛьвов\r\n") + wide.join(QLatin1Char('\t')));
        assign(FieldSurname, 0);
        assign(FieldTown, 1);
        assign(FieldZipCode, 2);
        d.createRecords();
        const MailingData &mailing = program->state().mailing();
        QCOMPARE(program->state().mailingList(), (QStringList{t("Łukasz"), t("Новак"), t("w0")}));
        QCOMPARE(mailing.mailingRecords().mid(9, 9),
                 (QStringList{t("%Новак\t"), {}, {}, {}, t("#Львов"), {}, {}, {}, {}}));
        QCOMPARE(mailing.mailingRecords().at(26), t("#w2\t"));
        QCOMPARE(mailing.lookupRecord(t("Łukasz")),
                 std::optional<QStringList>({t("Łukasz\t"), t("Kraków\t"), t("00-001")}));
    }
};

QTEST_MAIN(TestLineOrder)
#include "test_lineorder.moc"
