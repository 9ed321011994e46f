#include "ui/print/PrintSetupDialog.h"
#include "ui/common/FormLook.h"

#include "logic/print/NumberList.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintActions.h"

#include <QApplication>
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

// The number list is coloured as a scroll bar while it is disabled, white while it takes a list.
const QColor DisabledListColour(212, 208, 200);
const QColor EnabledListColour(Qt::white);

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
    setWindowTitle(QStringLiteral("Настройка печати"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(506, 290);
    move(209, 108);
    buildControls();
}

void PrintSetupDialog::buildControls()
{
    QGroupBox *printer = group(QStringLiteral("Принтер"), QStringLiteral("printerGroup"), this, {8, 8, 489, 89});
    label(QStringLiteral("Имя: "), printer, 8, 24 + 4);
    m_printers = new QComboBox(printer);
    m_printers->setObjectName(QStringLiteral("printerBox"));
    m_printers->setGeometry(56, 24, 321, 21);
    fillPrinters();
    connect(m_printers, &QComboBox::activated, this, &PrintSetupDialog::choosePrinter);
    auto *setup = new QPushButton(QStringLiteral("Настройка"), printer);
    setup->setObjectName(QStringLiteral("printerSetupButton"));
    setup->setGeometry(400, 24, 75, 25);
    connect(setup, &QPushButton::clicked, this, &PrintSetupDialog::openPrinterSetup);
    label(QStringLiteral("Состояние: "), printer, 8, 64);
    // Read once: the status is that of the moment the dialog is built.
    m_status = label(m_ctx.printing.printing() ? QStringLiteral("Занят") : QStringLiteral("Свободен"), printer, 72, 64);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    label(tr("Бумага: "), printer, 160, 64);
    m_media = label(QString(), printer, 216, 64);
    m_media->setObjectName(QStringLiteral("mediaLabel"));
    m_media->setFixedWidth(265);
    showMedia();

    QGroupBox *envelopes =
        group(QStringLiteral("Конверты"), QStringLiteral("envelopesGroup"), this, {8, 104, 265, 137});
    m_all = new QRadioButton(QStringLiteral("Все"), envelopes);
    m_all->setObjectName(QStringLiteral("allButton"));
    m_all->setGeometry(8, 16, 49, 17);
    m_all->setChecked(true);
    m_numbers = new QRadioButton(QStringLiteral("Номера (через запятую)"), envelopes);
    m_numbers->setObjectName(QStringLiteral("numbersButton"));
    m_numbers->setGeometry(8, 40, 200, 17);
    label(QStringLiteral("диапазон через тире)"), envelopes, 28, 60)->setObjectName(QStringLiteral("numbersHint"));
    m_numberEdit = new QLineEdit(envelopes);
    m_numberEdit->setObjectName(QStringLiteral("numberEdit"));
    m_numberEdit->setGeometry(8, 84, 249, 21);
    m_numberEdit->setEnabled(false);
    colourList(m_numberEdit, DisabledListColour);
    connect(m_all, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseAllEnvelopes();
    });
    connect(m_numbers, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberedEnvelopes();
    });

    QGroupBox *copies = group(QStringLiteral("Копии"), QStringLiteral("copiesGroup"), this, {280, 104, 193, 95});
    label(QStringLiteral("Число копий: "), copies, 8, 24 + 4);
    m_copies = new QSpinBox(this);
    m_copies->setObjectName(QStringLiteral("copiesBox"));
    m_copies->setGeometry(368, 128, 57, 22);
    m_copies->setRange(1, 50);
    m_copies->setValue(1);

    auto *ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(320, 256, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PrintSetupDialog::printChosenEnvelopes);
    auto *cancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(408, 256, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &PrintSetupDialog::close);
    auto *feed = new QPushButton(QStringLiteral("Способ загрузки конверта"), this);
    feed->setObjectName(QStringLiteral("feedMethodButton"));
    feed->setGeometry(16, 256, 148, 25);
    connect(feed, &QPushButton::clicked, this, &PrintSetupDialog::openFeedMethod);

    setTabOrder(m_printers, setup);
    setTabOrder(setup, m_all);
    setTabOrder(m_all, m_numbers);
    setTabOrder(m_numbers, m_numberEdit);
    setTabOrder(m_numberEdit, m_copies);
    setTabOrder(m_copies, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, feed);
}

void PrintSetupDialog::fillPrinters()
{
    const QStringList names = m_ctx.printing.printers();
    m_printers->clear();
    m_printers->addItems(names);
    m_printers->setCurrentIndex(int(names.indexOf(m_ctx.printing.currentPrinter())));
}

void PrintSetupDialog::choosePrinter(int index)
{
    guarded(m_ctx.messages, [&] {
        if (index >= 0)
            m_ctx.printing.setCurrentPrinter(m_printers->itemText(index));
        showMedia();
    });
}

void PrintSetupDialog::showMedia()
{
    m_ctx.printing.setEnvelopeSize(m_ctx.state.envelopeWidth(), m_ctx.state.envelopeHeight());
    const QString media = m_ctx.printing.mediaDescription();
    m_media->setText(media);
    m_media->setToolTip(media);
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
    colourList(m_numberEdit, DisabledListColour);
    m_numberEdit->clear();
}

void PrintSetupDialog::chooseNumberedEnvelopes()
{
    m_numberEdit->clear();
    m_numberEdit->setEnabled(true);
    colourList(m_numberEdit, EnabledListColour);
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
                m_ctx.messages.show(numberlist::MalformedMessage);
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
        printSelection(m_ctx, selection, m_copies->value());
        close();
    });
}
