#include "TMainform.h"
#include "app/FormLook.h"

#include "AppContext.h"
#include "Desktop.h"
#include "Guard.h"
#include "QtIcons.h"
#include "SharedState.h"
#include "TForm1.h"
#include "WorkDir.h"
#include "addresses/TAddressBookForm.h"
#include "addresses/TIndexform.h"
#include "addresses/TUserForm.h"
#include "envelope/EnvelopeSizes.h"
#include "envelope/SizeDialog.h"
#include "envelope/TFontSetupForm.h"
#include "mailing/GroupMailingWindow.h"
#include "mailing/TBrowseForm.h"
#include "print/PrintActions.h"

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

TMainform::TMainform(AppContext &ctx) : QMainWindow(nullptr), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(Title);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(formlook::msSansSerif(11));
    m_ctx.state.mainFont = this->font();
    quitProgram = [] { QCoreApplication::exit(0); };

    buildMenu();
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    buildToolBar();
    buildEnvelope();
    resize(687, 498 + menuBar()->sizeHint().height());
    move(10, 10);
}

void TMainform::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto add = [this](QMenu *menu, const QString &name, const QString &caption, const QIcon &icon,
                      void (TMainform::*slot)()) {
        QAction *a = menu->addAction(icon, caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = bar->addMenu(QStringLiteral("Файл"));
    add(file, QStringLiteral("N23"), QStringLiteral("Написать письмо"), icons::letter(), &TMainform::N23Click);
    QMenu *print = file->addMenu(icons::print(), QStringLiteral("Печать"));
    add(print, QStringLiteral("N5"), QStringLiteral("Данный конверт"), icons::envelope(), &TMainform::N5Click);
    add(print, QStringLiteral("N6"), QStringLiteral("Групповая рассылка"), icons::group(), &TMainform::N6Click);
    file->addSeparator();
    add(file, QStringLiteral("N7"), QStringLiteral("Выход"), icons::exit(), &TMainform::N7Click);

    QMenu *edit = bar->addMenu(QStringLiteral("Правка"));
    add(edit, QStringLiteral("N26"), QStringLiteral("Копировать"), icons::copy(), &TMainform::N26Click);
    add(edit, QStringLiteral("N27"), QStringLiteral("Вставить"), icons::paste(), &TMainform::N27Click);
    add(edit, QStringLiteral("N28"), QStringLiteral("Выделить всё"), QIcon(), &TMainform::N28Click);

    QMenu *extra = bar->addMenu(QStringLiteral("Дополнительно"));
    add(extra, QStringLiteral("N10"), QStringLiteral("Размер конверта"), icons::size(), &TMainform::N10Click);
    add(extra, QStringLiteral("N12"), QStringLiteral("Шрифт"), icons::font(), &TMainform::N12Click);
    add(extra, QStringLiteral("N14"), QStringLiteral("Групповая рассылка"), icons::group(), &TMainform::N14Click);
    add(extra, QStringLiteral("N15"), QStringLiteral("Адресная книга"), icons::book(), &TMainform::N15Click);
    add(extra, QStringLiteral("N2"), QStringLiteral("Инф. о пользователе"), icons::user(), &TMainform::N2Click);
    add(extra, QStringLiteral("N8"), QStringLiteral("Почтовый индекс"), icons::postcode(), &TMainform::N8Click);

    QMenu *help = bar->addMenu(QStringLiteral("Справка"));
    add(help, QStringLiteral("F11"), QStringLiteral("Вызов справки "), icons::help(), &TMainform::F11Click);
    add(help, QStringLiteral("N17"), QStringLiteral("О программе"), icons::about(), &TMainform::N17Click);
}

void TMainform::buildToolBar()
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
        void (TMainform::*slot)();
    };
    const Button buttons[] = {
        {QStringLiteral("Написать письмо"), icons::letter(), &TMainform::N23Click},
        {QStringLiteral("Копировать"), icons::copy(), &TMainform::N26Click},
        {QStringLiteral("Вставить"), icons::paste(), &TMainform::N27Click},
        {QStringLiteral("Печать данного конверта"), icons::envelope(), &TMainform::N5Click},
        {QStringLiteral("Размеры конверта"), icons::size(), &TMainform::N10Click},
        {QStringLiteral("Адресная книга"), icons::book(), &TMainform::N15Click},
        {QStringLiteral("Настройка шрифтов"), icons::font(), &TMainform::N12Click},
        {QStringLiteral("Информация о пользователе"), icons::user(), &TMainform::N2Click},
        {QStringLiteral("Справка"), icons::help(), &TMainform::F11Click},
        {QStringLiteral("Выход"), icons::exit(), &TMainform::N7Click},
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

void TMainform::buildEnvelope()
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

void TMainform::FormCreate()
{
    SharedState &s = m_ctx.state;
    guarded(m_ctx.messages, [&] {
        // drawThisEnv
        set_env(settings::readEnvtip(m_ctx.workDir));
        s.EnvType = settings::readEnvtip(m_ctx.workDir);
        s.PreviewIndex = 0;
        move(10, 10);
        const settings::EnvelopeSize size = settings::readParfile(m_ctx.workDir);
        s.EnvHeight = size.height;
        s.EnvWidth = size.width;
        SetFonts();
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
            if (st == Qt::ApplicationInactive)
                givek_browser();
        });
        setSizeLabel(sizeLabelAtStartup(s.EnvHeight, s.EnvWidth));
    });
}

