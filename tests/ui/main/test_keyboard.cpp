// The keyboard: in every dialog Enter presses the confirming button and Escape closes the dialog
// without it; Tab reaches every control of every window; the menu's standard shortcuts; the column
// mapping of the line-order dialog without the mouse.

#include "logic/services/Language.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QApplication>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtWidgets>
#include <functional>

using namespace testing;

namespace {

using DialogFactory = std::function<QDialog *(TestProgram &)>;

// The dialogs of the program, each made as its window makes it.
QMap<QString, DialogFactory> dialogs()
{
    return {
        {QStringLiteral("size"), [](TestProgram &p) -> QDialog * { return new SizeDialog(p.ctx(), nullptr); }},
        {QStringLiteral("fonts"), [](TestProgram &p) -> QDialog * { return new FontSetupDialog(p.ctx()); }},
        {QStringLiteral("add addressee"), [](TestProgram &) -> QDialog * { return new AddAddresseeDialog(nullptr); }},
        {QStringLiteral("edit addressee"),
         [](TestProgram &) -> QDialog * { return new EditAddresseeDialog(nullptr, QStringLiteral("Иванов"), {}); }},
        {QStringLiteral("delete addressees"),
         [](TestProgram &) -> QDialog * { return new DeleteAddresseeDialog(nullptr, {QStringLiteral("Иванов")}); }},
        {QStringLiteral("postal codes"), [](TestProgram &p) -> QDialog * { return new PostalCodeDialog(p.ctx()); }},
        {QStringLiteral("sender"), [](TestProgram &p) -> QDialog * { return new SenderDialog(p.ctx()); }},
        {QStringLiteral("line order"),
         [](TestProgram &p) -> QDialog * {
             auto *d = new LineOrderDialog(p.ctx());
             d->pasteText(t("Иванов\tКиев\r\nПетренко\tХарьков\r\n"));
             return d;
         }},
        {QStringLiteral("row limit"), [](TestProgram &p) -> QDialog * { return new RowLimitWarning(p.ctx()); }},
        {QStringLiteral("feed method"), [](TestProgram &p) -> QDialog * { return new FeedMethodDialog(p.ctx()); }},
        {QStringLiteral("print setup"),
         [](TestProgram &p) -> QDialog * { return new PrintSetupDialog(p.ctx(), nullptr); }},
        {QStringLiteral("about"), [](TestProgram &) -> QDialog * { return new AboutDialog(nullptr); }},
        {QStringLiteral("address book"), [](TestProgram &p) -> QDialog * { return new AddressBookDialog(p.ctx()); }},
        {QStringLiteral("document browser"), [](TestProgram &p) -> QDialog * { return new DocumentBrowser(p.ctx()); }},
    };
}

// Shows the dialog as the active window, the focus where a user starts (or on the named control).
void showActive(QWidget *dialog, const QString &focus)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (!focus.isEmpty())
        dialog->findChild<QWidget *>(focus)->setFocus();
}

// The controls that Tab never reaches (the tool bar is the menu's; of a group, Tab reaches the choice).
QStringList missedByTab(QWidget *window)
{
    QSet<QWidget *> reached;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    QStringList missed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QWidget *p = w->parentWidget();
        const auto group =
            qobject_cast<QRadioButton *>(w) ? p->findChildren<QRadioButton *>() : QList<QRadioButton *>{};
        if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
             qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractScrollArea *>(w)) &&
            w->isVisibleTo(window) && w->isEnabled() && !qobject_cast<QToolBar *>(p) && !qobject_cast<QComboBox *>(p) &&
            !qobject_cast<QAbstractSpinBox *>(p) && !reached.contains(w) && !reached.contains(w->focusProxy()) &&
            std::none_of(group.cbegin(), group.cend(), [&](QRadioButton *c) { return reached.contains(c); }))
            missed.append(w->objectName());
        if (auto *box = qobject_cast<QPlainTextEdit *>(w); box && box->toPlainText().contains(QLatin1Char('\t')))
            missed.append(w->objectName() + QStringLiteral(" (typed Tab)"));
    }
    return missed;
}

