#pragma once
// The main window: a schematic envelope with the sender's and the recipient's address boxes, the
// menu and the tool bar that open every other window of the program.
//
// It owns the group mailing window (made at the first menu command that shows it) and is handed
// the document browser and the feed-method window, which the program makes after it.

#include "logic/files/SettingsFiles.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/main/HelpWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

struct AppContext;
class DocumentBrowser;
class QDialog;
class FeedMethodDialog;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext &ctx);
    ~MainWindow() override;

    // The start-up: the settings files (loadPrintSettings), then the envelope's layout and the fonts
    // from the shared state. A file that fails is reported and the steps after it are skipped.
    void loadSettings();

    // The windows that live for the whole run, made by the program after this one. The single
    // print shows the feed-method window; the group mailing window is handed both.
    void setFeedMethodDialog(FeedMethodDialog *dialog);
    void setDocumentBrowser(DocumentBrowser *browser);
    // The group mailing window, once a menu command has made it.
    GroupMailingWindow *groupMailingWindow() const { return m_groupMailing.get(); }

    // Lays out the schematic envelope for a shape class.
    void layOutEnvelope(EnvelopeShape shape);
    // Loads "HomeFont" and "AddrFont" into the shared font settings and applies them to the boxes.
    void applyFonts();
    // Applies the shared font settings to the sender's and the recipient's boxes.
    void showFonts();
    void setSizeLabel(const QString &text);

    QPlainTextEdit *senderBox() const { return m_senderBox; }
    QPlainTextEdit *recipientBox() const { return m_recipientBox; }
    // The box that "Копировать", "Вставить" and "Выделить всё" act on: the one last clicked.
    QPlainTextEdit *activeBox() const { return m_activeBox; }
    // The program's own help window, while it is open.
    HelpWindow *helpWindow() const { return m_helpWindow; }

    // How the program ends when the user confirms; tests replace it.
    std::function<void()> quitProgram;

public slots:
    void writeLetter();        // Файл > Написать письмо
    void printEnvelope();      // Файл > Печать > Данный конверт
    void printGroupMailing();  // Файл > Печать > Групповая рассылка
    void exitProgram();        // Файл > Выход
    void copy();               // Правка > Копировать
    void paste();              // Правка > Вставить
    void selectAll();          // Правка > Выделить всё
    void chooseEnvelopeSize(); // Дополнительно > Размер конверта
    void chooseFonts();        // Дополнительно > Шрифт
    void openGroupMailing();   // Дополнительно > Групповая рассылка
    void openAddressBook();    // Дополнительно > Адресная книга
    void editSender();         // Дополнительно > Инф. о пользователе
    void findPostalCode();     // Дополнительно > Почтовый индекс
    void showHelp();           // Справка > Вызов справки
    void showAbout();          // Справка > О программе
    // Closes the document browser when it is open (the program has lost the focus).
    void closeDocumentBrowser();
    // Lines from the postal code window into the recipient box, each on a line of its own after
    // what the box holds.
    void insertIntoRecipientBox(const QStringList &lines);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    // Дополнительно > Язык: the languages, the one in use (or chosen for the next start) checked.
    void buildLanguageMenu(QMenu *parent);
    void chooseLanguage(const QString &code);
    // The icons drawn by the program and the envelope's colours follow the palette, also when the
    // theme changes while the program runs.
    using DrawnIcon = QIcon (*)();
    void setDrawnIcon(QAction *action, DrawnIcon icon);
    void applyThemeColours();
    void buildEnvelope();
    bool confirmExit();
    // Runs a dialog of this window; the control that had the focus has it again afterwards.
    void runDialog(QDialog &dialog);
    // Shows the group mailing window, made on first use, rebuilt for the menu it was opened from.
    void showGroupMailingWindow(GroupMailingWindow::Origin origin);

    AppContext &m_ctx;
    QWidget *m_client = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_envelopeShape = nullptr;
    QLabel *m_senderLabel = nullptr;
    QLabel *m_recipientLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLabel *m_stamp = nullptr;
    QPlainTextEdit *m_senderBox = nullptr;
    QPlainTextEdit *m_recipientBox = nullptr;
    QPlainTextEdit *m_activeBox = nullptr;
    bool m_exitConfirmed = false;
    bool m_starting = false; // the start-up runs

    QList<QPair<QAction *, DrawnIcon>> m_drawnIcons;
    QPointer<FeedMethodDialog> m_feedMethod;
    QPointer<DocumentBrowser> m_documentBrowser;
    QPointer<HelpWindow> m_helpWindow;
    std::unique_ptr<GroupMailingWindow> m_groupMailing;
};