void TMainform::set_env(int envType)
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

void TMainform::SetFonts()
{
    SharedState &s = m_ctx.state;
    s.HomeFontSetting = settings::readHomeFont(m_ctx.workDir);
    s.AddrFontSetting = settings::readAddrFont(m_ctx.workDir);
    auto apply = [](QPlainTextEdit *memo, const TFontSetting &f) {
        QFont font(f.Name);
        font.setPointSize(f.Size > 0 ? f.Size : 8);
        font.setBold(f.Bold);
        font.setItalic(f.Italic);
        memo->setFont(font);
    };
    apply(m_memo1, s.HomeFontSetting);
    apply(m_memo2, s.AddrFontSetting);
}

void TMainform::setSizeLabel(const QString &text)
{
    m_label3->setText(text);
}

bool TMainform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_memo1->viewport())
            m_activeMemo = m_memo1; // Memo1Click
        else if (watched == m_memo2->viewport())
            m_activeMemo = m_memo2; // Memo2Click
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainform::confirmExit()
{
    return m_ctx.messages.askYesNo(ExitQuestion, Title);
}

void TMainform::N7Click()
{
    if (!confirmExit())
        return;
    m_exitConfirmed = true;
    quitProgram();
}

void TMainform::closeEvent(QCloseEvent *event)
{
    if (m_exitConfirmed || confirmExit()) {
        m_exitConfirmed = true;
        event->accept();
        quitProgram();
    } else {
        event->ignore();
    }
}

void TMainform::N26Click()
{
    m_activeMemo->copy();
}

void TMainform::N27Click()
{
    m_activeMemo->insertPlainText(QApplication::clipboard()->text());
}

void TMainform::N28Click()
{
    m_activeMemo->selectAll();
}

void TMainform::N23Click()
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

void TMainform::F11Click()
{
#ifdef Q_OS_WIN
    m_ctx.desktop.startProgram(qEnvironmentVariable("windir") + QStringLiteral("\\hh.exe"),
                               {QStringLiteral("help.chm")});
#else
    m_ctx.desktop.openDocument(QDir(m_ctx.dataDir).filePath(QStringLiteral("help/index.html")));
#endif
}

void TMainform::N5Click()
{
    guarded(m_ctx.messages, [&] { PrintThis(m_ctx, *m_memo1, *m_memo2); });
}

void TMainform::N6Click()
{
    guarded(m_ctx.messages,
            [&] { GroupMailingWindow::showGroupMailing(m_ctx, GroupMailingWindow::Origin::FileMenu, this); });
}

void TMainform::N14Click()
{
    guarded(m_ctx.messages,
            [&] { GroupMailingWindow::showGroupMailing(m_ctx, GroupMailingWindow::Origin::ExtrasMenu, this); });
}

void TMainform::N10Click()
{
    guarded(m_ctx.messages, [&] {
        SizeDialog dialog(m_ctx, this);
        dialog.exec();
    });
}

void TMainform::N12Click()
{
    guarded(m_ctx.messages, [&] {
        TFontSetupForm form(m_ctx, this);
        form.exec();
    });
    guarded(m_ctx.messages, [&] { SetFonts(); });
}

void TMainform::N15Click()
{
    guarded(m_ctx.messages, [&] {
        TAddressBookForm form(m_ctx, this);
        form.exec();
    });
}

void TMainform::N2Click()
{
    guarded(m_ctx.messages, [&] {
        TUserForm form(m_ctx, this);
        form.exec();
    });
}

void TMainform::N8Click()
{
    guarded(m_ctx.messages, [&] {
        TIndexform form(m_ctx, this);
        form.exec();
    });
}

void TMainform::N17Click()
{
    auto *about = new TForm1(m_ctx, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void TMainform::givek_browser()
{
    if (m_ctx.browseForm && m_ctx.browseForm->isVisible())
        m_ctx.browseForm->close();
}