QWidget *keyTarget(QDialog *dialog)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == dialog ? focus : dialog;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("confirm"); // the confirming button; empty for a dialog without one
        QTest::addColumn<QString>("focus");   // a control to start from; empty for where it opens
        QTest::newRow("size") << "size"
                              << "okButton" << QString();
        QTest::newRow("fonts") << "fonts"
                               << "okButton"
                               << "senderFontList";
        QTest::newRow("add addressee") << "add addressee"
                                       << "confirmButton"
                                       << "nameBox";
        QTest::newRow("edit addressee") << "edit addressee"
                                        << "confirmButton"
                                        << "townBox";
        QTest::newRow("delete addressees") << "delete addressees"
                                           << "deleteButton"
                                           << "namesList";
        QTest::newRow("postal codes, region") << "postal codes"
                                              << "searchButton"
                                              << "regionBox";
        QTest::newRow("sender, from a button") << "sender"
                                               << "saveButton"
                                               << "clearButton";
        QTest::newRow("line order") << "line order"
                                    << "okButton"
                                    << "columnList";
        QTest::newRow("row limit") << "row limit"
                                   << "okButton" << QString();
        QTest::newRow("feed method") << "feed method"
                                     << "okButton"
                                     << "leftEdgeButton";
        QTest::newRow("print setup") << "print setup"
                                     << "okButton"
                                     << "copiesBox";
        QTest::newRow("about") << "about"
                               << "closeButton" << QString();
        QTest::newRow("address book") << "address book" << QString() << "namesList";
        QTest::newRow("document browser") << "document browser" << QString() << "folderBox";
    }
    void enterAndEscape()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, confirm);
        QFETCH(QString, focus);
        TestProgram program;
        const DialogFactory make = dialogs().value(dialog);

        // The confirming button is the one default button of the dialog.
        QPointer<QDialog> d = make(program);
        QList<QPushButton *> defaults;
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->isDefault())
                defaults.append(b);
        if (confirm.isEmpty()) {
            QVERIFY(defaults.isEmpty());
        } else {
            QCOMPARE(defaults.size(), 1);
            QCOMPARE(defaults.first()->objectName(), confirm);
            showActive(d, focus);
            QSignalSpy pressed(defaults.first(), &QPushButton::clicked);
            QTest::keyClick(keyTarget(d), Qt::Key_Return);
            QCOMPARE(pressed.size(), 1);
        }
        delete d.data();

        // Escape closes it, and the confirming button is not pressed.
        d = make(program);
        showActive(d, focus);
        QPushButton *confirmButton = confirm.isEmpty() ? nullptr : d->findChild<QPushButton *>(confirm);
        QSignalSpy pressed(confirmButton ? static_cast<QObject *>(confirmButton) : d.data(),
                           confirmButton ? SIGNAL(clicked(bool)) : SIGNAL(accepted()));
        program.messages().clear();
        QTest::keyClick(keyTarget(d), Qt::Key_Escape);
        QVERIFY(!d || !d->isVisible());
        QCOMPARE(pressed.size(), 0);
        QVERIFY(program.messages().all.isEmpty());
        delete d.data();
    }

    // Escape in the line-order dialog forgets the pasted rows, as "Отмена" does.
    void escapeForgetsPastedRows()
    {
        TestProgram program(false);
        LineOrderDialog d(program.ctx());
        d.pasteText(t("Иванов\tКиев\r\nПетренко\tХарьков\r\n"));
        showActive(&d, {});
        QTest::keyClick(d.columnList(), Qt::Key_Escape);
        QVERIFY(d.rows().isEmpty());
        QVERIFY(!program.dir().exists(QStringLiteral("Slfile.tmp")));
    }

    // Enter in the document browser's list opens the current item: a folder is entered, a file is
    // handed to the desktop.
    void browserOpensWithEnter()
    {
        TestProgram program;
        QTemporaryDir root;
        QDir(root.path()).mkdir(QStringLiteral("inner"));
        QFile file(QDir(root.path()).filePath(QStringLiteral("inner/addresses.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        DocumentBrowser browser(program.ctx());
        showActive(&browser, {});
        browser.showFolder(root.path());
        QListView *list = browser.folderList();
        auto *model = qobject_cast<QFileSystemModel *>(list->model());
        QTRY_COMPARE(model->rowCount(list->rootIndex()), 1);
        list->setFocus();
        list->setCurrentIndex(model->index(0, 0, list->rootIndex()));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(browser.currentFolder(), QDir(root.path()).filePath(QStringLiteral("inner")));
        QTRY_COMPARE(model->rowCount(list->rootIndex()), 1);
        list->setCurrentIndex(model->index(0, 0, list->rootIndex()));
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(program.desktop().opened, QStringList{file.fileName()});
        QVERIFY(browser.isVisible()); // Enter did not also close the window
    }

    // Every window in every language: Tab reaches each control (and leaves the address boxes), and
    // Escape closes the window.
    void tabReachesEveryControl_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        for (const QString &code : language::supported())
            for (const QString &name :
                 dialogs().keys() +
                     QStringList{QStringLiteral("main"), QStringLiteral("group mailing"), QStringLiteral("preview")})
                QTest::addRow("%s, %s", qPrintable(code), qPrintable(name)) << code << name;
    }
    void tabReachesEveryControl()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        QVERIFY(language::install(*qApp, code, QStringLiteral(VELTORA_TRANSLATIONS_BUILD_DIR)));
        TestProgram program;
        MainWindow *main = program.start();
        main->printGroupMailing();
        std::unique_ptr<QWidget> own(dialogs().contains(window) ? dialogs().value(window)(program) : nullptr);
        if (window == QLatin1String("preview"))
            own.reset(new PreviewWindow(program.ctx()));
        QPointer<QWidget> w = own                               ? own.get()
                              : window == QLatin1String("main") ? static_cast<QWidget *>(main)
                                                                : main->groupMailingWindow();
        showActive(w, {});
        QCOMPARE(missedByTab(w), QStringList());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(w && w->isVisible(), w == main);
        qDeleteAll(qApp->findChildren<QTranslator *>());
    }

    void menuShortcuts()
    {
        TestProgram program;
        MainWindow *main = program.start();
        main->show();
        QApplication::setActiveWindow(main);
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(program.desktop().opened.size(), 1);

        program.messages().answers = {false};
        QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(program.messages().questions.size(), 1);

        QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(program.feedMethodDialog()->isVisible()); // the first step of a single print

        // Copy and select all act on the box that has the focus.
        main->recipientBox()->setPlainText(QStringLiteral("получатель"));
        main->recipientBox()->setFocus();
        QTest::keyClick(main->recipientBox(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(main->recipientBox()->textCursor().selectedText(), QStringLiteral("получатель"));
    }

    // The words of the pasted row go into the fields without the mouse: the list chooses, Tab goes
    // to a field, Space puts the word there and Delete takes it out.
    void columnsMappedFromTheKeyboard()
    {
        TestProgram program(false);
        LineOrderDialog d(program.ctx());
        d.pasteText(t("Иванов\tКиев\r\nПетренко\tХарьков\r\n"));
        showActive(&d, {});
        d.columnList()->setFocus();
        QTest::keyClick(d.columnList(), Qt::Key_Down); // the first word
        QTest::keyClick(d.columnList(), Qt::Key_Down); // the second
        QVERIFY(d.columnList()->currentItem()->isSelected());
        QTest::keyClick(d.columnList(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.fieldBox(FieldSurname));
        for (int field = FieldSurname; field < FieldTown; ++field)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d.fieldBox(FieldTown));
        QTest::keyClick(d.fieldBox(FieldTown), Qt::Key_Space);
        QCOMPARE(d.fieldBox(FieldTown)->text(), t("Киев"));
        QCOMPARE(d.columnMap()[FieldTown], 1);

        QTest::keyClick(d.fieldBox(FieldTown), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(d.fieldBox(FieldStreet), Qt::Key_Space);
        QCOMPARE(d.fieldBox(FieldStreet)->text(), t("Киев"));
        QTest::keyClick(d.fieldBox(FieldStreet), Qt::Key_Delete);
        QVERIFY(d.fieldBox(FieldStreet)->text().isEmpty());
        QCOMPARE(d.columnMap()[FieldStreet], -1);
        QCOMPARE(d.columnMap()[FieldTown], 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
