#include "ui/envelope/SizeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/envelope/EnvelopeSizes.h"
#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/state/SharedState.h"
#include "logic/files/WorkDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

SizeDialog::SizeDialog(AppContext &ctx, QWidget *mainWindow)
    : QDialog(mainWindow, formlook::FixedDialogFlags)
    , m_ctx(ctx)
    , m_mainWindow(mainWindow)
{
    m_captions = ctx.workDir.loadLines(QStringLiteral("envs.txt"));

    setObjectName(QStringLiteral("SizeDialog"));
    setWindowTitle(QStringLiteral("Настройка размера конверта"));
    setFixedSize(250, 100);
    if (mainWindow) {
        const QRect g = mainWindow->frameGeometry();
        move((g.left() + g.width()) / 3, (g.top() + g.height()) / 4);
    }

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("ComboBox"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->addItems(m_captions);
    m_combo->setGeometry(20, 6, 180, m_combo->sizeHint().height());
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QStringLiteral("Выберите размер конверта"));
    // The prompt is shown whole: a face wider than the designed one widens the box within the dialog.
    const int needed = m_combo->fontMetrics().horizontalAdvance(m_combo->currentText()) + 40;
    if (needed > m_combo->width())
        m_combo->resize(std::min(needed, width() - 2 * m_combo->x()), m_combo->height());
    m_combo->lineEdit()->setCursorPosition(0);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(20, m_combo->y() + m_combo->height() + 10, 75, 25);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setGeometry(ok->x() + ok->width() + 4, ok->y(), 75, 25);
    connect(ok, &QPushButton::clicked, this, &SizeDialog::okclick);
    connect(cancel, &QPushButton::clicked, this, &SizeDialog::button2click);
}

void SizeDialog::okclick()
{
    guarded(m_ctx.messages, [&] {
        const int index = sizeIndexForCaption(m_combo->currentText(), m_captions);
        if (index < 0) {
            m_ctx.messages.show(QStringLiteral("Выберите размер конверта"));
            return;
        }
        const EnvelopeSizeRow &row = EnvelopeSizeTable.at(index);
        // The main window follows the shared state: its envelope takes the shape, its label the size.
        m_ctx.state.setEnvelope(row.envType, row.widthMm, row.heightMm);
        accept();
        settings::writeParfile(m_ctx.workDir, row.heightMm, row.widthMm);
        settings::writeEnvtip(m_ctx.workDir, row.envType);
    });
}

void SizeDialog::button2click()
{
    reject();
}
