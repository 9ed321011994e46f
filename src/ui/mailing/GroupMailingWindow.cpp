#include "ui/mailing/GroupMailingWindow.h"

#include "ui/mailing/LineOrderDialog.h"
#include "ui/common/FormLook.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "logic/files/WorkDir.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString BrowseHint = QStringLiteral("Выберите нужный файл в окне броузера");

// The window's outer size is 715 x 367 with a single fixed border; this is its client area.
constexpr int ClientWidth = 707;
constexpr int ClientHeight = 340;

} // namespace

GroupMailingWindow::GroupMailingWindow(AppContext &ctx)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("GroupMailingWindow"));
    setWindowTitle(QStringLiteral("Групповая рассылка"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(ClientWidth, ClientHeight);

    auto label = [this](const QString &text, int x, int y, int w) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, w, 13);
        // A caption is never cut: it may grow past its designed width.
        l->resize(std::max(w, l->sizeHint().width()), 13);
        return l;
    };
    label(QStringLiteral("Выберите источник адресов"), 48, 32, 144);
    label(QStringLiteral("Адреса из адр. книги"), 232, 32, 108);
    label(QStringLiteral("Адреса рассылки"), 416, 32, 90);
    label(QStringLiteral("Данные об адресате"), 544, 32, 106);
    label(QStringLiteral("Скопируйте нужный массив из"), 32, 136, 157);
    label(QStringLiteral("документа, содержащего адреса "), 24, 152, 172);
    label(QStringLiteral("(таблица MS Excel, БД MS Access,"), 24, 168, 174);
    label(QStringLiteral("таблица MS Word и т.д.)"), 24, 184, 181);
    label(QStringLiteral("и нажмите \"Создать\"."), 24, 200, 190);

    auto button = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };

    m_otherRadio = new QRadioButton(QStringLiteral("Другой источник"), this);
    m_otherRadio->setObjectName(QStringLiteral("RadioButton2"));
    m_otherRadio->setGeometry(56, 104, 113, 17);
    m_browseButton = button("BrowseButton", QStringLiteral("..."), QRect(170, 104, 25, 25));
    m_bookRadio = new QRadioButton(QStringLiteral("Адресная книга"), this);
    m_bookRadio->setObjectName(QStringLiteral("RadioButton1"));
    m_bookRadio->setGeometry(56, 64, 113, 17);
    m_bookRadio->setChecked(true);

    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("List1"));
    m_names->setGeometry(232, 48, 121, 273);
    m_names->setUniformItemSizes(true);
    m_mailingList = new QListWidget(this);
    m_mailingList->setObjectName(QStringLiteral("List2"));
    m_mailingList->setGeometry(416, 48, 121, 235);
    m_mailingList->setUniformItemSizes(true);

    m_addButton = button("Button01", QStringLiteral(">"), QRect(360, 176, 41, 25));
    m_addButton->setToolTip(QStringLiteral("Добавить адрес в список рассылки"));
    m_addAllButton = button("Button06", QStringLiteral(">>"), QRect(360, 206, 41, 25));
    m_addAllButton->setToolTip(QStringLiteral("Добавить все адреса в список рассылки"));

    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("Details"));
    m_details->setGeometry(544, 48, 153, 97);
    m_details->setReadOnly(true);

    m_clearButton = button("Button02", QStringLiteral("Очистить"), QRect(416, 300, 121, 27));
    m_createButton = button("GroupSendOK", QStringLiteral("Создать"), QRect(40, 272, 81, 41));
    m_createButton->setFont(formlook::font(QStringLiteral("Arial"), 13));
    QPushButton *preview = button("PreviewButton", QStringLiteral("Preview"), QRect(624, 221, 75, 25));
    preview->setToolTip(QStringLiteral("Предварительный просмотр перед печатью"));
    QPushButton *print = button("PrintButton", QStringLiteral("Печать"), QRect(624, 256, 75, 25));
    QPushButton *exit = button("Button05", QStringLiteral("Выход"), QRect(624, 288, 75, 25));

    setTabOrder(m_clearButton, m_createButton);
    setTabOrder(m_createButton, print);
    setTabOrder(print, exit);

    connect(m_bookRadio, &QRadioButton::toggled, this, &GroupMailingWindow::radiobutton1click);
    connect(m_otherRadio, &QRadioButton::toggled, this, &GroupMailingWindow::radiobutton2click);
    connect(m_names, &QListWidget::itemClicked, this, &GroupMailingWindow::list1click);
    connect(m_names, &QListWidget::currentRowChanged, this, &GroupMailingWindow::list1click);
    connect(m_mailingList, &QListWidget::itemClicked, this, &GroupMailingWindow::list2click);
    connect(m_mailingList, &QListWidget::currentRowChanged, this, &GroupMailingWindow::list2click);
    connect(m_addButton, &QPushButton::clicked, this, &GroupMailingWindow::button01click);
    connect(m_addAllButton, &QPushButton::clicked, this, &GroupMailingWindow::button06click);
    connect(m_clearButton, &QPushButton::clicked, this, &GroupMailingWindow::button02click);
    connect(exit, &QPushButton::clicked, this, &GroupMailingWindow::button05click);
    connect(m_createButton, &QPushButton::clicked, this, &GroupMailingWindow::GroupSendOKClick);
    connect(m_browseButton, &QPushButton::clicked, this, &GroupMailingWindow::BrowseButtonClick);
    connect(preview, &QPushButton::clicked, this, &GroupMailingWindow::PreviewButtonClick);
    connect(print, &QPushButton::clicked, this, &GroupMailingWindow::PrintButtonClick);

    SharedState &state = m_ctx.state;
    connect(&state, &SharedState::mailingListChanged, this, &GroupMailingWindow::showMailingList);
    connect(&state, &SharedState::recipientDetailsChanged, this, &GroupMailingWindow::showDetails);
}

