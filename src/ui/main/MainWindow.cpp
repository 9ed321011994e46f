#include "ui/main/MainWindow.h"
#include "ui/common/FormLook.h"

#include "logic/envelope/EnvelopeSizes.h"
#include "logic/files/WorkDir.h"
#include "logic/services/Desktop.h"
#include "logic/services/Guard.h"
#include "logic/services/Language.h"
#include "logic/services/Messages.h"
#include "logic/state/PrintSettings.h"
#include "logic/state/SharedState.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/common/AppContext.h"
#include "ui/common/QtIcons.h"
#include "ui/common/Theme.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/HelpWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintActions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

namespace {

// The cream rectangle of the schematic envelope.
class EnvelopePicture : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), theme::envelopeFace(palette()));
        QPen pen(theme::envelopeOutline(palette()), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// The platform's keys for a standard command; where it has none (Quit under Windows conventions),
// the usual ones of a Linux desktop.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
}

QLabel *makeBoxLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    label->adjustSize();
    return label;
}

} // namespace

MainWindow::MainWindow(AppContext &ctx)
    : QMainWindow(nullptr)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(tr("Велтора"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
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
        layOutEnvelope(m_ctx.state.envelopeShape());
        setSizeLabel(sizeLabelFromDialog(m_ctx.state.envelopeHeight(), m_ctx.state.envelopeWidth()));
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::setFeedMethodDialog(FeedMethodDialog *dialog)
{
    m_feedMethod = dialog;
}

void MainWindow::setDocumentBrowser(DocumentBrowser *browser)
{
    m_documentBrowser = browser;
}

void MainWindow::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto add = [this](QMenu *menu, const QString &name, const QString &caption, DrawnIcon icon,
                      void (MainWindow::*slot)()) {
        QAction *a = menu->addAction(caption);
        setDrawnIcon(a, icon);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *file = bar->addMenu(tr("&Файл"));
    add(file, QStringLiteral("writeLetterAction"), tr("&Написать письмо"), icons::letter, &MainWindow::writeLetter);
    QMenu *print = file->addMenu(tr("&Печать"));
    setDrawnIcon(print->menuAction(), icons::print);
    add(print, QStringLiteral("printEnvelopeAction"), tr("&Данный конверт"), icons::envelope,
        &MainWindow::printEnvelope)
        ->setShortcut(QKeySequence::Print);
    add(print, QStringLiteral("printGroupMailingAction"), tr("&Групповая рассылка"), icons::group,
        &MainWindow::printGroupMailing);
    file->addSeparator();
    add(file, QStringLiteral("exitAction"), tr("В&ыход"), icons::exit, &MainWindow::exitProgram)
        ->setShortcuts(standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    QMenu *edit = bar->addMenu(tr("&Правка"));
    add(edit, QStringLiteral("copyAction"), tr("&Копировать"), icons::copy, &MainWindow::copy)
        ->setShortcut(QKeySequence::Copy);
    add(edit, QStringLiteral("pasteAction"), tr("В&ставить"), icons::paste, &MainWindow::paste)
        ->setShortcut(QKeySequence::Paste);
    add(edit, QStringLiteral("selectAllAction"), tr("&Выделить всё"), nullptr, &MainWindow::selectAll)
        ->setShortcut(QKeySequence::SelectAll);

    QMenu *extra = bar->addMenu(tr("&Дополнительно"));
    add(extra, QStringLiteral("envelopeSizeAction"), tr("&Размер конверта"), icons::size,
        &MainWindow::chooseEnvelopeSize);
    add(extra, QStringLiteral("fontsAction"), tr("&Шрифт"), icons::font, &MainWindow::chooseFonts);
    add(extra, QStringLiteral("groupMailingAction"), tr("&Групповая рассылка"), icons::group,
        &MainWindow::openGroupMailing);
    add(extra, QStringLiteral("addressBookAction"), tr("&Адресная книга"), icons::book, &MainWindow::openAddressBook);
    add(extra, QStringLiteral("senderAction"), tr("&Инф. о пользователе"), icons::user, &MainWindow::editSender);
    add(extra, QStringLiteral("postalCodeAction"), tr("&Почтовый индекс"), icons::postcode,
        &MainWindow::findPostalCode);
    extra->addSeparator();
    buildLanguageMenu(extra);

    QMenu *help = bar->addMenu(tr("&Справка"));
    add(help, QStringLiteral("helpAction"), tr("&Вызов справки "), icons::help, &MainWindow::showHelp)
        ->setShortcut(QKeySequence::HelpContents);
    add(help, QStringLiteral("aboutAction"), tr("&О программе"), icons::about, &MainWindow::showAbout);
}

void MainWindow::setDrawnIcon(QAction *action, DrawnIcon icon)
{
    if (!icon)
        return;
    action->setIcon(icon());
    m_drawnIcons.append({action, icon});
}

void MainWindow::changeEvent(QEvent *event)
{
    // Another theme: the icons and the envelope's colours are made again from its palette.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) {
        for (const auto &[action, icon] : std::as_const(m_drawnIcons))
            action->setIcon(icon());
        applyThemeColours();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::applyThemeColours()
{
    if (!m_sizeLabel)
        return; // the envelope is not built yet
    for (QLabel *label : {m_senderLabel, m_recipientLabel}) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, theme::captionBackground(pal));
        label->setPalette(pal);
    }
    QPalette faint = palette();
    faint.setColor(QPalette::WindowText, theme::faintCaption(faint));
    m_sizeLabel->setPalette(faint);
}

void MainWindow::buildLanguageMenu(QMenu *parent)
{
    QMenu *menu = parent->addMenu(tr("&Язык"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(menu);
    // Each language under its own name, so that it can be found whatever the interface shows.
    const QList<QPair<QString, QString>> languages = {{QStringLiteral("ru"), QStringLiteral("&Русский")},
                                                      {QStringLiteral("uk"), QStringLiteral("&Українська")},
                                                      {QStringLiteral("en"), QStringLiteral("&English")}};
    const QString chosen = language::storedChoice().isEmpty() ? language::current() : language::storedChoice();
    for (const auto &[code, name] : languages) {
        QAction *a = menu->addAction(name);
        a->setObjectName(QStringLiteral("language_") + code);
        a->setCheckable(true);
        a->setChecked(code == chosen);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code = code] { chooseLanguage(code); });
    }
}

void MainWindow::chooseLanguage(const QString &code)
{
    if (!language::storeChoice(code)) {
        m_ctx.messages.show(tr("Не удалось запомнить выбор языка: настройки пользователя не записываются."));
        return;
    }
    if (code != language::current())
        m_ctx.messages.show(tr("Выбранный язык интерфейса вступит в силу при следующем запуске программы."));
}

void MainWindow::buildToolBar()
{
    m_toolBar = new QToolBar(m_client);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setGeometry(0, 0, 687, 29);
    struct Button
    {
        const char *name;
        QString hint;
        DrawnIcon icon;
        void (MainWindow::*slot)();
    };
    const Button buttons[] = {
        {"writeLetterButton", tr("Написать письмо"), icons::letter, &MainWindow::writeLetter},
        {"copyButton", tr("Копировать"), icons::copy, &MainWindow::copy},
        {"pasteButton", tr("Вставить"), icons::paste, &MainWindow::paste},
        {"printEnvelopeButton", tr("Печать данного конверта"), icons::envelope, &MainWindow::printEnvelope},
        {"envelopeSizeButton", tr("Размеры конверта"), icons::size, &MainWindow::chooseEnvelopeSize},
        {"addressBookButton", tr("Адресная книга"), icons::book, &MainWindow::openAddressBook},
        {"fontsButton", tr("Настройка шрифтов"), icons::font, &MainWindow::chooseFonts},
        {"senderButton", tr("Информация о пользователе"), icons::user, &MainWindow::editSender},
        {"helpButton", tr("Справка"), icons::help, &MainWindow::showHelp},
        {"exitButton", tr("Выход"), icons::exit, &MainWindow::exitProgram},
    };
    for (const Button &b : buttons) {
        QAction *a = m_toolBar->addAction(b.hint);
        setDrawnIcon(a, b.icon);
        a->setToolTip(b.hint);
        a->setObjectName(QString::fromLatin1(b.name));
        connect(a, &QAction::triggered, this, b.slot);
        if (QWidget *w = m_toolBar->widgetForAction(a)) {
            w->setFixedSize(25, 25);
            w->setAccessibleName(b.hint);
        }
    }
}

void MainWindow::buildEnvelope()
{
    m_envelopeShape = new EnvelopePicture(m_client);
    m_envelopeShape->setObjectName(QStringLiteral("envelopeShape"));
    m_envelopeShape->setGeometry(24, 40, 625, 448);

    m_senderLabel = makeBoxLabel(tr("Адрес отправителя"), m_client);
    m_senderLabel->setObjectName(QStringLiteral("senderLabel"));
    m_senderLabel->move(48, 72);

    m_senderBox = new QPlainTextEdit(m_client);
    m_senderBox->setObjectName(QStringLiteral("senderBox"));
    m_senderBox->setGeometry(48, 88, 193, 129);
    m_senderBox->setTabChangesFocus(true);
    m_senderBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_senderBox->setAccessibleName(tr("Адрес отправителя"));
    m_senderBox->setAccessibleDescription(
        tr("Адрес отправителя, строка за строкой, как он будет напечатан на конверте."));

    m_recipientLabel = makeBoxLabel(tr("Адрес получателя"), m_client);
    m_recipientLabel->setObjectName(QStringLiteral("recipientLabel"));

    m_recipientBox = new QPlainTextEdit(m_client);
    m_recipientBox->setObjectName(QStringLiteral("recipientBox"));
    m_recipientBox->resize(193, 121);
    m_recipientBox->setTabChangesFocus(true);
    m_recipientBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_recipientBox->setAccessibleName(tr("Адрес получателя"));
    m_recipientBox->setAccessibleDescription(
        tr("Адрес получателя, строка за строкой, как он будет напечатан на конверте."));

    m_stamp = new QLabel(tr("Марка"), m_client);
    m_stamp->setObjectName(QStringLiteral("stamp"));
    m_stamp->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_stamp->setLineWidth(1);
    m_stamp->setAlignment(Qt::AlignCenter);
    m_stamp->setAutoFillBackground(true); // a panel in the button-face colour, its bevel visible on the cream
    m_stamp->resize(57, 73);

    m_sizeLabel = new QLabel(tr("Размер конверта"), m_client);
    m_sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    m_sizeLabel->setGeometry(80, 272, 362, 52);
    QFont big(QStringLiteral("Arial Black"));
    big.setPixelSize(37);
    big.setWeight(QFont::Black);
    m_sizeLabel->setFont(big);
    applyThemeColours();

    for (QPlainTextEdit *box : {m_senderBox, m_recipientBox})
        box->viewport()->installEventFilter(this);
    m_activeBox = m_recipientBox;
    // The window opens ready to type the recipient's address.
    m_recipientBox->setFocus();

    // The layout of the designed form until start-up reads "envtip".
    m_recipientLabel->move(400, 312);
    m_recipientBox->move(400, 328);
    m_stamp->move(552, 64);
}

void MainWindow::loadSettings()
{
    // The start-up reads the envelope itself and shows its size in the start-up wording.
    m_starting = true;
    const auto started = qScopeGuard([this] { m_starting = false; });
    SharedState &s = m_ctx.state;
    guarded(m_ctx.messages, [&] {
        loadPrintSettings(m_ctx.workDir, s);
        layOutEnvelope(s.envelopeShape());
        s.setPreviewIndex(0);
        move(10, 10);
        showFonts();
        connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
            if (st == Qt::ApplicationInactive)
                closeDocumentBrowser();
        });
        setSizeLabel(sizeLabelAtStartup(s.envelopeHeight(), s.envelopeWidth()));
    });
}

