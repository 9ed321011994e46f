#include "ui/addresses/AddressBookDialog.h"
#include "ui/common/FormLook.h"

#include "logic/mailing/BookTransfer.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/common/AppContext.h"
#include "ui/common/QtIcons.h"
#include "ui/common/Theme.h"
#include "ui/common/WholeText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
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
    pal.setColor(QPalette::ButtonText, theme::readableOn(colour, pal.color(QPalette::Button)));
    button->setPalette(pal);
    return button;
}

} // namespace

AddressBookDialog::AddressBookDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
    , m_book(ctx.workDir)
{
    setObjectName(QStringLiteral("AddressBookDialog"));
    setWindowTitle(tr("Адресная книга"));
    setFixedSize(471, 294);
    setFont(formlook::msSansSerif(11));

    auto *namesLabel = new QLabel(tr("Список адресатов"), this);
    namesLabel->setObjectName(QStringLiteral("namesLabel"));
    namesLabel->move(24, 24);
    namesLabel->adjustSize();

    m_model = new QStringListModel(this);
    m_namesList = new QListView(this);
    m_namesList->setObjectName(QStringLiteral("namesList"));
    m_namesList->setGeometry(24, 40, 153, 225);
    m_namesList->setUniformItemSizes(true);
    m_namesList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_namesList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_namesList->setModel(m_model);
    m_namesList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    showCutEntriesWhole(m_namesList);
    namesLabel->setBuddy(m_namesList);
    connect(m_namesList, &QListView::clicked, this, &AddressBookDialog::showSelectedRecord);
    connect(m_namesList->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!m_updating)
            showSelectedRecord();
    });

    auto *detailsLabel = new QLabel(tr("Данные об адресате"), this);
    detailsLabel->setObjectName(QStringLiteral("detailsLabel"));
    detailsLabel->move(232, 24);
    detailsLabel->adjustSize();

    m_detailsBox = new QPlainTextEdit(this);
    m_detailsBox->setObjectName(QStringLiteral("detailsBox"));
    m_detailsBox->setGeometry(232, 40, 225, 89);
    m_detailsBox->setReadOnly(true);
    detailsLabel->setBuddy(m_detailsBox);
    m_detailsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const QColor purple(128, 0, 128);
    const QColor maroon(128, 0, 0);
    QPushButton *add =
        makeCaptionButton(this, QStringLiteral("addButton"), QStringLiteral("+"), purple, 53, QRect(216, 144, 73, 33));
    add->setToolTip(tr("Добавить адресата"));
    add->setAccessibleName(add->toolTip());
    add->setAutoDefault(false);
    QPushButton *change =
        makeCaptionButton(this, QStringLiteral("editButton"), tr("Изменить"), maroon, 0, QRect(216, 184, 73, 33));
    change->setAutoDefault(false);
    QPushButton *remove = makeCaptionButton(this, QStringLiteral("deleteButton"), QStringLiteral("-"), maroon, 53,
                                            QRect(216, 224, 73, 33));
    remove->setToolTip(tr("Удаление адресата"));
    remove->setAccessibleName(remove->toolTip());
    remove->setAutoDefault(false);

    auto *user = new QPushButton(this);
    user->setObjectName(QStringLiteral("senderButton"));
    user->setGeometry(312, 144, 89, 65);
    user->setIcon(icons::user());
    user->setIconSize(QSize(40, 40));
    user->setToolTip(tr("Информация о пользователе"));
    user->setAccessibleName(user->toolTip());
    user->setAutoDefault(false);

    auto *transfer = new QPushButton(tr("Импорт и экспорт"), this);
    transfer->setObjectName(QStringLiteral("transferButton"));
    transfer->setGeometry(312, 224, 145, 33);
    transfer->setAutoDefault(false);
    auto *transferMenu = new QMenu(transfer);
    transferMenu->setObjectName(QStringLiteral("transferMenu"));
    connect(transferMenu->addAction(tr("&Импорт из vCard или таблицы…")), &QAction::triggered, this,
            &AddressBookDialog::chooseImportFile);
    connect(transferMenu->addAction(tr("Экспорт &всей книги…")), &QAction::triggered, this,
            [this] { chooseExportFile(false); });
    connect(transferMenu->addAction(tr("Экспорт в&ыбранных адресатов…")), &QAction::triggered, this,
            [this] { chooseExportFile(true); });
    transfer->setMenu(transferMenu);

    connect(add, &QPushButton::clicked, this, &AddressBookDialog::openAddDialog);
    connect(change, &QPushButton::clicked, this, &AddressBookDialog::openEditDialog);
    connect(remove, &QPushButton::clicked, this, &AddressBookDialog::openDeleteDialog);
    connect(user, &QPushButton::clicked, this, &AddressBookDialog::openSenderDialog);

    formlook::centreOnScreen(this, parent);

    // A missing or unreadable file is reported and the window opens with an empty list.
    guarded(m_ctx.messages, [&] { reloadNames(); });
}

