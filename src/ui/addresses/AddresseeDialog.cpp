#include "ui/addresses/AddresseeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/AddressBook.h"
#include "ui/common/WholeText.h"

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

AddresseeDialog::AddresseeDialog(QWidget *addressBook, const QString &caption, const QString &confirmCaption,
                                 Qt::WindowFlags flags)
    : QDialog(addressBook, flags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (addressBook)
        setFont(addressBook->font());
    setWindowTitle(caption);
    setFixedSize(outerToClient(QSize(303, 342)));

    struct Field
    {
        const char *label, *box, *caption;
    };
    static const Field fields[addressbook::RecordLines] = {
        {"nameLabel", "nameBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Ф.И.О или назване организации")},
        {"addressLabel", "addressBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Улица, дом, квартира")},
        {"townLabel", "townBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Населенный пункт")},
        {"districtLabel", "districtBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Район")},
        {"regionLabel", "regionBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Область")},
        {"countryLabel", "countryBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Страна")},
        {"postalCodeLabel", "postalCodeBox", QT_TRANSLATE_NOOP("AddresseeDialog", "Почтовый индекс")}};
    for (int field = 0; field < addressbook::RecordLines; ++field) {
        const int top = 24 + 40 * field;
        auto *label = new QLabel(tr(fields[field].caption), this);
        label->setObjectName(QString::fromLatin1(fields[field].label));
        label->move(32, top - 16);
        label->adjustSize();
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(fields[field].box));
        box->setGeometry(32, top, 121, 21);
        box->setMaxLength(addressbook::BoxLength);
        label->setBuddy(box);
        showCutTextWhole(box);
        m_boxes.append(box);
    }

    m_confirm = makeButton(this, QStringLiteral("confirmButton"), confirmCaption, QStyle::SP_DialogOkButton,
                           QRect(198, 144, 85, 25));
    m_confirm->setDefault(true);
    m_cancel = makeButton(this, QStringLiteral("cancelButton"), tr("Отмена"), QStyle::SP_DialogCancelButton,
                          QRect(198, 184, 85, 25));
    formlook::fitCaption(m_cancel);
    connect(m_confirm, &QPushButton::clicked, this, &AddresseeDialog::confirmed);
    connect(m_cancel, &QPushButton::clicked, this, &AddresseeDialog::close);

    if (addressBook)
        move(besideLeft(*addressBook), 107);
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

AddAddresseeDialog::AddAddresseeDialog(QWidget *addressBook)
    : AddresseeDialog(addressBook, tr("Добавление нового адресата"), tr("Добавить"),
                      Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AddAddresseeDialog"));
}

EditAddresseeDialog::EditAddresseeDialog(QWidget *addressBook, const QString &editedName,
                                         const QStringList &originalRecord)
    : AddresseeDialog(addressBook, tr("Редактирование адресата"),
                      // The first two letters are Latin, as the program has always had them.
                      tr("Cохранить"), FixedDialogFlags)
    , m_editedName(editedName)
    , m_originalRecord(originalRecord)
{
    setObjectName(QStringLiteral("EditAddresseeDialog"));
}

DeleteAddresseeDialog::DeleteAddresseeDialog(QWidget *addressBook, const QStringList &names)
    : QDialog(addressBook, FixedDialogFlags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (addressBook)
        setFont(addressBook->font());
    setObjectName(QStringLiteral("DeleteAddresseeDialog"));
    setWindowTitle(tr("Удаление адресата"));
    setFixedSize(outerToClient(QSize(247, 341)));

    auto *label = new QLabel(tr("Выберите записи, подлежащие удалению"), this);
    label->setObjectName(QStringLiteral("hintLabel"));
    label->move(12, 8);
    label->adjustSize();

    m_model = new QStringListModel(names, this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("namesList"));
    m_list->setGeometry(24, 32, 193, 217);
    m_list->setUniformItemSizes(true);
    showCutEntriesWhole(m_list);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) { markRow(index.row()); });

    m_delete = makeButton(this, QStringLiteral("deleteButton"), tr("Удалить"), QStyle::SP_DialogOkButton,
                          QRect(40, 264, 75, 25));
    m_delete->setDefault(true);
    QPushButton *cancel = makeButton(this, QStringLiteral("cancelButton"), tr("Отмена"), QStyle::SP_DialogCancelButton,
                                     QRect(144, 264, 75, 25));
    formlook::fitCaption(cancel);
    connect(m_delete, &QPushButton::clicked, this, &DeleteAddresseeDialog::confirmed);
    connect(cancel, &QPushButton::clicked, this, &DeleteAddresseeDialog::close);

    if (addressBook)
        move(besideLeft(*addressBook), addressBook->frameGeometry().top());
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
