// The print setup dialog: its states, the printer choice, the selection modes and what OK prints.

#include "logic/state/SharedState.h"
#include "support/RecordingPrinting.h"
#include "support/TestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintSetupDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace testing;

class TestPrintSetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    RecordingPrinting *printer = nullptr;

    PrintSetupDialog *openDialog(int entries = 5)
    {
        auto p = std::make_unique<RecordingPrinting>();
        p->printerNames = {QStringLiteral("Первый"), QStringLiteral("Второй"), QStringLiteral("PDF file")};
        printer = p.get();
        program = std::make_unique<TestProgram>(true, std::move(p));
        program->start();
        SharedState &s = program->state();
        s.setEnvelopeSize(220, s.envelopeHeight());
        s.setEnvelopeSize(s.envelopeWidth(), 110);
        for (int i = 1; i <= entries; ++i)
            s.appendToMailingList(QStringLiteral("Адресат %1").arg(i));
        printer->setCurrentPrinter(QStringLiteral("Второй"));
        printer->calls.clear();
        PrintSetupDialog::open(program->ctx(), program->feedMethodDialog(), program->mainWindow());
        return findDialog();
    }
    static PrintSetupDialog *findDialog()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<PrintSetupDialog *>(w); d && d->isVisible())
                return d;
        return nullptr;
    }
    static QPushButton *button(QWidget *d, const char *name)
    {
        return d->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    void typeList(PrintSetupDialog *d, const QString &text)
    {
        d->numbersButton()->click();
        d->numberEdit()->setText(text);
    }

private slots:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<PrintSetupDialog *>(w))
                delete w;
        program.reset();
    }

    void initialState()
    {
        PrintSetupDialog *d = openDialog();
        QVERIFY(d);
        QVERIFY(!d->isModal());
        QCOMPARE(d->windowTitle(), QStringLiteral("Настройка печати"));
        QCOMPARE(d->pos(), QPoint(209, 108));
        QCOMPARE(d->printerBox()->count(), 3);
        QCOMPARE(d->printerBox()->currentText(), QStringLiteral("Второй"));
        QCOMPARE(d->statusLabel()->text(), QStringLiteral("Свободен"));
        QVERIFY(d->allButton()->isChecked());
        QVERIFY(!d->numberEdit()->isEnabled());
        QVERIFY(d->numberEdit()->text().isEmpty());
        QCOMPARE(d->copiesBox()->minimum(), 1);
        QCOMPARE(d->copiesBox()->maximum(), 50);
        QCOMPARE(d->copiesBox()->value(), 1);
        QVERIFY(printer->calls.isEmpty()); // building the dialog changes nothing on the printer
    }

    void statusReadWhenBuilt()
    {
        PrintSetupDialog *d = openDialog();
        printer->jobRunning = true;
        QCOMPARE(d->statusLabel()->text(), QStringLiteral("Свободен"));
        PrintSetupDialog busy(program->ctx(), nullptr);
        QCOMPARE(busy.statusLabel()->text(), QStringLiteral("Занят"));
        printer->jobRunning = false;
    }

    void switchingModesEmptiesTheList()
    {
        PrintSetupDialog *d = openDialog();
        QLineEdit *edit = d->numberEdit();
        const QColor disabledColour = edit->palette().color(QPalette::Disabled, QPalette::Base);
        d->numbersButton()->click();
        QVERIFY(edit->isEnabled());
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        edit->setText(QStringLiteral("1-3"));
        d->allButton()->click();
        QVERIFY(!edit->isEnabled());
        QVERIFY(edit->text().isEmpty());
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Base), disabledColour);
        QVERIFY(disabledColour != QColor(Qt::white));
        d->numbersButton()->click();
        QVERIFY(edit->text().isEmpty());
        edit->setText(QStringLiteral("2"));
        d->numbersButton()->click(); // already chosen: nothing changes
        QCOMPARE(edit->text(), QStringLiteral("2"));
    }

    void printerChoiceTakesEffectAtOnce()
    {
        PrintSetupDialog *d = openDialog();
        d->printerBox()->setCurrentIndex(2);
        emit d->printerBox()->activated(2);
        QCOMPARE(printer->currentPrinter(), QStringLiteral("PDF file"));
        button(d, "cancelButton")->click();
        QVERIFY(!findDialog());
        QCOMPARE(printer->currentPrinter(), QStringLiteral("PDF file"));
        QVERIFY(!printer->calls.contains(QStringLiteral("begin")));
    }

    void okPrints_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("closes");
        QTest::newRow("all") << true << QString() << 5 << QStringList{} << true;
        QTest::newRow("numbers") << false << QStringLiteral("5,1-2") << 3 << QStringList{} << true;
        QTest::newRow("backward range") << false << QStringLiteral("4-2") << 0 << QStringList{} << true;
        QTest::newRow("invalid character")
            << false << QStringLiteral("1;2") << 0 << QStringList{QStringLiteral("Ошибка!!!")} << true;
        QTest::newRow("empty piece") << false << QStringLiteral("1,,2") << 0 << QStringList{QStringLiteral("Ошибка!!!")}
                                     << true;
        QTest::newRow("outside the list")
            << false << QStringLiteral("2,7") << 0
            << QStringList{QStringLiteral("Нет конверта с номером 7: в списке рассылки конверты с 1 по 5")} << false;
        QTest::newRow("too large") << false << QStringLiteral("99999999999") << 0
                                   << QStringList{QStringLiteral("'99999999999' is not a valid integer value")}
                                   << false;
    }
    void okPrints()
    {
        QFETCH(bool, all);
        QFETCH(QString, text);
        QFETCH(int, pages);
        QFETCH(QStringList, messages);
        QFETCH(bool, closes);
        PrintSetupDialog *d = openDialog();
        if (!all)
            typeList(d, text);
        d->copiesBox()->setValue(2);
        button(d, "okButton")->click();
        QCOMPARE(program->messages().all, messages);
        QCOMPARE(printer->calls.count(QStringLiteral("begin")), pages > 0 ? 1 : 0);
        if (pages > 0) {
            QCOMPARE(printer->pages, pages);
            QCOMPARE(printer->copies, 2);
        }
        QCOMPARE(findDialog() == nullptr, closes);
        if (!closes)
            QCOMPARE(d->numberEdit()->text(), text); // left for the user to mend
    }

    void numbersPrintInTheOrderTyped()
    {
        PrintSetupDialog *d = openDialog();
        SharedState &s = program->state();
        QStringList book{QStringLiteral("%Адресат 1"), QStringLiteral("#Первая улица")};
        book += QStringList(5, QStringLiteral("#"));
        book += QStringList{QStringLiteral("%Адресат 3"), QStringLiteral("#Третья улица")};
        s.mailing().setBookLines(book);
        typeList(d, QStringLiteral("3,1"));
        button(d, "okButton")->click();
        QCOMPARE(printer->pages, 2);
        QCOMPARE(printer->textsOnPage(1).last().text, QStringLiteral("Третья улица"));
        QCOMPARE(printer->textsOnPage(2).last().text, QStringLiteral("Первая улица"));
        QCOMPARE(program->dir().read(QStringLiteral("txtfile.txt")), QByteArray("0\r\n3\r\n1\r\n"));
    }

    void askedBeforeEnvelopesWithWrongPostalCodes()
    {
        PrintSetupDialog *d = openDialog(0);
        SharedState &s = program->state();
        // Address-book records of real localities: one right, one with another town's code.
        const QStringList book = bookRecord({"Коваль", "вул. Франка, 1", "Дрогобич", "", "", "", "82100"}) +
                                 bookRecord({"Бойко", "вул. Лесі, 2", "Трускавець", "", "", "", "82100"});
        s.mailing().setBookLines(book);
        s.setMailingList({QStringLiteral("Коваль"), QStringLiteral("Бойко")});

        // Only the chosen envelopes count: the right one prints without a question.
        typeList(d, QStringLiteral("1"));
        button(d, "okButton")->click();
        QVERIFY(program->messages().questions.isEmpty());
        QCOMPARE(printer->pages, 1);

        PrintSetupDialog::open(program->ctx(), nullptr, program->mainWindow());
        d = findDialog();
        program->messages().answers = {false};
        printer->calls.clear();
        button(d, "okButton")->click();
        QCOMPARE(program->messages().questions.size(), 1);
        const QString question = program->messages().questions.first();
        QVERIFY2(question.contains(QStringLiteral("на 1 из 2 конвертов")), qPrintable(question));
        QVERIFY2(question.contains(QStringLiteral("2. Бойко: 82100 — Дрогобич, Львівська обл., а не Трускавець")),
                 qPrintable(question));
        QVERIFY(!printer->calls.contains(QStringLiteral("begin")));
        QCOMPARE(findDialog(), d); // left open for another choice

        program->messages().answers = {true};
        button(d, "okButton")->click();
        QCOMPARE(program->messages().questions.size(), 2);
        QCOMPARE(printer->pages, 2);
        QCOMPARE(findDialog(), nullptr);
    }

    // The media line names the paper of the chosen printer for the envelope of the moment.
    void mediaLineFollowsThePrinter()
    {
        PrintSetupDialog *d = openDialog();
        QVERIFY(d);
        printer->envelopePrinters = {QStringLiteral("Первый"), QStringLiteral("PDF file")};
        QLabel *media = d->findChild<QLabel *>(QStringLiteral("mediaLabel"));
        QVERIFY(media);
        QCOMPARE(media->text(), QStringLiteral("A4 210 × 297 мм (бумага принтера)"));
        program->state().setEnvelopeSize(229, 162);
        d->printerBox()->setCurrentIndex(0);
        d->choosePrinter(0);
        QCOMPARE(media->text(), QStringLiteral("конверт 229 × 162 мм"));
        d->choosePrinter(1);
        QCOMPARE(media->text(), QStringLiteral("A4 210 × 297 мм (бумага принтера)"));
    }

    void feedMethodWindowIsModal()
    {
        PrintSetupDialog *d = openDialog();
        FeedMethodDialog *feed = program->feedMethodDialog();
        bool wasModal = false;
        QTimer::singleShot(0, feed, [&] {
            wasModal = QApplication::activeModalWidget() == feed;
            static_cast<QDialog *>(feed)->done(QDialog::Rejected);
        });
        button(d, "feedMethodButton")->click();
        QVERIFY(wasModal);
        QVERIFY(findDialog()); // the dialog stays open
    }
};

QTEST_MAIN(TestPrintSetup)
#include "test_printsetup.moc"
