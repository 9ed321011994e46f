#pragma once
// The group mailing window: the source of the addresses (the address book or rows pasted from
// another program), the address-book name list, the mailing list and the recipient details box.
// One window for the whole run, made by the main window at the first menu command; each menu
// command rebuilds its state and shows it. The lists and the details box are views of the shared
// mailing data, which printing and the preview read.

#include <QPointer>
#include <QWidget>

struct AppContext;
class DocumentBrowser;
class FeedMethodDialog;
class LineOrderDialog;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class GroupMailingWindow : public QWidget
{
    Q_OBJECT
public:
    // Which menu command opened the window ("Файл" > "Печать" or "Дополнительно").
    enum class Origin { FileMenu, ExtrasMenu };

    // The windows it opens: the preview and the print setup belong to `mainWindow`; the print setup
    // shows `feedMethod`; "..." shows `documentBrowser`. Any of them may be absent.
    GroupMailingWindow(AppContext &ctx, QWidget *mainWindow, FeedMethodDialog *feedMethod,
                       DocumentBrowser *documentBrowser);

    // Shows the window at its place, in front, with its state built anew (see rebuild).
    void showFor(Origin origin);

    // Empty lists and details, address-book mode, "Book.txt" read again (a failure is reported and
    // leaves the name list empty).
    void rebuild(Origin origin);

    // The line-order dialog while it is open.
    LineOrderDialog *lineOrderDialog() const;

public slots:
    // "Адресная книга" and "Другой источник": the source of the addresses; the mailing list is emptied.
    void chooseAddressBook(bool checked);
    void chooseOtherSource(bool checked);
    // A click on a name of the address book, or on an entry of the mailing list: its details.
    void showBookRecord();
    void showMailingRecord();
    void addSelectedName();  // ">"
    void addAllNames();      // ">>"
    void clearMailingList(); // "Очистить"
    // "Создать": the line-order dialog for the rows on the clipboard.
    void openLineOrderDialog();
    // "Из файла…": a table file chosen in the file dialog, opened as openTableFile does.
    void chooseTableFile();
    // The line-order dialog for the rows of a table file (CSV, TSV, .ods, .xlsx); a workbook's sheet
    // `sheet`, or the one the user picks when there are several and `sheet` is -1.
    void openTableFile(const QString &path, int sheet = -1);
    void openDocumentBrowser(); // "..."
    void openPreview();         // "Preview"
    void openPrintSetup();      // "Печать"

private:
    void setAddressBookControls(bool addressBook);
    void closeLineOrderDialog();
    void showMailingList();
    // Marks the entries of the mailing list whose postal code the directory contradicts (an icon
    // and the problem as the tooltip) and shows how many there are.
    void markPostalProblems();
    void showDetails();

    AppContext &m_ctx;
    QPointer<QWidget> m_mainWindow;
    QPointer<FeedMethodDialog> m_feedMethod;
    QPointer<DocumentBrowser> m_documentBrowser;
    QRadioButton *m_addressBookButton = nullptr;
    QRadioButton *m_otherSourceButton = nullptr;
    QPushButton *m_browseButton = nullptr;
    QListWidget *m_namesList = nullptr;
    QListWidget *m_mailingList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_addAllButton = nullptr;
    QPlainTextEdit *m_detailsBox = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_createButton = nullptr;
    QPushButton *m_openTableButton = nullptr;
    QLabel *m_postalCheckLabel = nullptr;
    QPointer<LineOrderDialog> m_lineOrder;
};