void MainWindow::layOutEnvelope(EnvelopeShape shape)
{
    EnvelopeLayoutInput in;
    in.shapePos = m_envelopeShape->pos();
    in.shapeSize = m_envelopeShape->size();
    in.stampSize = m_stamp->size();
    in.senderBoxWidth = m_senderBox->width();
    in.recipientBoxHeight = m_recipientBox->height();
    in.recipientLabelHeight = 13;
    const EnvelopeLayout layout = envelopeLayout(shape, in);
    m_envelopeShape->resize(layout.shapeSize);
    m_stamp->move(layout.stampPos);
    m_recipientBox->move(layout.recipientPos);
    m_recipientLabel->move(layout.recipientLabelPos);
}

void MainWindow::applyFonts()
{
    loadPrintFonts(m_ctx.workDir, m_ctx.state);
    showFonts();
}

void MainWindow::showFonts()
{
    const SharedState &s = m_ctx.state;
    auto apply = [](QPlainTextEdit *box, const FontSetting &f) {
        QFont font(f.name);
        font.setPointSize(f.pointSize > 0 ? f.pointSize : 8);
        font.setBold(f.bold);
        font.setItalic(f.italic);
        box->setFont(font);
    };
    apply(m_senderBox, s.senderFont());
    apply(m_recipientBox, s.recipientFont());
}

