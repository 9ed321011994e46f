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

    QListView *namesList() const { return m_namesList; }
    QPlainTextEdit *detailsBox() const { return m_detailsBox; }
    // The entries of the name list, in the order shown.
    QStringList listedNames() const;
    const AddressBook &book() const { return m_book; }

public slots:
    // Reads the file again and shows its names; the details box is left as it is.
    void reloadNames();
    // A click on a name: its record in the details box.
    void showSelectedRecord();
    // "+": a new add dialog beside the window.
    AddAddresseeDialog *openAddDialog();
    // "Изменить": an edit dialog for the selected name ("Адресат не выбран!" without one).
    EditAddresseeDialog *openEditDialog();
    // "-": a delete dialog listing the names.
    DeleteAddresseeDialog *openDeleteDialog();
    // The user button: the sender information window beside the window.
    SenderDialog *openSenderDialog();

    // "Импорт и экспорт" menu: a file chosen in the file dialog, then importFile or exportFile.
    void chooseImportFile();
    void chooseExportFile(bool selectedOnly);
    // Adds the contacts of a vCard file or a table (CSV, TSV, .ods, .xlsx) to the book with one
    // rewrite; a name already there asks replace, skip or keep both; then a summary.
    void importFile(const QString &path);
    // Writes the whole book, or the selected names, as vCard 4.0 (a name ending in .vcf) or as CSV.
    void exportFile(const QString &path, bool selectedOnly);

private:
    // The confirm buttons of the dialogs: the book is changed, the dialog closed, the list updated.
    // An edit whose record was changed or deleted since the dialog opened is refused with a
    // message, nothing written and the dialog left open.
    void addRecord(AddAddresseeDialog *dialog);
    void replaceRecord(EditAddresseeDialog *dialog);
    void deleteMarkedRecords(DeleteAddresseeDialog *dialog);

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
    QStringList m_names; // sorted, what the name list shows
    QStringListModel *m_model = nullptr;
    QListView *m_namesList = nullptr;
    QPlainTextEdit *m_detailsBox = nullptr;
    bool m_updating = false;
};
