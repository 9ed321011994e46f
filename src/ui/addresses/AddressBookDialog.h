#pragma once
// The address book window: the sorted names of "Book.txt", the fields of the one selected, and
// the add, edit and delete dialogs, built at each press and shown beside the window.
//
// The window keeps a working copy of the file (AddressBook). After every confirmed action the list
// shows the names of the file as written: a write leaves the copy equal to the file, and the list
// is brought up to date entry by entry; a file changed behind the window's back is read again.

#include "logic/addresses/AddressBook.h"

#include <QDialog>

struct AppContext;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;
class AddresseeDialog;
class AddAddresseeDialog;
class EditAddresseeDialog;
class DeleteAddresseeDialog;
class SenderDialog;

class AddressBookDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AddressBookDialog(AppContext &ctx, QWidget *parent = nullptr);
    ~AddressBookDialog() override;

    QListView *ListBox1() const { return m_list; }
    QPlainTextEdit *Memo1() const { return m_memo; }
    // The entries of ListBox1, in the order shown.
    QStringList listedNames() const;
    const AddressBook &book() const { return m_book; }

public slots:
    // Reads the file again and shows its names; Memo1 is left as it is.
    void addrRefresh();
    void ListBox1Click();
    void BitBtn1Click();
    AddAddresseeDialog *GetNewAddressee();
    void changeButtonClick();
    EditAddresseeDialog *ChangeOldAddresse();
    DeleteAddresseeDialog *SpeedButton1Click();
    SenderDialog *BitBtn3Click();

    // The buttons of the dialogs.
    void OK_onclick(AddAddresseeDialog *dialog);
    void OK1_onclick(EditAddresseeDialog *dialog);
    void cancel_onclick(AddresseeDialog *dialog);
    void list_onclick(DeleteAddresseeDialog *dialog, int row);
    void BT_ok_onclick(DeleteAddresseeDialog *dialog);
    void BT_cancel_onclick(DeleteAddresseeDialog *dialog);

private:
    void FormCreate();
    void showNames(QStringList names);
    // Reads the file again when it changed behind the window's back.
    void syncWithFile();
    void insertName(const QString &name);
    void removeName(const QString &name);
    void clearSelection();
    QString selectedName() const;

    AppContext &m_ctx;
    AddressBook m_book;
    addressbook::NameOrder m_order;
    QStringList m_names; // sorted, what ListBox1 shows
    QStringListModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    bool m_updating = false;
};