void MainWindow::setSizeLabel(const QString &text)
{
    m_sizeLabel->setText(text);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_senderBox->viewport())
            m_activeBox = m_senderBox;
        else if (watched == m_recipientBox->viewport())
            m_activeBox = m_recipientBox;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::confirmExit()
{
    return m_ctx.messages.askYesNo(tr("Вы действительно хотите выйти?"), tr("Велтора"));
}

void MainWindow::exitProgram()
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

void MainWindow::copy()
{
    m_activeBox->copy();
}

void MainWindow::paste()
{
    m_activeBox->insertPlainText(QApplication::clipboard()->text());
}

void MainWindow::selectAll()
{
    m_activeBox->selectAll();
}

void MainWindow::writeLetter()
{
#ifdef Q_OS_WIN
    if (m_ctx.desktop.startProgram(qEnvironmentVariable("windir") + QStringLiteral("\\write.exe"), {}))
        return;
    m_ctx.messages.show(tr("Не удалось начать письмо: не запускается текстовый редактор WordPad (write.exe)."));
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
        if (!exe.isEmpty() && m_ctx.desktop.startProgram(exe, c.second))
            return;
    }
    m_ctx.messages.show(tr("Не удалось начать письмо: в системе не найден текстовый процессор. "
                           "Установите текстовый процессор (например, LibreOffice Writer, "
                           "пакет libreoffice-writer) и повторите попытку."));
