#include "ui/addresses/AddressBookDialog.h"
#include "ui/common/FormLook.h"

#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "ui/common/QtIcons.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStringListModel>

namespace {

QPushButton *makeCaptionButton(QWidget *parent, const QString &name, const QString &caption, const QColor &colour,
                               int pixelSize, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    QFont font = button->font();
    font.setBold(true);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    button->setFont(font);
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, colour);
    button->setPalette(pal);
    return button;
}

} // namespace

AddressBookDialog::AddressBookDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
    , m_book(ctx.workDir)
{
    setObjectName(QStringLiteral("AddressBookForm"));
    setWindowTitle(QStringLiteral("Адресная книга"));
    setFixedSize(471, 294);
    setFont(formlook::msSansSerif(11));

    auto *label2 = new QLabel(QStringLiteral("Список адресатов"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->move(24, 24);
    label2->adjustSize();

    m_model = new QStringListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setGeometry(24, 40, 153, 225);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    connect(m_list, &QListView::clicked, this, &AddressBookDialog::ListBox1Click);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_updating)
            ListBox1Click();
    });

    auto *label1 = new QLabel(QStringLiteral("Данные об адресате"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(232, 24);
    label1->adjustSize();

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setGeometry(232, 40, 225, 89);
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const QColor purple(128, 0, 128);
    const QColor maroon(128, 0, 0);
    QPushButton *add =
        makeCaptionButton(this, QStringLiteral("BitBtn1"), QStringLiteral("+"), purple, 53, QRect(216, 144, 73, 33));
    add->setToolTip(QStringLiteral("Добавить адресата"));
    add->setAutoDefault(false);
    QPushButton *change = makeCaptionButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Изменить"), maroon, 0,
                                            QRect(216, 184, 73, 33));
    change->setFocusPolicy(Qt::NoFocus);
    change->setAutoDefault(false);
    QPushButton *remove = makeCaptionButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("-"), maroon, 53,
                                            QRect(216, 224, 73, 33));
    remove->setToolTip(QStringLiteral("Удаление адресата"));
    remove->setFocusPolicy(Qt::NoFocus);
    remove->setAutoDefault(false);

    auto *user = new QPushButton(this);
    user->setObjectName(QStringLiteral("BitBtn3"));
    user->setGeometry(312, 144, 89, 65);
    user->setIcon(icons::user());
    user->setIconSize(QSize(40, 40));
    user->setToolTip(QStringLiteral("Информация о пользователе"));
    user->setAutoDefault(false);

    connect(add, &QPushButton::clicked, this, &AddressBookDialog::BitBtn1Click);
    connect(change, &QPushButton::clicked, this, &AddressBookDialog::changeButtonClick);
    connect(remove, &QPushButton::clicked, this, &AddressBookDialog::SpeedButton1Click);
    connect(user, &QPushButton::clicked, this, &AddressBookDialog::BitBtn3Click);

    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    FormCreate();
}

AddressBookDialog::~AddressBookDialog() = default;

void AddressBookDialog::FormCreate()
{
    // A missing or unreadable file is reported and the window opens with an empty list.
    guarded(m_ctx.messages, [&] { addrRefresh(); });
}

QStringList AddressBookDialog::listedNames() const
{
    return m_names;
}

void AddressBookDialog::showNames(QStringList names)
{
    m_order.sort(names);
    const QScopedValueRollback updating(m_updating, true);
    m_names = std::move(names);
    m_model->setStringList(m_names);
    m_list->selectionModel()->clear();
}

void AddressBookDialog::addrRefresh()
{
    showNames({});
    m_book.reload();
    showNames(addressbook::namesOf(m_book.lines()));
}

void AddressBookDialog::syncWithFile()
{
    if (m_book.reloadIfChanged())
        showNames(addressbook::namesOf(m_book.lines()));
}

void AddressBookDialog::insertName(const QString &name)
{
    const QScopedValueRollback updating(m_updating, true);
    const qsizetype pos = m_order.insertPosition(m_names, name);
    m_names.insert(pos, name);
    m_model->insertRows(int(pos), 1);
    m_model->setData(m_model->index(int(pos)), name);
}

