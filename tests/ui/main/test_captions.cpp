// Every window in Russian, Ukrainian and English: no caption is cut by its control, no control
// sticks out of its window, no Russian word is left in the other two languages, and every menu
// command has a letter of its own for Alt. Texts grow in translation; the windows make room.

#include "logic/services/Language.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <memory>

using namespace testing;

namespace {

// The widest line of a caption, as the control's font draws it.
int textWidth(const QWidget *w, const QString &text)
{
    int widest = 0;
    for (const QString &line : QString(text).remove(QLatin1Char('&')).split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// What is wrong with the captions of a window; empty when nothing is.
QStringList clippedCaptions(QWidget *window)
{
    QStringList problems;
    auto name = [](const QWidget *w, const QString &text) {
        return QStringLiteral("%1 «%2»").arg(w->objectName(), text);
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        // Within the window, or within the group box it stands in.
        QWidget *parent = w->parentWidget();
        if ((parent == window || qobject_cast<QGroupBox *>(parent)) && !parent->rect().contains(w->geometry()))
            problems.append(QStringLiteral("outside its parent: %1 %2")
                                .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className())));
        // Below the frame's top line and title, in a group box.
        if (auto *group = qobject_cast<QGroupBox *>(parent); group && w->y() < group->contentsRect().top())
            problems.append(QStringLiteral("over the frame of %1: %2").arg(group->objectName(), w->objectName()));
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap() && !label->text().isEmpty() &&
                                                     label->textFormat() != Qt::RichText &&
                                                     !label->text().contains(QLatin1Char('<'))) {
            if (textWidth(label, label->text()) > label->contentsRect().width())
                problems.append(QStringLiteral("label cut: ") + name(label, label->text()));
        } else if (auto *button = qobject_cast<QPushButton *>(w); button && !button->text().isEmpty()) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            if (textWidth(button, button->text()) + icon + 4 > button->width())
                problems.append(QStringLiteral("button cut: ") + name(button, button->text()));
        } else if (auto *check = qobject_cast<QAbstractButton *>(w);
                   check && (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w))) {
            if (textWidth(check, check->text()) + 18 > check->width())
                problems.append(QStringLiteral("choice cut: ") + name(check, check->text()));
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            if (textWidth(group, group->title()) + 12 > group->width())
                problems.append(QStringLiteral("group title cut: ") + name(group, group->title()));
        }
    }
    return problems;
}

// The captions, titles, hints and choices of a window that are written in Russian although the
// language shown is another: any Cyrillic letter in English, the letters that Ukrainian lacks in
// Ukrainian. What the user typed or chose (lists, boxes) is theirs and is not read.
QStringList russianLeft(QWidget *window, const QString &code)
{
    if (code == language::Source)
        return {};
    const auto russian = [&](const QString &text) {
        for (const QChar c : text) {
            const bool cyrillic = c.script() == QChar::Script_Cyrillic;
            if (cyrillic && (code == QLatin1String("en") || QStringLiteral("ЁёЪъЫыЭэ").contains(c)))
                return true;
        }
        return false;
    };
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        texts.append(w->toolTip());
        texts.append(w->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(w))
            texts.append(label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts.append(button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts.append(group->title());
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->objectName() != QLatin1String("sizeBox")) {
            // (The envelope sizes are the captions of "envs.txt", the user's file.)
            texts.append(combo->currentText());
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
        }
    }
    for (const QAction *action : window->findChildren<QAction *>())
        if (!action->objectName().startsWith(QLatin1String("language_"))) // each language in its own name
            texts += {action->text(), action->toolTip()};
    QStringList found;
    for (const QString &text : std::as_const(texts))
        if (russian(text))
            found.append(window->objectName() + QStringLiteral(": «") + text + QStringLiteral("»"));
    return found;
}

// The menu commands without a letter for Alt, or with one that another command of its menu has.
QStringList mnemonicProblems(QWidget *window)
{
    QStringList problems;
    QList<QWidget *> menus;
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        menus.append(bar);
    for (QMenu *menu : window->findChildren<QMenu *>())
        menus.append(menu);
    for (QWidget *menu : std::as_const(menus)) {
        QSet<QChar> letters;
        for (const QAction *a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QString text = QString(a->text()).replace(QStringLiteral("&&"), QString());
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            const QChar letter = amp >= 0 && amp + 1 < text.size() ? text.at(amp + 1).toLower() : QChar();
            if (letter.isNull() || letters.contains(letter))
                problems.append(QStringLiteral("menu letter: «%1»").arg(a->text()));
            letters.insert(letter);
        }
    }
    return problems;
}

void removeTranslations()
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { removeTranslations(); }

    void windows_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : language::supported())
            QTest::newRow(qPrintable(code)) << code;
    }
    void windows()
    {
        QFETCH(QString, code);
        QVERIFY(language::install(*qApp, code, QStringLiteral(VELTORA_TRANSLATIONS_BUILD_DIR)));
        TestProgram program;
        const EveryWindow every = showEveryWindow(program);
        QStringList problems;
        for (QWidget *w : every.shown) {
            for (const QString &p : clippedCaptions(w) + mnemonicProblems(w))
                problems.append(w->objectName() + QStringLiteral(": ") + p);
            problems += russianLeft(w, code);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The size dialog has the form font of the other dialogs and ends just below its buttons.
    void sizeDialogFitsItsButtons()
    {
        TestProgram program;
        SizeDialog size(program.ctx(), nullptr);
        AddressBookDialog book(program.ctx());
        QCOMPARE(size.font().pixelSize(), book.font().pixelSize());
        QCOMPARE(size.font().family(), book.font().family());
        const int buttonsBottom = findControl<QPushButton>(&size, "okButton")->geometry().bottom();
        QVERIFY(size.height() - buttonsBottom <= 16);
    }
};

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
