#include "ui/mailing/GroupMailingWindow.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/TableSource.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"
#include "ui/common/Theme.h"
#include "ui/common/WholeText.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>

namespace {

// The window's outer size is 715 x 367 with a single fixed border; this is its client area.
constexpr int ClientWidth = 707;
constexpr int ClientHeight = 340;

} // namespace

GroupMailingWindow::GroupMailingWindow(AppContext &ctx, QWidget *mainWindow, FeedMethodDialog *feedMethod,
                                       DocumentBrowser *documentBrowser)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
    , m_ctx(ctx)
    , m_mainWindow(mainWindow)
    , m_feedMethod(feedMethod)
    , m_documentBrowser(documentBrowser)
{
    setObjectName(QStringLiteral("GroupMailingWindow"));
    setWindowTitle(tr("Групповая рассылка"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(ClientWidth, ClientHeight);

    auto label = [this](const QString &text, int x, int y, int w) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, w, 13);
        // A caption is never cut: it may grow past its designed width.
        l->resize(std::max(w, l->sizeHint().width()), 13);
        return l;
    };
    label(tr("Выберите источник адресов"), 48, 32, 144);
    label(tr("Адреса из адр. книги"), 232, 32, 108);
    label(tr("Адреса рассылки"), 416, 32, 90);
    label(tr("Данные об адресате"), 544, 32, 106);
    label(tr("Скопируйте нужный массив из"), 32, 136, 157);
    label(tr("документа, содержащего адреса "), 24, 152, 172);
    label(tr("(таблица MS Excel, БД MS Access,"), 24, 168, 174);
    label(tr("таблица MS Word и т.д.)"), 24, 184, 181);
    label(tr("и нажмите \"Создать\"."), 24, 200, 190);

    auto button = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };

    m_otherSourceButton = new QRadioButton(tr("Другой источник"), this);
    m_otherSourceButton->setObjectName(QStringLiteral("otherSourceButton"));
    m_otherSourceButton->setGeometry(56, 104, 113, 17);
    m_browseButton = button("browseButton", QStringLiteral("..."), QRect(170, 104, 25, 25));
    m_addressBookButton = new QRadioButton(tr("Адресная книга"), this);
    m_addressBookButton->setObjectName(QStringLiteral("addressBookButton"));
    m_addressBookButton->setGeometry(56, 64, 113, 17);
    m_addressBookButton->setChecked(true);

    m_namesList = new QListWidget(this);
    m_namesList->setObjectName(QStringLiteral("namesList"));
    m_namesList->setGeometry(232, 48, 121, 273);
    m_namesList->setUniformItemSizes(true);
    m_mailingList = new QListWidget(this);
    m_mailingList->setObjectName(QStringLiteral("mailingList"));
    m_mailingList->setGeometry(416, 48, 121, 235);
    m_mailingList->setUniformItemSizes(true);
    showCutEntriesWhole(m_namesList);
    showCutEntriesWhole(m_mailingList);
    m_namesList->setAccessibleName(tr("Адреса из адр. книги"));
    m_mailingList->setAccessibleName(tr("Адреса рассылки"));
    // The mark of an entry with a wrong postal code keeps the rows as low as the text.
    m_mailingList->setIconSize(QSize(11, 11));
    m_postalCheckLabel = new QLabel(this);
    m_postalCheckLabel->setObjectName(QStringLiteral("postalCheckLabel"));
    m_postalCheckLabel->setGeometry(416, 285, 200, 13);

    m_addButton = button("addButton", QStringLiteral(">"), QRect(360, 176, 41, 25));
    m_addButton->setToolTip(tr("Добавить адрес в список рассылки"));
    m_addButton->setAccessibleName(m_addButton->toolTip());
    m_addAllButton = button("addAllButton", QStringLiteral(">>"), QRect(360, 206, 41, 25));
    m_addAllButton->setToolTip(tr("Добавить все адреса в список рассылки"));
    m_addAllButton->setAccessibleName(m_addAllButton->toolTip());
    m_browseButton->setAccessibleName(tr("Открыть документ с адресами"));

    m_detailsBox = new QPlainTextEdit(this);
    m_detailsBox->setObjectName(QStringLiteral("detailsBox"));
    m_detailsBox->setGeometry(544, 48, 153, 97);
    m_detailsBox->setReadOnly(true);
    m_detailsBox->setAccessibleName(tr("Данные об адресате"));

    m_clearButton = button("clearButton", tr("Очистить"), QRect(416, 300, 121, 27));
    m_createButton = button("createButton", tr("Создать"), QRect(40, 272, 81, 41));
    m_createButton->setFont(formlook::font(QStringLiteral("Arial"), 13));
    m_openTableButton = button("openTableButton", tr("Из файла…"), QRect(128, 272, 96, 41));
    m_openTableButton->setToolTip(tr("Открыть таблицу с адресами: CSV, TSV, OpenDocument (.ods), Excel (.xlsx)"));
    QPushButton *preview = button("previewButton", tr("Preview"), QRect(624, 221, 75, 25));
    preview->setToolTip(tr("Предварительный просмотр перед печатью"));
    QPushButton *print = button("printButton", tr("Печать"), QRect(624, 256, 75, 25));
    QPushButton *exit = button("exitButton", tr("Выход"), QRect(624, 288, 75, 25));

    // Tab follows the eye: the source column, the address book's names, the mailing list, the
    // recipient's details and the buttons beside them, top to bottom.
    const QList<QWidget *> tabOrder = {m_addressBookButton,
                                       m_otherSourceButton,
                                       m_browseButton,
                                       m_createButton,
                                       m_openTableButton,
                                       m_namesList,
                                       m_addButton,
                                       m_addAllButton,
                                       m_mailingList,
                                       m_clearButton,
                                       m_detailsBox,
                                       preview,
                                       print,
                                       exit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    new QShortcut(QKeySequence::Cancel, this, this, &GroupMailingWindow::close);

    connect(m_addressBookButton, &QRadioButton::toggled, this, &GroupMailingWindow::chooseAddressBook);
    connect(m_otherSourceButton, &QRadioButton::toggled, this, &GroupMailingWindow::chooseOtherSource);
    connect(m_namesList, &QListWidget::itemClicked, this, &GroupMailingWindow::showBookRecord);
    connect(m_namesList, &QListWidget::currentRowChanged, this, &GroupMailingWindow::showBookRecord);
    connect(m_mailingList, &QListWidget::itemClicked, this, &GroupMailingWindow::showMailingRecord);
    connect(m_mailingList, &QListWidget::currentRowChanged, this, &GroupMailingWindow::showMailingRecord);
    connect(m_addButton, &QPushButton::clicked, this, &GroupMailingWindow::addSelectedName);
    connect(m_addAllButton, &QPushButton::clicked, this, &GroupMailingWindow::addAllNames);
    connect(m_clearButton, &QPushButton::clicked, this, &GroupMailingWindow::clearMailingList);
    connect(exit, &QPushButton::clicked, this, &GroupMailingWindow::close);
    connect(m_createButton, &QPushButton::clicked, this, &GroupMailingWindow::openLineOrderDialog);
    connect(m_openTableButton, &QPushButton::clicked, this, &GroupMailingWindow::chooseTableFile);
    connect(m_browseButton, &QPushButton::clicked, this, &GroupMailingWindow::openDocumentBrowser);
    connect(preview, &QPushButton::clicked, this, &GroupMailingWindow::openPreview);
    connect(print, &QPushButton::clicked, this, &GroupMailingWindow::openPrintSetup);

    SharedState &state = m_ctx.state;
    connect(&state, &SharedState::mailingListChanged, this, &GroupMailingWindow::showMailingList);
    connect(&state, &SharedState::recipientDetailsChanged, this, &GroupMailingWindow::showDetails);
}