void AddressBookDialog::removeName(const QString &name)
{
    const QScopedValueRollback updating(m_updating, true);
    const qsizetype pos = m_order.find(m_names, name);
    if (pos < 0)
        return;
    m_names.remove(pos);
    m_model->removeRows(int(pos), 1);
}

void AddressBookDialog::clearSelection()
{
    const QScopedValueRollback updating(m_updating, true);
    m_list->selectionModel()->clear();
}

QString AddressBookDialog::selectedName() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

void AddressBookDialog::ListBox1Click()
{
    guarded(m_ctx.messages, [&] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (rows.isEmpty())
            return;
        const QString name = rows.first().data().toString();
        if (m_book.find(name) < 0)
            return;
        m_memo->setPlainText(m_book.shownFields(name).join(QLatin1Char('\n')));
    });
}

void AddressBookDialog::BitBtn1Click()
{
    GetNewAddressee();
}

AddAddresseeDialog *AddressBookDialog::GetNewAddressee()
{
    auto *dialog = new AddAddresseeDialog(*this);
    dialog->show();
    return dialog;
}

void AddressBookDialog::changeButtonClick()
{
    ChangeOldAddresse();
}

EditAddresseeDialog *AddressBookDialog::ChangeOldAddresse()
{
    EditAddresseeDialog *dialog = nullptr;
    guarded(m_ctx.messages, [&] {
        if (m_list->selectionModel()->selectedRows().isEmpty()) {
            m_ctx.messages.show(QStringLiteral("Адресат не выбран!"));
            return;
        }
        const QString name = selectedName();
        syncWithFile();
        dialog = new EditAddresseeDialog(*this, name);
        dialog->show();
        // With several records of the name, the last one fills the boxes (and is the one replaced).
        dialog->setBoxTexts(m_book.boxes(name));
        clearSelection();
        m_memo->clear();
    });
    return dialog;
}

DeleteAddresseeDialog *AddressBookDialog::SpeedButton1Click()
{
    DeleteAddresseeDialog *dialog = nullptr;
    guarded(m_ctx.messages, [&] {
        dialog = new DeleteAddresseeDialog(*this, m_names);
        dialog->show();
    });
    return dialog;
}

SenderDialog *AddressBookDialog::BitBtn3Click()
{
    SenderDialog *form = nullptr;
    guarded(m_ctx.messages, [&] {
        form = new SenderDialog(m_ctx, this);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    });
    return form;
}

void AddressBookDialog::OK_onclick(AddAddresseeDialog *dialog)
{
    guarded(m_ctx.messages, [&] {
        const QStringList boxes = dialog->boxTexts();
        syncWithFile();
        m_book.add(boxes);
        dialog->close();
        insertName(addressbook::listedName(addressbook::recordFromBoxes(boxes).first()));
        clearSelection();
    });
}

void AddressBookDialog::OK1_onclick(EditAddresseeDialog *dialog)
{
    guarded(m_ctx.messages, [&] {
        const QStringList boxes = dialog->boxTexts();
        syncWithFile();
        if (m_book.change(dialog->editedName(), boxes))
            removeName(dialog->editedName());
        dialog->close();
        insertName(addressbook::listedName(addressbook::recordFromBoxes(boxes).first()));
        clearSelection();
    });
}

void AddressBookDialog::cancel_onclick(AddresseeDialog *dialog)
{
    dialog->close();
}

void AddressBookDialog::list_onclick(DeleteAddresseeDialog *dialog, int row)
{
    dialog->markRow(row);
}

void AddressBookDialog::BT_ok_onclick(DeleteAddresseeDialog *dialog)
{
    guarded(m_ctx.messages, [&] {
        syncWithFile();
        const QStringList removed = m_book.remove(dialog->marked());
        dialog->close();
        for (const QString &name : removed)
            removeName(name);
        clearSelection();
    });
}

void AddressBookDialog::BT_cancel_onclick(DeleteAddresseeDialog *dialog)
{
    dialog->close();
}
