#include "ui/common/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString AppTitle = QStringLiteral("Велтора");
}

void QtMessages::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtMessages::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, AppTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtMessages::askYesNo(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}
