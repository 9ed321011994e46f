#include "ui/envelope/FontSetupDialog.h"
#include "ui/common/FormLook.h"

#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Guard.h"
#include "ui/common/AppContext.h"
#include "ui/common/WholeText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace {

QFont sampleFont()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(16);
    return f;
}

} // namespace

FontSetupDialog::FontSetupDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("FontSetupDialog"));
    setWindowTitle(tr("Настройка шрифтов"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(536, 348);
    setFont(formlook::msSansSerif(11));

    buildHalf(m_sender, 0, 143, tr("Шрифт адреса отправителя"),
              {"senderHeading", "senderListLabel", "senderFontList", "senderBoldBox", "senderItalicBox",
               "senderSizeLabel", "senderSizeBox", "senderSampleFrame", "senderSample"});
    buildHalf(m_recipient, 288, 432, tr("Шрифт адреса получателя"),
              {"recipientHeading", "recipientListLabel", "recipientFontList", "recipientBoldBox", "recipientItalicBox",
               "recipientSizeLabel", "recipientSizeBox", "recipientSampleFrame", "recipientSample"});

    auto *divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("divider"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(264, 0, 9, 313);

    auto *ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(328, 312, 75, 25);
    ok->setAutoDefault(false);
    ok->setDefault(true);
    auto *cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(424, 312, 75, 25);
    cancel->setAutoDefault(false);
    formlook::fitCaption(cancel);

    connect(ok, &QPushButton::clicked, this, &FontSetupDialog::storeFonts);
    connect(cancel, &QPushButton::clicked, this, &FontSetupDialog::reject);
    connect(m_sender.list, &QListWidget::itemClicked, this, &FontSetupDialog::updateSenderSample);
    connect(m_recipient.list, &QListWidget::itemClicked, this, &FontSetupDialog::updateRecipientSample);
    connect(m_sender.bold, &QCheckBox::clicked, this, &FontSetupDialog::updateSenderSample);
    connect(m_recipient.bold, &QCheckBox::clicked, this, &FontSetupDialog::updateRecipientSample);
    connect(m_sender.italic, &QCheckBox::clicked, this, &FontSetupDialog::updateSenderSample);
    connect(m_recipient.italic, &QCheckBox::clicked, this, &FontSetupDialog::updateRecipientSample);

    fillHalves();
}

void FontSetupDialog::buildHalf(Half &half, int dx, int checkX, const QString &heading, const HalfNames &names)
{
    auto named = [](QWidget *w, const char *name) { w->setObjectName(QString::fromLatin1(name)); };

    half.heading = new QLabel(heading, this);
    named(half.heading, names.heading);
    QFont bold = font();
    bold.setPixelSize(13);
    bold.setBold(true);
    half.heading->setFont(bold);
    half.heading->move(24 + dx, 8);
    half.heading->adjustSize();

    half.listLabel = new QLabel(tr("Список шрифтов:"), this);
    named(half.listLabel, names.listLabel);
    half.listLabel->move(16 + dx, 56);
    half.listLabel->adjustSize();

    half.list = new QListWidget(this);
    named(half.list, names.list);
    half.list->setAccessibleName(heading);
    half.listLabel->setBuddy(half.list);
    half.list->setGeometry(16 + dx, 72, 121, 145);
    showCutEntriesWhole(half.list);

    half.bold = new QCheckBox(tr("Полужирный"), this);
    named(half.bold, names.bold);
    half.bold->move(checkX, 72);
    half.bold->adjustSize();
    half.italic = new QCheckBox(tr("Курсив"), this);
    named(half.italic, names.italic);
    half.italic->move(checkX, 96);
    half.italic->adjustSize();

    half.sizeLabel = new QLabel(tr("Размер"), this);
    named(half.sizeLabel, names.sizeLabel);
    half.sizeLabel->move(144 + dx, 120);
    half.sizeLabel->adjustSize();

    half.size = new QComboBox(this);
    named(half.size, names.size);
    half.size->setEditable(true);
    half.size->setInsertPolicy(QComboBox::NoInsert);
    half.size->setGeometry(144 + dx, 136, 57, half.size->sizeHint().height());
    half.sizeLabel->setBuddy(half.size);

    auto *sampleFrame = new QFrame(this);
    named(sampleFrame, names.sampleFrame);
    sampleFrame->setFrameShape(QFrame::Box);
    sampleFrame->setFrameShadow(QFrame::Sunken);
    sampleFrame->setGeometry(16 + dx, 240, 161, 41);

    half.sample = new QLabel(tr("АаБбВвГгДд"), this);
    named(half.sample, names.sample);
    half.sample->setFont(sampleFont());
    half.sample->setGeometry(24 + dx, 248, 145, 26);
}

void FontSetupDialog::fillHalves()
{
    const QStringList faces = m_ctx.printing.fontNames();
    QStringList sizes;
    for (int size = 8; size <= 36; ++size)
        sizes.append(QString::number(size));
    for (Half *half : {&m_sender, &m_recipient}) {
        half->list->addItems(faces);
        half->size->addItems(sizes);
        half->size->setEditText(QStringLiteral("8"));
        if (half->list->count() > 2)
            half->list->setCurrentRow(2);
    }
    // The stored choice, when both settings can be read.
    FontSetting home, addr;
    try {
        home = settings::readSenderFont(m_ctx.workDir);
        addr = settings::readRecipientFont(m_ctx.workDir);
    } catch (const AppError &) {
        return;
    }
    showStored(m_sender, home);
    showStored(m_recipient, addr);
}

void FontSetupDialog::showStored(Half &half, const FontSetting &font)
{
    half.storedName = font.name;
    const QList<QListWidgetItem *> found = half.list->findItems(font.name, Qt::MatchFixedString);
    if (!found.isEmpty())
        half.list->setCurrentItem(found.first());
    else
        half.list->setCurrentRow(-1);
    half.size->setEditText(QString::number(font.pointSize));
    half.bold->setChecked(font.bold);
    half.italic->setChecked(font.italic);
    QFont f = sampleFont();
    f.setFamily(font.name);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    half.sample->setFont(f);
}

void FontSetupDialog::updateSample(Half &half)
{
    QFont f = half.sample->font();
    if (QListWidgetItem *item = half.list->currentItem())
        f.setFamily(item->text());
    f.setBold(half.bold->isChecked());
    f.setItalic(half.italic->isChecked());
    half.sample->setFont(f);
}

void FontSetupDialog::updateSenderSample()
{
    updateSample(m_sender);
}

void FontSetupDialog::updateRecipientSample()
{
    updateSample(m_recipient);
}

FontSetting FontSetupDialog::settingOf(const Half &half) const
{
    FontSetting f;
    const QListWidgetItem *item = half.list->currentItem();
    f.name = (item ? item->text() : half.storedName).left(255);
    f.pointSize = strToInt(half.size->currentText());
    f.bold = half.bold->isChecked();
    f.italic = half.italic->isChecked();
    return f;
}

void FontSetupDialog::storeFonts()
{
    guarded(m_ctx.messages, [&] {
        settings::writeSenderFont(m_ctx.workDir, settingOf(m_sender));
        settings::writeRecipientFont(m_ctx.workDir, settingOf(m_recipient));
    });
    accept(); // closes with the OK result even when storing failed
}