AddressBookDialog::~AddressBookDialog() = default;

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
    m_namesList->selectionModel()->clear();
}

void AddressBookDialog::reloadNames()
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
    m_namesList->selectionModel()->clear();
}

QString AddressBookDialog::selectedName() const
{
    const QModelIndexList rows = m_namesList->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

void AddressBookDialog::showSelectedRecord()
{
    guarded(m_ctx.messages, [&] {
        const QModelIndexList rows = m_namesList->selectionModel()->selectedRows();
        if (rows.isEmpty())
            return;
        const QString name = rows.first().data().toString();
        if (m_book.find(name) < 0)
            return;
        m_detailsBox->setPlainText(m_book.shownFields(name).join(QLatin1Char('\n')));
    });
}

AddAddresseeDialog *AddressBookDialog::openAddDialog()
{
    auto *dialog = new AddAddresseeDialog(this);
    connect(dialog, &AddresseeDialog::confirmed, this, [this, dialog] { addRecord(dialog); });
    dialog->show();
    return dialog;
}

EditAddresseeDialog *AddressBookDialog::openEditDialog()
{
    EditAddresseeDialog *dialog = nullptr;
    guarded(m_ctx.messages, [&] {
        if (m_namesList->selectionModel()->selectedRows().isEmpty()) {
            m_ctx.messages.show(tr("Адресат не выбран!"));
            return;
        }
        const QString name = selectedName();
        syncWithFile();
        // With several records of the name, the last one fills the boxes and is the one replaced.
        const QStringList &lines = m_book.lines();
        const qsizetype slot = m_book.find(name);
        const QStringList original = slot < 0 ? QStringList() : lines.mid(slot, addressbook::recordLength(lines, slot));
        dialog = new EditAddresseeDialog(this, name, original);
        connect(dialog, &AddresseeDialog::confirmed, this, [this, dialog] { replaceRecord(dialog); });
        dialog->show();
        dialog->setBoxTexts(m_book.boxes(name));
        clearSelection();
        m_detailsBox->clear();
    });
    return dialog;
}

DeleteAddresseeDialog *AddressBookDialog::openDeleteDialog()
{
    DeleteAddresseeDialog *dialog = nullptr;
    guarded(m_ctx.messages, [&] {
        dialog = new DeleteAddresseeDialog(this, m_names);
        connect(dialog, &DeleteAddresseeDialog::confirmed, this, [this, dialog] { deleteMarkedRecords(dialog); });
        dialog->show();
    });
    return dialog;
}

SenderDialog *AddressBookDialog::openSenderDialog()
{
    SenderDialog *dialog = nullptr;
    guarded(m_ctx.messages, [&] {
        dialog = new SenderDialog(m_ctx, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    });
    return dialog;
}

void AddressBookDialog::addRecord(AddAddresseeDialog *dialog)
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

void AddressBookDialog::replaceRecord(EditAddresseeDialog *dialog)
{
    guarded(m_ctx.messages, [&] {
        const QStringList boxes = dialog->boxTexts();
        const QString oldName = dialog->editedName();
        syncWithFile();
        // The record the dialog was filled from, wherever it stands now; another record of the
        // same name is never written over.
        if (!m_book.replace(dialog->originalRecord(), boxes)) {
            m_ctx.messages.show(tr("Запись адресата «%1» была изменена или удалена после открытия окна "
                                   "редактирования. Изменения не сохранены.")
                                    .arg(oldName));
            return;
        }
        dialog->close();
        removeName(oldName);
        insertName(addressbook::listedName(addressbook::recordFromBoxes(boxes).first()));
        clearSelection();
    });
}

void AddressBookDialog::deleteMarkedRecords(DeleteAddresseeDialog *dialog)
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

void AddressBookDialog::chooseImportFile()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Импорт адресатов"), QString(),
                                     tr("Контакты и таблицы (*.vcf *.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void AddressBookDialog::chooseExportFile(bool selectedOnly)
{
    if (selectedOnly && m_namesList->selectionModel()->selectedRows().isEmpty()) {
        m_ctx.messages.show(tr("Адресат не выбран!"));
        return;
    }
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Экспорт адресатов"), tr("Адресаты.vcf"),
                                                tr("vCard 4.0 (*.vcf);;CSV в UTF-8 (*.csv)"), &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter.contains(QLatin1String("*.csv")) ? QStringLiteral(".csv") : QStringLiteral(".vcf");
    exportFile(path, selectedOnly);
}

void AddressBookDialog::importFile(const QString &path)
{
    guarded(m_ctx.messages, [&] {
        const QList<Contact> contacts = booktransfer::readContacts(path);
        QList<QStringList> records;
        QStringList withoutAddress;
        for (const Contact &contact : contacts) {
            records += booktransfer::recordsOfContact(contact);
            if (contact.addresses.isEmpty())
                withoutAddress.append(contact.name);
        }
        std::optional<AddressBook::NameTaken> forAll;
        const QList<AddressBook::NameTaken> answers = {AddressBook::NameTaken::Replace,
                                                       AddressBook::NameTaken::KeepBoth, AddressBook::NameTaken::Skip};
        const AddressBook::ImportCount count = m_book.import(records, [&](const QString &name) {
            if (forAll)
                return *forAll;
            bool all = false;
            const int answer = m_ctx.messages.askChoice(tr("Адресат «%1» уже есть в адресной книге.").arg(name),
                                                        {tr("Заменить"), tr("Оставить оба"), tr("Пропустить")},
                                                        tr("Для всех совпадающих имён"), &all);
            const AddressBook::NameTaken taken = answers.value(answer, AddressBook::NameTaken::Skip);
            if (all)
                forAll = taken;
            return taken;
        });
        showNames(addressbook::namesOf(m_book.lines()));
        m_detailsBox->clear();
        QString summary =
            tr("Добавлено: %1, заменено: %2, пропущено: %3.").arg(count.added).arg(count.replaced).arg(count.skipped);
        if (!withoutAddress.isEmpty())
            summary +=
                QLatin1Char('\n') + tr("Без почтового адреса: %1").arg(withoutAddress.join(QStringLiteral(", ")));
        m_ctx.messages.show(summary);
    });
}

void AddressBookDialog::exportFile(const QString &path, bool selectedOnly)
{
    guarded(m_ctx.messages, [&] {
        syncWithFile();
        QStringList names;
        for (const QModelIndex &row : m_namesList->selectionModel()->selectedRows())
            names.append(row.data().toString());
        const QList<Contact> contacts = booktransfer::contactsOfBook(m_book.lines(), selectedOnly ? &names : nullptr);
        const bool vcf = QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0;
        const QByteArray bytes = vcf ? vcard::write(contacts) : booktransfer::csvOfContacts(contacts);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw IoError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    });
}