#endif
}

void MainWindow::showHelp()
{
#ifdef Q_OS_WIN
    if (m_ctx.desktop.startProgram(qEnvironmentVariable("windir") + QStringLiteral("\\hh.exe"),
                                   {QStringLiteral("help.chm")}))
        return;
    m_ctx.messages.show(tr("Не удалось открыть справку: не запускается программа просмотра справки "
                           "Windows (hh.exe)."));
#else
    const QString guide = HelpWindow::firstPage(m_ctx.dataDir, language::current());
    if (!QFileInfo::exists(guide)) {
        m_ctx.messages.show(tr("Не удалось открыть справку: не найден файл %1.").arg(QDir::toNativeSeparators(guide)));
        return;
    }
    if (m_ctx.desktop.openDocument(guide))
        return;
    // No web browser: the program's own help window shows the pages.
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(guide, this);
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
#endif
}

void MainWindow::printEnvelope()
{
    guarded(m_ctx.messages, [&] { printSingleEnvelope(m_ctx, m_feedMethod, *m_senderBox, *m_recipientBox); });
}

void MainWindow::printGroupMailing()
{
    guarded(m_ctx.messages, [&] { showGroupMailingWindow(GroupMailingWindow::Origin::FileMenu); });
}

void MainWindow::openGroupMailing()
{
    guarded(m_ctx.messages, [&] { showGroupMailingWindow(GroupMailingWindow::Origin::ExtrasMenu); });
}

