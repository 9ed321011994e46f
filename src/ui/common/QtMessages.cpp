#include "ui/common/QtMessages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString appTitle()
{
    return QCoreApplication::translate("QtMessages", "Велтора");
}
} // namespace

void QtMessages::show(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtMessages::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, appTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtMessages::askYesNo(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QCoreApplication::translate("QtMessages", "Да"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("QtMessages", "Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
