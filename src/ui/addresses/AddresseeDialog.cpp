#include "ui/addresses/AddresseeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/AddressBook.h"
#include "ui/addresses/AddressBookDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>

namespace {

const Qt::WindowFlags FixedDialogFlags = formlook::FixedDialogFlags;

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QStyle::StandardPixmap icon,
                        const QRect &geometry)
{
    auto *button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// The dialogs are sized as whole windows; their client area is that less a single fixed border
// and a caption.
QSize outerToClient(const QSize &outer)
{
    return outer - QSize(6, 25);
}

// Left edge at half the sum of the window's left edge and width.
int besideLeft(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    return (frame.left() + frame.width()) / 2;
}

} // namespace

AddresseeDialog::AddresseeDialog(AddressBookDialog &form, const QString &caption, const QString &confirmCaption,
                                 Qt::WindowFlags flags)
    : QDialog(&form, flags)
    , m_form(form)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(form.font());
    setWindowTitle(caption);
    setFixedSize(outerToClient(QSize(303, 342)));

    static const char *const captions[addressbook::RecordLines] = {"Ф.И.О или назване организации",
                                                                   "Улица, дом, квартира",
                                                                   "Населенный пункт",
                                                                   "Район",
                                                                   "Область",
                                                                   "Страна",
                                                                   "Почтовый индекс"};
    for (int field = 0; field < addressbook::RecordLines; ++field) {
        const int top = 24 + 40 * field;
        auto *label = new QLabel(QString::fromUtf8(captions[field]), this);
        label->setObjectName(QStringLiteral("Label%1").arg(field + 1));
        label->move(32, top - 16);
        label->adjustSize();
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Edit%1").arg(field + 1));
        box->setGeometry(32, top, 121, 21);
        box->setMaxLength(addressbook::BoxLength);
        label->setBuddy(box);
        m_boxes.append(box);
    }

    m_confirm =
        makeButton(this, QStringLiteral("OK"), confirmCaption, QStyle::SP_DialogOkButton, QRect(198, 144, 85, 25));
    m_confirm->setDefault(true);
    m_cancel = makeButton(this, QStringLiteral("Cancel"), QStringLiteral("Отмена"), QStyle::SP_DialogCancelButton,
                          QRect(198, 184, 85, 25));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_form.cancel_onclick(this); });

    move(besideLeft(form), 107);
}

QStringList AddresseeDialog::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts.append(box->text());
    return texts;
}

void AddresseeDialog::setBoxTexts(const QStringList &texts)
{
    for (int field = 0; field < m_boxes.size(); ++field) {
        const QString text = field < texts.size() ? texts.at(field) : QString();
        QLineEdit *box = m_boxes.at(field);
        // A longer line of the file is shown whole rather than cut by the box.
        box->setMaxLength(std::max<int>(addressbook::BoxLength, text.size()));
        box->setText(text);
        box->setCursorPosition(0);
    }
}

AddAddresseeDialog::AddAddresseeDialog(AddressBookDialog &form)
    : AddresseeDialog(form, QStringLiteral("Добавление нового адресата"), QStringLiteral("Добавить"),
                      Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AddDialog"));
    connect(confirmButton(), &QPushButton::clicked, this, [this] { m_form.OK_onclick(this); });
}

EditAddresseeDialog::EditAddresseeDialog(AddressBookDialog &form, const QString &editedName)
    : AddresseeDialog(form, QStringLiteral("Редактирование адресата"),
                      // The first two letters are Latin, as the program has always had them.
                      QStringLiteral("C") + QStringLiteral("oхранить"), FixedDialogFlags)
    , m_editedName(editedName)
{
    setObjectName(QStringLiteral("EditDialog"));
    connect(confirmButton(), &QPushButton::clicked, this, [this] { m_form.OK1_onclick(this); });
}

DeleteAddresseeDialog::DeleteAddresseeDialog(AddressBookDialog &form, const QStringList &names)
    : QDialog(&form, FixedDialogFlags)
    , m_form(form)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(form.font());
    setObjectName(QStringLiteral("DeleteDialog"));
    setWindowTitle(QStringLiteral("Удаление адресата"));
    setFixedSize(outerToClient(QSize(247, 341)));

    auto *label = new QLabel(QStringLiteral("Выберите записи, подлежащие удалению"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(12, 8);
    label->adjustSize();

    m_model = new QStringListModel(names, this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ListBox"));
    m_list->setGeometry(24, 32, 193, 217);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    connect(m_list, &QListView::clicked, this,
            [this](const QModelIndex &index) { m_form.list_onclick(this, index.row()); });

    QPushButton *ok = makeButton(this, QStringLiteral("BT_ok"), QStringLiteral("Удалить"), QStyle::SP_DialogOkButton,
                                 QRect(40, 264, 75, 25));
    ok->setDefault(true);
    QPushButton *cancel = makeButton(this, QStringLiteral("BT_cancel"), QStringLiteral("Отмена"),
                                     QStyle::SP_DialogCancelButton, QRect(144, 264, 75, 25));
    connect(ok, &QPushButton::clicked, this, [this] { m_form.BT_ok_onclick(this); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_form.BT_cancel_onclick(this); });

    move(besideLeft(form), form.frameGeometry().top());
}

QStringList DeleteAddresseeDialog::names() const
{
    return m_model->stringList();
}

void DeleteAddresseeDialog::markRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_marked.append(m_model->index(row).data().toString());
    m_model->removeRows(row, 1);
}
