// The main window: start-up from the settings files, the active box, the exit question, and the
// windows it opens: the group mailing window it owns, handed the program's document browser and
// feed-method window, and the dialogs it centres on the screen.

#include "logic/files/SettingsFiles.h"
#include "support/TestSupport.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

using namespace testing;

namespace {

QRect geometryOf(MainWindow *main, const char *name)
{
    auto *w = main->findChild<QWidget *>(QString::fromLatin1(name));
    return w ? w->geometry() : QRect();
}

// The visible top-level windows of a class.
template <typename T> QList<T *> openWindows()
{
    QList<T *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            found.append(t);
    return found;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startupWithLongEnvelope()
    {
        TestProgram program;
        settings::writeEnvelopeShape(program.dir().workDir(), EnvelopeShape::Long);
        settings::writeEnvelopeSize(program.dir().workDir(), 7, 1000);
        MainWindow *main = program.start();
        QVERIFY(program.messages().all.isEmpty());
        QCOMPARE(program.state().envelopeShape(), EnvelopeShape::Long);
        QCOMPARE(program.state().envelopeHeight(), 7);
        QCOMPARE(program.state().envelopeWidth(), 1000);
        QCOMPARE(geometryOf(main, "envelopeShape"), QRect(24, 40, 650, 310));
        QCOMPARE(geometryOf(main, "recipientBox").topLeft(), QPoint(449, 181));
        QCOMPARE(geometryOf(main, "recipientLabel").topLeft(), QPoint(449, 165));
        QCOMPARE(geometryOf(main, "stamp").topLeft(), QPoint(587, 60));
        QCOMPARE(main->findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(), QStringLiteral("7 X 1000мм"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Велтора"));
        QCOMPARE(main->recipientBox()->font().bold(), true); // the installed recipient font is bold
    }

    void startupWithoutEnvtip()
    {
        TestProgram program;
        program.dir().remove(QStringLiteral("envtip"));
        MainWindow *main = program.start();
        QCOMPARE(program.messages().errors, QStringList{QStringLiteral("File not found")});
        QCOMPARE(geometryOf(main, "envelopeShape"), QRect(24, 40, 625, 448));
        QCOMPARE(geometryOf(main, "recipientBox").topLeft(), QPoint(400, 328));
        QCOMPARE(geometryOf(main, "recipientLabel").topLeft(), QPoint(400, 312));
        QCOMPARE(geometryOf(main, "stamp").topLeft(), QPoint(552, 64));
        QCOMPARE(main->findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(), QStringLiteral("Размер конверта"));
        // The later steps were skipped: no size was read.
        QCOMPARE(program.state().envelopeWidth(), 0);
    }

    void startupWithShortFontFile()
    {
        TestProgram program;
        program.dir().write(QStringLiteral("AddrFont"), QByteArray(10, '\0'));
        MainWindow *main = program.start();
        QCOMPARE(program.messages().errors, QStringList{QStringLiteral("Read beyond end of file")});
        // The failure came after the size was read, before the size label was written.
        QCOMPARE(program.state().envelopeWidth(), 220);
        QCOMPARE(main->findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(), QStringLiteral("Размер конверта"));
    }

    void activeBoxFollowsClicksNotFocus()
    {
        TestProgram program;
        MainWindow *main = program.start();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->senderBox()->setPlainText(QStringLiteral("отправитель"));
        main->recipientBox()->setPlainText(QStringLiteral("получатель"));

        // Before any click the edit commands act on the recipient box.
        main->selectAll();
        QCOMPARE(main->recipientBox()->textCursor().selectedText(), QStringLiteral("получатель"));

        QApplication::clipboard()->setText(QStringLiteral("Х"));
        QTest::mouseClick(main->senderBox()->viewport(), Qt::LeftButton);
        QCOMPARE(main->activeBox(), main->senderBox());
        // Moving the focus with the keyboard does not change the active memo.
        main->recipientBox()->setFocus();
        main->paste();
        QVERIFY(main->senderBox()->toPlainText().contains(QStringLiteral("Х")));
        QCOMPARE(main->recipientBox()->toPlainText(), QStringLiteral("получатель"));

        QTest::mouseClick(main->recipientBox()->viewport(), Qt::LeftButton);
        QCOMPARE(main->activeBox(), main->recipientBox());
        main->selectAll();
        main->copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("получатель"));
    }

    void exitQuestion()
    {
        TestProgram program;
        MainWindow *main = program.start();
        int quits = 0;
        main->quitProgram = [&] { ++quits; };
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));

        program.messages().answers = {false};
        QVERIFY(!main->close()); // close box, answered No: the window stays
        QVERIFY(main->isVisible());
        QCOMPARE(quits, 0);

        program.messages().answers = {false};
        main->exitProgram(); // menu, answered No
        QCOMPARE(quits, 0);

        program.messages().answers = {true};
        main->exitProgram(); // Yes ends the program, with no second question
        QCOMPARE(quits, 1);
        QCOMPARE(program.messages().questions.size(), 3);
        QCOMPARE(program.messages().questions.last(), QStringLiteral("Вы действительно хотите выйти?"));
        QVERIFY(main->close());
        QCOMPARE(program.messages().questions.size(), 3);
    }

