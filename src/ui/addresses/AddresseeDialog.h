#pragma once
// The dialogs of the address book window, built at each press of "+", "Изменить" and "-" and
// shown beside the window without blocking it. Each acts on its own controls only: "Отмена" closes
// it, and its confirm button emits confirmed(), on which the address book window does the work and
// closes the dialog.

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// The seven boxes of an address record with a confirm and a cancel button.
class AddresseeDialog : public QDialog
{
    Q_OBJECT
public:
    QStringList boxTexts() const;
    void setBoxTexts(const QStringList &texts);
    QLineEdit *box(int field) const { return m_boxes.at(field); }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void confirmed();

protected:
    // Shown beside `addressBook`, in its font.
    AddresseeDialog(QWidget *addressBook, const QString &caption, const QString &confirmCaption, Qt::WindowFlags flags);

private:
    QList<QLineEdit *> m_boxes;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};

// "Добавление нового адресата": "Добавить" appends a record.
class AddAddresseeDialog : public AddresseeDialog
{
    Q_OBJECT
public:
    explicit AddAddresseeDialog(QWidget *addressBook);
};

// "Редактирование адресата": "Coхранить" replaces the record that the dialog was filled from,
// remembered by its lines as they stood (empty when the name had no record), so that a record of
// the same name added meanwhile is never taken for it.
class EditAddresseeDialog : public AddresseeDialog
{
    Q_OBJECT
public:
    EditAddresseeDialog(QWidget *addressBook, const QString &editedName, const QStringList &originalRecord);
    const QString &editedName() const { return m_editedName; }
    const QStringList &originalRecord() const { return m_originalRecord; }

private:
    QString m_editedName;
    QStringList m_originalRecord;
};

// "Удаление адресата": a click on a name marks one record of that name; "Удалить" (confirmed())
// deletes the marked records with one rewrite; "Отмена" forgets the marks.
class DeleteAddresseeDialog : public QDialog
{
    Q_OBJECT
public:
    DeleteAddresseeDialog(QWidget *addressBook, const QStringList &names);

    QListView *list() const { return m_list; }
    QPushButton *deleteButton() const { return m_delete; }
    QStringList names() const;
    const QStringList &marked() const { return m_marked; }
    // Marks the record of the entry at row and takes the entry out of the list.
    void markRow(int row);

signals:
    void confirmed();

private:
    QListView *m_list = nullptr;
    QStringListModel *m_model = nullptr;
    QPushButton *m_delete = nullptr;
    QStringList m_marked;
};
