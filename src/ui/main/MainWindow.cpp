#include "ui/main/MainWindow.h"
#include "ui/common/FormLook.h"

#include "ui/common/AppContext.h"
#include "logic/services/Desktop.h"
#include "logic/services/Guard.h"
#include "ui/common/QtIcons.h"
#include "logic/state/SharedState.h"
#include "ui/main/AboutDialog.h"
#include "logic/files/WorkDir.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "logic/envelope/EnvelopeSizes.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/print/PrintActions.h"

#include <QScopeGuard>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString Title = QStringLiteral("Велтора");
const QString ExitQuestion = QStringLiteral("Вы действительно хотите выйти?");

// The cream rectangle of the schematic envelope.
class EnvelopeShape : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(255, 251, 240));
        QPen pen(Qt::black, 2);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QLabel *makeBoxLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, QColor(227, 227, 227));
    label->setPalette(pal);
    label->adjustSize();
    return label;
}

} // namespace

MainWindow::MainWindow(AppContext &ctx) : QMainWindow(nullptr), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(Title);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(mainWindowFont());
    m_ctx.state.setMainFont(this->font());
    quitProgram = [] { QCoreApplication::exit(0); };

    buildMenu();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    buildToolBar();
    buildEnvelope();
    resize(687, 498 + menuBar()->sizeHint().height());
    move(10, 10);

    // An envelope chosen in the size dialog: the schematic takes its shape, the label its size.
    connect(&m_ctx.state, &SharedState::envelopeChanged, this, [this] {
        if (m_starting)
            return;
        set_env(m_ctx.state.envelopeType());
        setSizeLabel(sizeLabelFromDialog(m_ctx.state.envelopeHeight(), m_ctx.state.envelopeWidth()));
    });
}

void MainWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto add = [this](QMenu *menu, const QString &name, const QString &caption, const QIcon &icon,
                      void (MainWindow::*slot)()) {
        QAction *a = menu->addAction(icon, caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = bar->addMenu(QStringLiteral("Файл"));
    add(file, QStringLiteral("N23"), QStringLiteral("Написать письмо"), icons::letter(), &MainWindow::N23Click);
    QMenu *print = file->addMenu(icons::print(), QStringLiteral("Печать"));
    add(print, QStringLiteral("N5"), QStringLiteral("Данный конверт"), icons::envelope(), &MainWindow::N5Click);
    add(print, QStringLiteral("N6"), QStringLiteral("Групповая рассылка"), icons::group(), &MainWindow::N6Click);
    file->addSeparator();
    add(file, QStringLiteral("N7"), QStringLiteral("Выход"), icons::exit(), &MainWindow::N7Click);

    QMenu *edit = bar->addMenu(QStringLiteral("Правка"));
    add(edit, QStringLiteral("N26"), QStringLiteral("Копировать"), icons::copy(), &MainWindow::N26Click);
    add(edit, QStringLiteral("N27"), QStringLiteral("Вставить"), icons::paste(), &MainWindow::N27Click);
    add(edit, QStringLiteral("N28"), QStringLiteral("Выделить всё"), QIcon(), &MainWindow::N28Click);

    QMenu *extra = bar->addMenu(QStringLiteral("Дополнительно"));
    add(extra, QStringLiteral("N10"), QStringLiteral("Размер конверта"), icons::size(), &MainWindow::N10Click);
    add(extra, QStringLiteral("N12"), QStringLiteral("Шрифт"), icons::font(), &MainWindow::N12Click);
    add(extra, QStringLiteral("N14"), QStringLiteral("Групповая рассылка"), icons::group(), &MainWindow::N14Click);
    add(extra, QStringLiteral("N15"), QStringLiteral("Адресная книга"), icons::book(), &MainWindow::N15Click);
    add(extra, QStringLiteral("N2"), QStringLiteral("Инф. о пользователе"), icons::user(), &MainWindow::N2Click);
    add(extra, QStringLiteral("N8"), QStringLiteral("Почтовый индекс"), icons::postcode(), &MainWindow::N8Click);

    QMenu *help = bar->addMenu(QStringLiteral("Справка"));
    add(help, QStringLiteral("F11"), QStringLiteral("Вызов справки "), icons::help(), &MainWindow::F11Click);
    add(help, QStringLiteral("N17"), QStringLiteral("О программе"), icons::about(), &MainWindow::N17Click);
}

void MainWindow::buildToolBar()
{
    m_toolBar = new QToolBar(m_client);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setGeometry(0, 0, 687, 29);
    struct Button
    {
        QString hint;
        QIcon icon;
        void (MainWindow::*slot)();
    };
    const Button buttons[] = {
        {QStringLiteral("Написать письмо"), icons::letter(), &MainWindow::N23Click},
        {QStringLiteral("Копировать"), icons::copy(), &MainWindow::N26Click},
        {QStringLiteral("Вставить"), icons::paste(), &MainWindow::N27Click},
        {QStringLiteral("Печать данного конверта"), icons::envelope(), &MainWindow::N5Click},
        {QStringLiteral("Размеры конверта"), icons::size(), &MainWindow::N10Click},
        {QStringLiteral("Адресная книга"), icons::book(), &MainWindow::N15Click},
        {QStringLiteral("Настройка шрифтов"), icons::font(), &MainWindow::N12Click},
        {QStringLiteral("Информация о пользователе"), icons::user(), &MainWindow::N2Click},
        {QStringLiteral("Справка"), icons::help(), &MainWindow::F11Click},
        {QStringLiteral("Выход"), icons::exit(), &MainWindow::N7Click},
    };
    int n = 0;
    for (const Button &b : buttons) {
        QAction *a = m_toolBar->addAction(b.icon, b.hint);
        a->setToolTip(b.hint);
        a->setObjectName(QStringLiteral("ToolButton%1").arg(++n));
        connect(a, &QAction::triggered, this, b.slot);
        if (QWidget *w = m_toolBar->widgetForAction(a))
            w->setFixedSize(25, 25);
    }
}

void MainWindow::buildEnvelope()
{
    m_shape = new EnvelopeShape(m_client);
    m_shape->setObjectName(QStringLiteral("Shape1"));
    m_shape->setGeometry(24, 40, 625, 448);

    m_label1 = makeBoxLabel(QStringLiteral("Адрес отправителя"), m_client);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->move(48, 72);

    m_memo1 = new QPlainTextEdit(m_client);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setGeometry(48, 88, 193, 129);
    m_memo1->setTabChangesFocus(false);
    m_memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_label2 = makeBoxLabel(QStringLiteral("Адрес получателя"), m_client);
    m_label2->setObjectName(QStringLiteral("Label2"));

    m_memo2 = new QPlainTextEdit(m_client);
    m_memo2->setObjectName(QStringLiteral("Memo2"));
    m_memo2->resize(193, 121);
    m_memo2->setTabChangesFocus(true);
    m_memo2->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_panel1 = new QLabel(QStringLiteral("Марка"), m_client);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel1->setLineWidth(1);
    m_panel1->setAlignment(Qt::AlignCenter);
    m_panel1->setAutoFillBackground(true); // a panel in the button-face colour, its bevel visible on the cream
    m_panel1->resize(57, 73);

    m_label3 = new QLabel(QStringLiteral("Размер конверта"), m_client);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(80, 272, 362, 52);
    QFont big(QStringLiteral("Arial Black"));
    big.setPixelSize(37);
    big.setWeight(QFont::Black);
    m_label3->setFont(big);
    QPalette pal = m_label3->palette();
    pal.setColor(QPalette::WindowText, QColor(200, 200, 200));
    m_label3->setPalette(pal);

    for (QPlainTextEdit *memo : {m_memo1, m_memo2})
        memo->viewport()->installEventFilter(this);
    m_activeMemo = m_memo2;

    // The layout of the designed form until start-up reads "envtip".
    m_label2->move(400, 312);
    m_memo2->move(400, 328);
    m_panel1->move(552, 64);
}

void MainWindow::FormCreate()
{
    // The start-up reads the envelope itself and shows its size in the start-up wording.
    m_starting = true;
    const auto started = qScopeGuard([this] { m_starting = false; });
    SharedState &s = m_ctx.state;
    guarded(m_ctx.messages, [&] {
        // drawThisEnv
        set_env(settings::readEnvtip(m_ctx.workDir));
        s.setEnvelope(settings::readEnvtip(m_ctx.workDir), s.envelopeWidth(), s.envelopeHeight());
        s.setPreviewIndex(0);
        move(10, 10);
        const settings::EnvelopeSize size = settings::readParfile(m_ctx.workDir);
        s.setEnvelopeSize(size.width, size.height);
        SetFonts();
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
            if (st == Qt::ApplicationInactive)
                givek_browser();
        });
        setSizeLabel(sizeLabelAtStartup(s.envelopeHeight(), s.envelopeWidth()));
    });
}

void MainWindow::set_env(int envType)
{
    EnvelopeLayoutInput in;
    in.shapePos = m_shape->pos();
    in.shapeSize = m_shape->size();
    in.stampSize = m_panel1->size();
    in.senderBoxWidth = m_memo1->width();
    in.recipientBoxHeight = m_memo2->height();
    in.recipientLabelHeight = 13;
    const EnvelopeLayout layout = envelopeLayout(envType, in);
    m_shape->resize(layout.shapeSize);
    m_panel1->move(layout.stampPos);
    m_memo2->move(layout.recipientPos);
    m_label2->move(layout.recipientLabelPos);
}