    void nothingWrittenAtExit()
    {
        TestProgram program;
        MainWindow *main = program.start();
        const QByteArray parfile = program.dir().read(QStringLiteral("parfile"));
        main->senderBox()->setPlainText(QStringLiteral("текст"));
        program.messages().answers = {true};
        main->exitProgram();
        QCOMPARE(program.dir().read(QStringLiteral("parfile")), parfile);
    }

    void menuAndToolBar()
    {
        TestProgram program;
        MainWindow *main = program.start();
        QStringList captions;
        for (QAction *a : main->findChildren<QAction *>()) {
            if (a->objectName().endsWith(QStringLiteral("Action")))
                captions.append(QString(a->text()).remove(QLatin1Char('&')));
        }
        for (const char *c : {"Написать письмо", "Данный конверт", "Групповая рассылка", "Выход", "Копировать",
                              "Вставить", "Выделить всё", "Размер конверта", "Шрифт", "Адресная книга",
                              "Инф. о пользователе", "Почтовый индекс", "Вызов справки ", "О программе"})
            QVERIFY2(captions.contains(QString::fromUtf8(c)), c);
        auto *bar = main->findChild<QToolBar *>(QStringLiteral("toolBar"));
        QStringList hints;
        for (QAction *a : bar->actions())
            hints.append(a->toolTip());
        QCOMPARE(hints, (QStringList{QStringLiteral("Написать письмо"), QStringLiteral("Копировать"),
                                     QStringLiteral("Вставить"), QStringLiteral("Печать данного конверта"),
                                     QStringLiteral("Размеры конверта"), QStringLiteral("Адресная книга"),
                                     QStringLiteral("Настройка шрифтов"), QStringLiteral("Информация о пользователе"),
                                     QStringLiteral("Справка"), QStringLiteral("Выход")}));
        for (QAction *a : bar->actions())
            QVERIFY(!a->icon().isNull());
    }

    void helpOpensTheGuide()
    {
        TestProgram program;
        MainWindow *main = program.start();
        main->showHelp();
#ifndef Q_OS_WIN
        QCOMPARE(program.desktop().opened.size(), 1);
        QVERIFY(program.desktop().opened.first().endsWith(QStringLiteral("help/index.html")));
        QVERIFY(QFile::exists(program.desktop().opened.first()));
#endif
    }