void GroupMailingWindow::showFor(Origin origin)
{
    show();
    move(38, 128);
    raise();
    activateWindow();
    rebuild(origin);
}

void GroupMailingWindow::rebuild(Origin origin)
{
    closeLineOrderDialog();
    m_clearButton->move(m_clearButton->x(), origin == Origin::FileMenu ? 310 : 300);
    m_browseButton->setToolTip(origin == Origin::FileMenu ? QString() : tr("Выберите нужный файл в окне броузера"));

    {
        const QSignalBlocker block1(m_addressBookButton);
        const QSignalBlocker block2(m_otherSourceButton);
        m_addressBookButton->setChecked(true);
    }
    setAddressBookControls(true);

    SharedState &state = m_ctx.state;
    state.mailing().source = SourceMode::AddressBook;
    state.clearMailingList();
    state.setRecipientDetails({});
    m_namesList->clear();
    guarded(m_ctx.messages, [&] { state.mailing().loadBook(m_ctx.workDir); });
    const QSignalBlocker block(m_namesList);
    m_namesList->addItems(state.mailing().bookNames());
}

LineOrderDialog *GroupMailingWindow::lineOrderDialog() const
{
    return m_lineOrder.data();
}

void GroupMailingWindow::setAddressBookControls(bool addressBook)
{
    m_namesList->setEnabled(addressBook);
    m_addButton->setEnabled(addressBook);
    m_addAllButton->setEnabled(addressBook);
    m_browseButton->setEnabled(!addressBook);
    m_createButton->setEnabled(!addressBook);
    m_openTableButton->setEnabled(!addressBook);
}