void MainWindow::SetFonts()
{
    SharedState &s = m_ctx.state;
    s.setSenderFont(settings::readHomeFont(m_ctx.workDir));
    s.setRecipientFont(settings::readAddrFont(m_ctx.workDir));
    auto apply = [](QPlainTextEdit *memo, const TFontSetting &f) {
        QFont font(f.Name);
        font.setPointSize(f.Size > 0 ? f.Size : 8);
        font.setBold(f.Bold);
        font.setItalic(f.Italic);
        memo->setFont(font);
    };
    apply(m_memo1, s.senderFont());
    apply(m_memo2, s.recipientFont());
}

void MainWindow::setSizeLabel(const QString &text)
{
    m_label3->setText(text);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_memo1->viewport())
            m_activeMemo = m_memo1; // Memo1Click
        else if (watched == m_memo2->viewport())
            m_activeMemo = m_memo2; // Memo2Click
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::confirmExit()
{
    return m_ctx.messages.askYesNo(ExitQuestion, Title);
}

void MainWindow::N7Click()
{
    if (!confirmExit())
        return;
    m_exitConfirmed = true;
    quitProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_exitConfirmed || confirmExit()) {
        m_exitConfirmed = true;
        event->accept();
        quitProgram();
    } else {
        event->ignore();
    }
}

void MainWindow::N26Click()
{
    m_activeMemo->copy();
}

void MainWindow::N27Click()
{
    m_activeMemo->insertPlainText(QApplication::clipboard()->text());
}

void MainWindow::N28Click()
{
    m_activeMemo->selectAll();
}

void MainWindow::N23Click()
{
#ifdef Q_OS_WIN
    m_ctx.desktop.startProgram(qEnvironmentVariable("windir") + QStringLiteral("\\write.exe"), {});
#else
    // The desktop's word processor: LibreOffice Writer when it is installed, else another one.
    const QList<QPair<QString, QStringList>> candidates = {
        {QStringLiteral("libreoffice"), {QStringLiteral("--writer")}},
        {QStringLiteral("lowriter"), {}},
        {QStringLiteral("abiword"), {}},
        {QStringLiteral("calligrawords"), {}},
        {QStringLiteral("gnome-text-editor"), {}},
        {QStringLiteral("gedit"), {}},
        {QStringLiteral("kwrite"), {}},
        {QStringLiteral("mousepad"), {}},
    };
    for (const auto &c : candidates) {
        const QString exe = QStandardPaths::findExecutable(c.first);
        if (!exe.isEmpty()) {
            m_ctx.desktop.startProgram(exe, c.second);
            return;
        }
    }
#endif
}

void MainWindow::F11Click()
{
#ifdef Q_OS_WIN
    m_ctx.desktop.startProgram(qEnvironmentVariable("windir") + QStringLiteral("\\hh.exe"),
                               {QStringLiteral("help.chm")});
#else
    m_ctx.desktop.openDocument(QDir(m_ctx.dataDir).filePath(QStringLiteral("help/index.html")));
#endif
}

void MainWindow::N5Click()
{
    guarded(m_ctx.messages, [&] { PrintThis(m_ctx, *m_memo1, *m_memo2); });
}

void MainWindow::N6Click()
{
    guarded(m_ctx.messages,
            [&] { GroupMailingWindow::showGroupMailing(m_ctx, GroupMailingWindow::Origin::FileMenu, this); });
}

void MainWindow::N14Click()
{
    guarded(m_ctx.messages,
            [&] { GroupMailingWindow::showGroupMailing(m_ctx, GroupMailingWindow::Origin::ExtrasMenu, this); });
}

void MainWindow::N10Click()
{
    guarded(m_ctx.messages, [&] {
        SizeDialog dialog(m_ctx, this);
        dialog.exec();
    });
}

void MainWindow::N12Click()
{
    guarded(m_ctx.messages, [&] {
        FontSetupDialog form(m_ctx, this);
        form.exec();
    });
    guarded(m_ctx.messages, [&] { SetFonts(); });
}

void MainWindow::N15Click()
{
    guarded(m_ctx.messages, [&] {
        AddressBookDialog form(m_ctx, this);
        form.exec();
    });
}

void MainWindow::N2Click()
{
    guarded(m_ctx.messages, [&] {
        SenderDialog form(m_ctx, this);
        form.exec();
    });
}

void MainWindow::N8Click()
{
    guarded(m_ctx.messages, [&] {
        PostalCodeDialog form(m_ctx, this);
        form.exec();
    });
}

void MainWindow::N17Click()
{
    auto *about = new AboutDialog(m_ctx, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::givek_browser()
{
    if (m_ctx.browseForm && m_ctx.browseForm->isVisible())
        m_ctx.browseForm->close();
}
