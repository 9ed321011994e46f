#pragma once
// The group mailing window: the source of the addresses (the address book or rows pasted from
// another program), the address-book name list, the mailing list and the recipient details box.
// One window for the whole run; each menu command rebuilds its state and shows it. The lists and
// the details box are views of the shared mailing data, which printing and the preview read.

#include <QPointer>
#include <QWidget>

struct AppContext;
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

    explicit GroupMailingWindow(AppContext &ctx);

    // Builds the window's state anew (empty lists, address-book mode, the book read again) and shows it.
    // Creates the one window of the run on first use.
    static void showGroupMailing(AppContext &ctx, Origin origin, QWidget *owner);

    // Empty lists and details, address-book mode, "book.txt" read again (a failure is reported and
    // leaves the name list empty).
    void rebuild(Origin origin);

    // The line-order dialog while it is open.
    LineOrderDialog *lineOrderDialog() const;

public slots:
    void radiobutton1click(bool checked);
    void radiobutton2click(bool checked);
    void list1click();
    void list2click();
    void button01click();
    void button06click();
    void button02click();
    void button05click();
    void GroupSendOKClick();
    void BrowseButtonClick();
    void PreviewButtonClick();
    void PrintButtonClick();

private:
    void setAddressBookControls(bool addressBook);
    void closeLineOrderDialog();
    void showMailingList();
    void showDetails();

    AppContext &m_ctx;
    QRadioButton *m_bookRadio = nullptr;
    QRadioButton *m_otherRadio = nullptr;
    QPushButton *m_browseButton = nullptr;
    QListWidget *m_names = nullptr;
    QListWidget *m_mailingList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_addAllButton = nullptr;
    QPlainTextEdit *m_details = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_createButton = nullptr;
    QPointer<LineOrderDialog> m_lineOrder;
};