void GroupMailingWindow::closeLineOrderDialog()
{
    if (m_lineOrder)
        m_lineOrder->close();
}

void GroupMailingWindow::chooseAddressBook(bool checked)
{
    if (!checked)
        return;
    guarded(m_ctx.messages, [&] {
        closeLineOrderDialog();
        setAddressBookControls(true);
        m_ctx.state.mailing().source = SourceMode::AddressBook;
        m_ctx.state.clearMailingList();
    });
}

void GroupMailingWindow::chooseOtherSource(bool checked)
{
    if (!checked)
        return;
    guarded(m_ctx.messages, [&] {
        setAddressBookControls(false);
        m_ctx.state.setRecipientDetails({});
        m_ctx.state.mailing().source = SourceMode::OtherSource;
        m_ctx.state.clearMailingList();
        RowLimitWarning::showUnlessSuppressed(m_ctx, this);
    });
}

void GroupMailingWindow::showBookRecord()
{
    guarded(m_ctx.messages, [&] {
        const QListWidgetItem *item = m_namesList->currentItem();
        if (!item)
            return;
        if (const auto record = m_ctx.state.mailing().lookupBook(item->text()))
            m_ctx.state.setRecipientDetails(*record);
    });
}

void GroupMailingWindow::showMailingRecord()
{
    guarded(m_ctx.messages, [&] {
        const int row = m_mailingList->currentRow();
        if (row >= 0)
            m_ctx.state.lookupRecipient(row, true);
    });
}

void GroupMailingWindow::addSelectedName()
{
    guarded(m_ctx.messages, [&] {
        const QListWidgetItem *item = m_namesList->currentItem();
        if (!item || !item->isSelected())
            return;
        m_ctx.state.appendToMailingList(item->text());
    });
}

void GroupMailingWindow::addAllNames()
{
    guarded(m_ctx.messages, [&] { m_ctx.state.setMailingList(m_ctx.state.mailing().bookNames()); });
}

void GroupMailingWindow::clearMailingList()
{
    guarded(m_ctx.messages, [&] {
        m_ctx.state.clearMailingList();
        m_ctx.state.setRecipientDetails({});
    });
}

