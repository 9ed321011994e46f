#include "ui/print/PrintSetupDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/print/NumberList.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/common/Theme.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

namespace {

// The number list is coloured as a scroll bar while it is disabled, white while it takes a list;
// under a dark theme, the palette's window and base colours.
QColor disabledListColour(const QWidget *edit)
{
    return theme::panelFace(edit->palette(), QColor(212, 208, 200));
}

QColor enabledListColour(const QWidget *edit)
{
    return theme::isDark(edit->palette()) ? edit->palette().color(QPalette::Base) : QColor(Qt::white);
}

QLabel *label(const QString &text, QWidget *parent, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QGroupBox *group(const QString &title, const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(geometry);
    return g;
}

void colourList(QLineEdit *edit, const QColor &colour)
{
    QPalette pal = edit->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, colour);
    edit->setPalette(pal);
}

// Asks before envelopes whose postal code the directory contradicts are printed; true to print.
// A directory that cannot be read asks nothing: the check is a help, never a lock.
bool confirmPostalProblems(AppContext &ctx, const QList<int> &selection)
{
    std::shared_ptr<const postal::PostalDirectory> directory;
    try {
        directory = postal::PostalDirectory::shared(ctx.workDir);
    } catch (const AppError &) {
        return true;
    }
    const MailingCheck check = checkMailing(*directory, ctx.state.mailing(), ctx.state.mailingList(), &selection);
    if (check.problems.isEmpty())
        return true;
    constexpr int Shown = 5;
    QStringList lines;
    for (qsizetype i = 0; i < std::min<qsizetype>(check.problems.size(), Shown); ++i) {
        const MailingProblem &p = check.problems.at(i);
        lines.append(QStringLiteral("%1. %2: %3").arg(p.index + 1).arg(p.entry, p.message));
    }
    if (check.problems.size() > Shown)
        lines.append(PrintSetupDialog::tr("… и ещё %1").arg(check.problems.size() - Shown));
    return ctx.messages.askYesNo(
        PrintSetupDialog::tr("Почтовый индекс не сходится с адресом на %1 из %2 конвертов:\n%3\n\nПечатать всё равно?")
            .arg(check.problems.size())
            .arg(selection.size())
            .arg(lines.join(QLatin1Char('\n'))),
        PrintSetupDialog::tr("Велтора"));
}

} // namespace

