#include "ui/envelope/SizeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/envelope/EnvelopeSizes.h"
#include "logic/files/WorkDir.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>

SizeDialog::SizeDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    m_captions = ctx.workDir.loadLines(QStringLiteral("envs.txt"));

    setObjectName(QStringLiteral("SizeDialog"));
    setWindowTitle(tr("Настройка размера конверта"));
    setFont(formlook::msSansSerif(11)); // the form font, as in the other dialogs
    setFixedSize(250, 100);
    if (parent) {
        const QRect g = parent->frameGeometry();
        move((g.left() + g.width()) / 3, (g.top() + g.height()) / 4);
    }

    m_sizeBox = new QComboBox(this);
    m_sizeBox->setObjectName(QStringLiteral("sizeBox"));
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    m_sizeBox->addItems(m_captions);
    // Captions are compared exactly: a text in another letter case is neither completed to a
    // caption nor matched to one on Enter (the box matches as its completer does).
    m_sizeBox->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_sizeBox->setGeometry(20, 6, 180, m_sizeBox->sizeHint().height());
    m_sizeBox->setCurrentIndex(-1);
    m_sizeBox->setEditText(tr("Выберите размер конверта"));
    // The prompt is shown whole: a face wider than the designed one widens the box within the dialog.
    const int needed = m_sizeBox->fontMetrics().horizontalAdvance(m_sizeBox->currentText()) + 40;
    if (needed > m_sizeBox->width())
        m_sizeBox->resize(std::min(needed, width() - 2 * m_sizeBox->x()), m_sizeBox->height());
    m_sizeBox->lineEdit()->setCursorPosition(0);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(20, m_sizeBox->y() + m_sizeBox->height() + 10, 75, 25);
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(ok->x() + ok->width() + 4, ok->y(), 75, 25);
    // The dialog ends a margin below its buttons, whatever height the font gives the box.
    setFixedSize(width(), ok->y() + ok->height() + 12);
    connect(ok, &QPushButton::clicked, this, &SizeDialog::applyChosenSize);
    connect(cancel, &QPushButton::clicked, this, &SizeDialog::reject);
}

void SizeDialog::applyChosenSize()
{
    guarded(m_ctx.messages, [&] {
        const int index = sizeIndexForCaption(m_sizeBox->currentText(), m_captions);
        if (index < 0) {
            m_ctx.messages.show(tr("Выберите размер конверта"));
            return;
        }
        const EnvelopeSizeRow &row = EnvelopeSizeTable.at(index);
        // The main window follows the shared state: its envelope takes the shape, its label the size.
        m_ctx.state.setEnvelope(row.shape, row.widthMm, row.heightMm);
        accept();
        settings::writeEnvelopeSize(m_ctx.workDir, row.heightMm, row.widthMm);
        settings::writeEnvelopeShape(m_ctx.workDir, row.shape);
    });
}