void GroupMailingWindow::openLineOrderDialog()
{
    guarded(m_ctx.messages, [&] {
        closeLineOrderDialog();
        auto *dialog = new LineOrderDialog(m_ctx, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_lineOrder = dialog;
        dialog->show();
        dialog->pasteClipboard();
    });
}

void GroupMailingWindow::chooseTableFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть таблицу с адресами"), QString(),
                                                      tr("Таблицы (*.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)"));
    if (!path.isEmpty())
        openTableFile(path);
}

void GroupMailingWindow::openTableFile(const QString &path, int sheet)
{
    guarded(m_ctx.messages, [&] {
        const auto chooseSheet = [&](const QStringList &names) {
            if (sheet >= 0)
                return sheet;
            bool ok = false;
            const QString name = QInputDialog::getItem(
                this, tr("Лист книги"), tr("В книге несколько листов. Какой открыть?"), names, 0, false, &ok);
            return ok ? int(names.indexOf(name)) : -1;
        };
        const std::optional<QStringList> rows = tableRowsAsText(path, chooseSheet);
        if (!rows)
            return;
        closeLineOrderDialog();
        auto *dialog = new LineOrderDialog(m_ctx, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_lineOrder = dialog;
        dialog->show();
        dialog->showRows(*rows);
    });
}

void GroupMailingWindow::openDocumentBrowser()
{
    guarded(m_ctx.messages, [&] {
        if (m_documentBrowser)
            m_documentBrowser->exec();
    });
}

void GroupMailingWindow::openPreview()
{
    guarded(m_ctx.messages, [&] { PreviewWindow::open(m_ctx, m_mainWindow); });
}

void GroupMailingWindow::openPrintSetup()
{
    guarded(m_ctx.messages, [&] { PrintSetupDialog::open(m_ctx, m_feedMethod, m_mainWindow); });
}

void GroupMailingWindow::showMailingList()
{
    const QSignalBlocker block(m_mailingList);
    m_mailingList->clear();
    m_mailingList->addItems(m_ctx.state.mailingList());
    markPostalProblems();
}

void GroupMailingWindow::markPostalProblems()
{
    m_postalCheckLabel->clear();
    m_postalCheckLabel->setToolTip(QString());
    m_postalCheckLabel->setPalette(QPalette());
    const QStringList &list = m_ctx.state.mailingList();
    if (list.isEmpty())
        return;
    std::shared_ptr<const postal::PostalDirectory> directory;
    try {
        directory = postal::PostalDirectory::shared(m_ctx.workDir);
    } catch (const AppError &e) {
        // The mailing can still be made and printed: the window says that it was not checked.
        m_postalCheckLabel->setText(tr("Индексы не проверены"));
        m_postalCheckLabel->setToolTip(tr("Справочник индексов не прочитан: %1").arg(e.message()));
        return;
    }
    const MailingCheck check = checkMailing(*directory, m_ctx.state.mailing(), list);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const MailingProblem &problem : check.problems) {
        if (QListWidgetItem *item = m_mailingList->item(problem.index)) {
            item->setIcon(warning);
            item->setToolTip(problem.message);
        }
    }
    if (check.problems.isEmpty()) {
        m_postalCheckLabel->setText(check.checked > 0 ? tr("Индексы в порядке") : QString());
        return;
    }
    m_postalCheckLabel->setText(tr("Ошибки в индексах: %1 из %2").arg(check.problems.size()).arg(list.size()));
    // Red, as light or as dark as the window's colour needs to read it.
    QPalette red = m_postalCheckLabel->palette();
    red.setColor(QPalette::WindowText, theme::problemText(red.color(QPalette::Window)));
    m_postalCheckLabel->setPalette(red);
    m_postalCheckLabel->setToolTip(tr("Наведите указатель на отмеченный адрес, чтобы увидеть ошибку"));
}

void GroupMailingWindow::showDetails()
{
    m_detailsBox->setPlainText(m_ctx.state.recipientDetails().join(QLatin1Char('\n')));
}
