#include "ui/mailing/RowLimitWarning.h"

#include "logic/files/SettingsFiles.h"
#include "logic/services/Guard.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

RowLimitWarning::RowLimitWarning(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    formlook::setUpDialog(this, "RowLimitWarning", tr("Велтора"), QSize(307, 151), QPoint(206, 103));

    auto label = [this](const char *name, const QString &text, int x, int y) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    QLabel *title = label("titleLabel", tr("Внимание!"), 88, 16);
    QFont bold = formlook::msSansSerif(16);
    bold.setBold(true);
    title->setFont(bold);
    title->adjustSize();
    label("firstLine", tr("Во избежание ошибок и исключительных ситуаций "), 8, 48);
    label("secondLine", tr("при слиянии с внешним источником выделяйте не более"), 8, 64);
    label("thirdLine", tr("780 строк!"), 8, 80);

    auto *ok = new QPushButton(tr("ОК"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(216, 96, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &RowLimitWarning::close);

    m_checkBox = new QCheckBox(tr("Больше не выводить  это окно"), this);
    m_checkBox->setObjectName(QStringLiteral("dontShowAgainBox"));
    m_checkBox->setGeometry(8, 128, 193, 17);
    connect(m_checkBox, &QCheckBox::clicked, this, &RowLimitWarning::storeDontShowAgain);
    setTabOrder(ok, m_checkBox);
}

bool RowLimitWarning::showUnlessSuppressed(AppContext &ctx, QWidget *parent)
{
    if (settings::rowLimitWarningSuppressed(ctx.workDir))
        return false;
    RowLimitWarning dialog(ctx, parent);
    dialog.exec();
    return true;
}

void RowLimitWarning::storeDontShowAgain()
{
    guarded(m_ctx.messages, [&] { settings::writeRowLimitWarningSuppressed(m_ctx.workDir, m_checkBox->isChecked()); });
}