void MainWindow::showGroupMailingWindow(GroupMailingWindow::Origin origin)
{
    if (!m_groupMailing)
        m_groupMailing = std::make_unique<GroupMailingWindow>(m_ctx, this, m_feedMethod, m_documentBrowser);
    m_groupMailing->showFor(origin);
}

void MainWindow::chooseEnvelopeSize()
{
    guarded(m_ctx.messages, [&] {
        SizeDialog dialog(m_ctx, this);
        runDialog(dialog);
    });
}

void MainWindow::chooseFonts()
{
    guarded(m_ctx.messages, [&] {
        FontSetupDialog dialog(m_ctx, this);
        runDialog(dialog);
    });
    guarded(m_ctx.messages, [&] { applyFonts(); });
}

void MainWindow::openAddressBook()
{
    guarded(m_ctx.messages, [&] {
        AddressBookDialog dialog(m_ctx, this);
        runDialog(dialog);
    });
}

void MainWindow::editSender()
{
    guarded(m_ctx.messages, [&] {
        SenderDialog dialog(m_ctx, this);
        runDialog(dialog);
    });
}

void MainWindow::findPostalCode()
{
    guarded(m_ctx.messages, [&] {
        PostalCodeDialog dialog(m_ctx, this);
        connect(&dialog, &PostalCodeDialog::insertRequested, this, &MainWindow::insertIntoRecipientBox);
        runDialog(dialog);
    });
}

void MainWindow::insertIntoRecipientBox(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QTextDocument *document = m_recipientBox->document();
    // The last line with text: a postal code there (five digits and nothing else) is the one that
    // the inserted lines replace, so that a second choice does not leave two codes.
    QTextBlock last = document->lastBlock();
    while (last.isValid() && last.previous().isValid() && last.text().isEmpty())
        last = last.previous();
    static const QRegularExpression postalCodeLine(QStringLiteral("^[0-9]{5}$"));
    // Through the cursor, so that "Отменить" of the box takes the insertion back.
    QTextCursor cursor(document);
    if (postalCodeLine.match(last.text()).hasMatch()) {
        cursor.setPosition(last.position());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.insertText(lines.join(QLatin1Char('\n')));
    } else {
        const QString text = m_recipientBox->toPlainText();
        const bool newLine = !text.isEmpty() && !text.endsWith(QLatin1Char('\n'));
        cursor.movePosition(QTextCursor::End);
        cursor.insertText((newLine ? QStringLiteral("\n") : QString()) + lines.join(QLatin1Char('\n')));
    }
    m_recipientBox->setTextCursor(cursor);
    m_recipientBox->ensureCursorVisible();
    m_activeBox = m_recipientBox;
}

void MainWindow::runDialog(QDialog &dialog)
{
    const QPointer<QWidget> hadFocus = focusWidget();
    dialog.exec();
    activateWindow();
    if (hadFocus)
        hadFocus->setFocus(Qt::ActiveWindowFocusReason);
}

void MainWindow::showAbout()
{
    auto *about = new AboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::closeDocumentBrowser()
{
    if (m_documentBrowser && m_documentBrowser->isVisible())
        m_documentBrowser->close();
}
