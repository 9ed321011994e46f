#include "ui/common/QtMessages.h"

#include <QApplication>
#include <QCheckBox>
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

int QtMessages::askChoice(const QString &text, const QStringList &answers, const QString &forAllCaption, bool *forAll)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Велтора"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton *> buttons;
    for (const QString &answer : answers)
        buttons.append(box.addButton(answer, QMessageBox::ActionRole));
    auto *all = new QCheckBox(forAllCaption, &box);
    box.setCheckBox(all);
    if (!buttons.isEmpty()) {
        box.setDefaultButton(buttons.first());
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    if (forAll)
        *forAll = all->isChecked();
    const qsizetype index = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return int(index < 0 ? answers.size() - 1 : index);
}