PrintSetupDialog *PrintSetupDialog::open(AppContext &ctx, FeedMethodDialog *feedMethod, QWidget *parent)
{
    auto *dialog = new PrintSetupDialog(ctx, feedMethod, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

PrintSetupDialog::PrintSetupDialog(AppContext &ctx, FeedMethodDialog *feedMethod, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
    , m_feedMethod(feedMethod)
{
    setObjectName(QStringLiteral("PrintSetupDialog"));
    setWindowTitle(tr("Настройка печати"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(506, 290);
    move(209, 108);
    buildControls();
}

void PrintSetupDialog::buildControls()
{
    QGroupBox *printer = group(tr("Принтер"), QStringLiteral("printerGroup"), this, {8, 8, 489, 89});
    label(tr("Имя: "), printer, 8, 24 + 4);
    m_printers = new QComboBox(printer);
    m_printers->setObjectName(QStringLiteral("printerBox"));
    m_printers->setGeometry(56, 24, 321, 21);
    fillPrinters();
    connect(m_printers, &QComboBox::activated, this, &PrintSetupDialog::choosePrinter);
    auto *setup = new QPushButton(tr("Настройка"), printer);
    setup->setObjectName(QStringLiteral("printerSetupButton"));
    setup->setGeometry(400, 24, 75, 25);
    formlook::fitCaption(setup);
    setup->setAutoDefault(false); // Enter stays with OK after the printer's own dialog
    connect(setup, &QPushButton::clicked, this, &PrintSetupDialog::openPrinterSetup);
    QLabel *statusCaption = label(tr("Состояние: "), printer, 8, 64);
    // Read once: the status is that of the moment the dialog is built.
    m_status = label(m_ctx.printing.printing() ? tr("Занят") : tr("Свободен"), printer,
                     std::max(72, statusCaption->geometry().right() + 1), 64);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    label(tr("Бумага: "), printer, 160, 64);
    m_media = label(QString(), printer, 216, 64);
    m_media->setObjectName(QStringLiteral("mediaLabel"));
    m_media->setFixedWidth(265);
    showMedia();

    QGroupBox *envelopes = group(tr("Конверты"), QStringLiteral("envelopesGroup"), this, {8, 104, 265, 137});
    m_all = new QRadioButton(tr("Все"), envelopes);
    m_all->setObjectName(QStringLiteral("allButton"));
    m_all->setGeometry(8, 16, 49, 17);
    m_all->setChecked(true);
    m_numbers = new QRadioButton(tr("Номера (через запятую)"), envelopes);
    m_numbers->setObjectName(QStringLiteral("numbersButton"));
    m_numbers->setGeometry(8, 40, 200, 17);
    label(tr("диапазон через тире)"), envelopes, 28, 60)->setObjectName(QStringLiteral("numbersHint"));
    m_numberEdit = new QLineEdit(envelopes);
    m_numberEdit->setObjectName(QStringLiteral("numberEdit"));
    m_numberEdit->setGeometry(8, 84, 249, 21);
    m_numberEdit->setEnabled(false);
    colourList(m_numberEdit, disabledListColour(m_numberEdit));
    // The contents start a little below the frame's top line, however tall the style makes the title.
    if (const int below = envelopes->contentsRect().top() + 4 - m_all->y(); below > 0) {
        for (QWidget *w : envelopes->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            w->move(w->x(), w->y() + below);
    }
    connect(m_all, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseAllEnvelopes();
    });
    connect(m_numbers, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberedEnvelopes();
    });

    QGroupBox *copies = group(tr("Копии"), QStringLiteral("copiesGroup"), this, {280, 104, 193, 95});
    QLabel *copiesCaption = label(tr("Число копий: "), copies, 8, 24 + 4);
    m_copies = new QSpinBox(this);
    m_copies->setObjectName(QStringLiteral("copiesBox"));
    // Beside its caption, however long the caption is in the language shown.
    m_copies->setGeometry(std::max(368, copies->x() + copiesCaption->geometry().right() + 4), 128, 57, 22);
    m_copies->setRange(1, 50);
    m_copies->setValue(1);

    // Below the copies: "по [N] конвертов в задании".
    m_split = new QCheckBox(tr("по"), this);
    m_split->setObjectName(QStringLiteral("splitBox"));
    m_split->adjustSize();
    m_split->move(288, 214);
    m_jobSize = new QSpinBox(this);
    m_jobSize->setObjectName(QStringLiteral("jobSizeBox"));
    m_jobSize->setGeometry(m_split->geometry().right() + 4, 211, 57, 22);
    m_jobSize->setRange(1, 10000);
    m_jobSize->setValue(100);
    m_jobSize->setEnabled(false);
    label(tr("конвертов в задании"), this, m_jobSize->geometry().right() + 5, 215);
    connect(m_split, &QCheckBox::toggled, m_jobSize, &QSpinBox::setEnabled);
    showSplit();

    auto *ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(320, 256, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PrintSetupDialog::printChosenEnvelopes);
    auto *cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(408, 256, 75, 25);
    formlook::fitCaption(cancel);
    connect(cancel, &QPushButton::clicked, this, &PrintSetupDialog::close);
    auto *feed = new QPushButton(tr("Способ загрузки конверта"), this);
    feed->setObjectName(QStringLiteral("feedMethodButton"));
    feed->setGeometry(16, 256, 148, 25);
    feed->setAutoDefault(false);
    connect(feed, &QPushButton::clicked, this, &PrintSetupDialog::openFeedMethod);

    setTabOrder(m_printers, setup);
    setTabOrder(setup, m_all);
    setTabOrder(m_all, m_numbers);
    setTabOrder(m_numbers, m_numberEdit);
    setTabOrder(m_numberEdit, m_copies);
    setTabOrder(m_copies, m_split);
    setTabOrder(m_split, m_jobSize);
    setTabOrder(m_jobSize, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, feed);
}

void PrintSetupDialog::fillPrinters()
{
    const QStringList names = m_ctx.printing.printers();
    m_printers->clear();
    // The built-in printer is named in the interface's language; every printer keeps its own name.
    for (const QString &name : names)
        m_printers->addItem(name == pdfFilePrinterName() ? tr("PDF file") : name, name);
    m_printers->setCurrentIndex(int(names.indexOf(m_ctx.printing.currentPrinter())));
}

void PrintSetupDialog::choosePrinter(int index)
{
    guarded(m_ctx.messages, [&] {
        if (index >= 0)
            m_ctx.printing.setCurrentPrinter(m_printers->itemData(index).toString());
        showMedia();
    });
}

void PrintSetupDialog::showMedia()
{
    m_ctx.printing.setEnvelopeSize(m_ctx.state.envelopeWidth(), m_ctx.state.envelopeHeight());
    const QString media = m_ctx.printing.mediaDescription();
    m_media->setText(media);
    m_media->setToolTip(media);
    showSplit();
}

void PrintSetupDialog::showSplit()
{
    if (!m_split)
        return;
    const bool file = m_ctx.printing.currentPrinter() == pdfFilePrinterName();
    m_split->setEnabled(!file);
    m_jobSize->setEnabled(!file && m_split->isChecked());
}

void PrintSetupDialog::openPrinterSetup()
{
    guarded(m_ctx.messages, [&] {
        QPrinter *printer = m_ctx.printing.qprinter();
        if (!printer)
            return;
        QPrintDialog setup(printer, this);
        setup.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        setup.exec(); // its answer is not needed: what it set stays on the printer
        // The system dialog may have chosen another printer.
        fillPrinters();
        showMedia();
    });
}

void PrintSetupDialog::chooseAllEnvelopes()
{
    m_numberEdit->setEnabled(false);
    colourList(m_numberEdit, disabledListColour(m_numberEdit));
    m_numberEdit->clear();
}

void PrintSetupDialog::chooseNumberedEnvelopes()
{
    m_numberEdit->clear();
    m_numberEdit->setEnabled(true);
    colourList(m_numberEdit, enabledListColour(m_numberEdit));
}

void PrintSetupDialog::openFeedMethod()
{
    if (m_feedMethod)
        m_feedMethod->exec();
}

void PrintSetupDialog::printChosenEnvelopes()
{
    guarded(m_ctx.messages, [&] {
        const int count = int(m_ctx.state.mailingList().size());
        SelectionList selection;
        if (m_all->isChecked()) {
            selection.reserve(count);
            for (int i = 0; i < count; ++i)
                selection.append(i);
        } else {
            const numberlist::Reading r = numberlist::readNumberList(m_ctx.workDir, m_numberEdit->text(), count);
            switch (r.status) {
            case numberlist::Reading::Status::Malformed:
                m_ctx.messages.show(numberlist::malformedMessage());
                close();
                return;
            case numberlist::Reading::Status::OutsideList:
                // The list stays for the user to mend.
                m_ctx.messages.show(numberlist::outsideMessage(r.outsideNumber, count));
                return;
            case numberlist::Reading::Status::Accepted:
                selection = r.selection;
                break;
            }
        }
        if (!confirmPostalProblems(m_ctx, selection))
            return; // the dialog stays for another choice of envelopes
        printSelection(m_ctx, selection, m_copies->value(),
                       m_split->isEnabled() && m_split->isChecked() ? m_jobSize->value() : 0);
        close();
    });
}