    // Nothing to open the guide with: the program's own help window shows it, links and all. Nothing
    // to write a letter with: the user is told what is missing.
    void helpAndLetterWithoutTheProgramsSaySo()
    {
        TestProgram program;
        MainWindow *main = program.start();
        program.desktop().fails = true;
        main->findChild<QAction *>(QStringLiteral("helpAction"))->trigger();
#ifndef Q_OS_WIN
        QTextBrowser *browser = main->helpWindow()->browser();
        browser->setSource(QUrl(QStringLiteral("mailing.html")));
        QVERIFY(main->helpWindow()->isVisible() && browser->toPlainText().contains(QStringLiteral("рассылк")));
#endif
        main->findChild<QAction *>(QStringLiteral("writeLetterAction"))->trigger();
        QCOMPARE(program.messages().shown.size(), 1);
        const QString letter = program.messages().shown.last();
        QVERIFY2(letter.startsWith(QStringLiteral("Не удалось")), qPrintable(letter));
#ifndef Q_OS_WIN
        QVERIFY2(letter.contains(QStringLiteral("LibreOffice Writer")), qPrintable(letter));
#endif
        QVERIFY(program.messages().errors.isEmpty());
    }

    void groupMailingWindowIsOneForTheRun()
    {
        TestProgram program;
        MainWindow *main = program.start();
        QVERIFY(!main->groupMailingWindow()); // made at the first menu command
        main->openGroupMailing();
        QPointer<GroupMailingWindow> first = main->groupMailingWindow();
        QVERIFY(first && first->isVisible());
        first->close();
        main->printGroupMailing();
        QCOMPARE(main->groupMailingWindow(), first.data());
        QVERIFY(first->isVisible());
    }

    // The group mailing window opens the windows that the program made, and its preview and print
    // setup belong to the main window.
    void groupMailingWindowUsesTheProgramsWindows()
    {
        TestProgram program;
        MainWindow *main = program.start();
        main->openGroupMailing();
        GroupMailingWindow *mailing = main->groupMailingWindow();

        QWidget *modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            if (modal)
                modal->close();
        });
        mailing->openDocumentBrowser();
        QCOMPARE(modal, static_cast<QWidget *>(program.documentBrowser()));

        mailing->openPreview();
        const QList<PreviewWindow *> previews = openWindows<PreviewWindow>();
        QCOMPARE(previews.size(), 1);
        QCOMPARE(previews.first()->parentWidget(), main);

        mailing->openPrintSetup();
        const QList<PrintSetupDialog *> setups = openWindows<PrintSetupDialog>();
        QCOMPARE(setups.size(), 1);
        QCOMPARE(setups.first()->parentWidget(), main);
        modal = nullptr;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            if (modal)
                modal->close();
        });
        findControl<QPushButton>(setups.first(), "feedMethodButton")->click();
        QCOMPARE(modal, static_cast<QWidget *>(program.feedMethodDialog()));
    }

    void documentBrowserClosesWhenTheFocusIsLost()
    {
        TestProgram program;
        MainWindow *main = program.start();
        program.documentBrowser()->show();
        main->closeDocumentBrowser();
        QVERIFY(!program.documentBrowser()->isVisible());
        main->closeDocumentBrowser(); // already closed: nothing happens
        QVERIFY(!program.documentBrowser()->isVisible());
    }

    // The windows that open in the middle of the screen, whatever their size.
    void dialogsOpenCentredOnTheScreen()
    {
        TestProgram program;
        MainWindow *main = program.start();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        auto verifyCentred = [&](const QWidget &w) {
            const QRect g = w.geometry();
            const int left = g.left() - area.left(), right = area.right() - g.right();
            const int top = g.top() - area.top(), bottom = area.bottom() - g.bottom();
            // QRect::center() rounds down: the margins may differ by two pixels.
            QVERIFY2(qAbs(left - right) <= 2 && qAbs(top - bottom) <= 2, qPrintable(w.objectName()));
        };
        verifyCentred(AddressBookDialog(program.ctx(), main));
        verifyCentred(SenderDialog(program.ctx(), main));
        verifyCentred(PostalCodeDialog(program.ctx(), main));
        verifyCentred(*program.documentBrowser());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