void GroupMailingWindow::showGroupMailing(AppContext &ctx, Origin origin, QWidget *)
{
    if (!ctx.groupMailing)
        ctx.groupMailing = new GroupMailingWindow(ctx);
    GroupMailingWindow *window = ctx.groupMailing;
    window->show();
    window->move(38, 128);
    window->raise();
    window->activateWindow();
    window->rebuild(origin);
}

void GroupMailingWindow::rebuild(Origin origin)
{
    closeLineOrderDialog();
    m_clearButton->move(m_clearButton->x(), origin == Origin::FileMenu ? 310 : 300);
    m_browseButton->setToolTip(origin == Origin::FileMenu ? QString() : BrowseHint);

    {
        const QSignalBlocker block1(m_bookRadio);
        const QSignalBlocker block2(m_otherRadio);
        m_bookRadio->setChecked(true);
    }
    setAddressBookControls(true);

    SharedState &state = m_ctx.state;
    state.mailing().source = SourceMode::AddressBook;
    state.clearMailingList();
    state.setRecipientDetails({});
    m_names->clear();
    guarded(m_ctx.messages, [&] { state.mailing().loadBook(m_ctx.workDir); });
    const QSignalBlocker block(m_names);
    m_names->addItems(state.mailing().bookNames());
}

LineOrderDialog *GroupMailingWindow::lineOrderDialog() const
{
    return m_lineOrder.data();
}

void GroupMailingWindow::setAddressBookControls(bool addressBook)
{
    m_names->setEnabled(addressBook);
    m_addButton->setEnabled(addressBook);
    m_addAllButton->setEnabled(addressBook);
    m_browseButton->setEnabled(!addressBook);
    m_createButton->setEnabled(!addressBook);
}

void GroupMailingWindow::closeLineOrderDialog()
{
    if (m_lineOrder)
        m_lineOrder->close();
}

void GroupMailingWindow::radiobutton1click(bool checked)
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

void GroupMailingWindow::radiobutton2click(bool checked)
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

void GroupMailingWindow::list1click()
{
    guarded(m_ctx.messages, [&] {
        const QListWidgetItem *item = m_names->currentItem();
        if (!item)
            return;
        if (const auto record = m_ctx.state.mailing().lookupBook(item->text()))
            m_ctx.state.setRecipientDetails(*record);
    });
}

void GroupMailingWindow::list2click()
{
    guarded(m_ctx.messages, [&] {
        const int row = m_mailingList->currentRow();
        if (row >= 0)
            m_ctx.state.lookupRecipient(row, true);
    });
}

void GroupMailingWindow::button01click()
{
    guarded(m_ctx.messages, [&] {
        const QListWidgetItem *item = m_names->currentItem();
        if (!item || !item->isSelected())
            return;
        m_ctx.state.appendToMailingList(item->text());
    });
}

void GroupMailingWindow::button06click()
{
    guarded(m_ctx.messages, [&] {
        m_ctx.state.setMailingList(m_ctx.state.mailing().bookNames());
    });
}

void GroupMailingWindow::button02click()
{
    guarded(m_ctx.messages, [&] {
        m_ctx.state.clearMailingList();
        m_ctx.state.setRecipientDetails({});
    });
}

void GroupMailingWindow::button05click()
{
    close();
}

void GroupMailingWindow::GroupSendOKClick()
{
    guarded(m_ctx.messages, [&] {
        closeLineOrderDialog();
        auto *dialog = new LineOrderDialog(m_ctx, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_lineOrder = dialog;
        dialog->show();
        dialog->SetStringFirst();
    });
}

void GroupMailingWindow::BrowseButtonClick()
{
    guarded(m_ctx.messages, [&] {
        if (!m_ctx.browseForm)
            m_ctx.browseForm = new DocumentBrowser(m_ctx, nullptr);
        m_ctx.browseForm->exec();
    });
}

void GroupMailingWindow::PreviewButtonClick()
{
    guarded(m_ctx.messages, [&] { previewshow(m_ctx); });
}

void GroupMailingWindow::PrintButtonClick()
{
    guarded(m_ctx.messages, [&] { PrintSetup(m_ctx); });
}

void GroupMailingWindow::showMailingList()
{
    const QSignalBlocker block(m_mailingList);
    m_mailingList->clear();
    m_mailingList->addItems(m_ctx.state.mailingList());
}

void GroupMailingWindow::showDetails()
{
    m_details->setPlainText(m_ctx.state.recipientDetails().join(QLatin1Char('\n')));
}
