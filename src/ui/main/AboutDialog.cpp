#include "ui/main/AboutDialog.h"
#include "ui/common/FormLook.h"
#include "ui/common/Theme.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("О программе"));
    setFixedSize(286, 110);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, theme::panelFace(pal, QColor(212, 208, 200)));
    setPalette(pal);

    auto *name = new QLabel(tr("<b>Велтора</b>, версия %1").arg(QStringLiteral(VELTORA_VERSION)), this);
    name->setGeometry(12, 8, 262, 18);
    auto *purpose = new QLabel(tr("Печать адресов на конвертах"), this);
    purpose->setGeometry(12, 26, 262, 16);
    auto *credit = new QLabel(tr("Почтовые индексы: Укрпошта,\nдовідник поштових індексів (2025)"), this);
    credit->setObjectName(QStringLiteral("creditLabel"));
    credit->setGeometry(12, 46, 262, 30);

    auto *close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setGeometry(286 - 75 - 8, 110 - 25 - 6, 75, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    if (parent) {
        const QRect g = parent->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
    }
}
