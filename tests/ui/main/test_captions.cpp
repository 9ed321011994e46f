// Every window in Russian, Ukrainian, English and dark: no caption cut, no control outside its window,
// no Russian left, a letter of its own for Alt in every menu, every text and box frame readable.

#include "logic/services/Language.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/common/Theme.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PreviewWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <QtWidgets>
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

// Russian in English (Cyrillic) and in Ukrainian (ЁЪЫЭ), outside the user's data and the language names.
QStringList russianLeft(QWidget *window, const QString &code)
{
    QStringList texts{window->windowTitle()}, found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        texts << w->toolTip() << w->property("text").toString() << w->property("title").toString();
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && w->objectName() != QLatin1String("sizeBox"))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    for (const QAction *a : window->findChildren<QAction *>())
        texts << (a->objectName().startsWith(QLatin1String("language_")) ? QString() : a->text() + a->toolTip());
    for (const QString &text : std::as_const(texts))
        if (std::any_of(text.cbegin(), text.cend(), [&](QChar c) {
                return code == QLatin1String("en")
                           ? c.script() == QChar::Script_Cyrillic
                           : code == QLatin1String("uk") && QStringLiteral("ЁёЪъЫыЭэ").contains(c);
            }))
            found << QStringLiteral("Russian: «%1»").arg(text);
    return found;
}

// The menu commands without a letter for Alt, or with the letter of another command of the menu.
QStringList menusWithoutLetters(QWidget *window)
{
    QStringList problems;
    for (QWidget *menu : window->findChildren<QWidget *>()) {
        QSet<QChar> letters{QChar()};
        for (const QAction *a :
             qobject_cast<QMenu *>(menu) || qobject_cast<QMenuBar *>(menu) ? menu->actions() : QList<QAction *>{}) {
            const QString text = QString(a->text()).remove(QStringLiteral("&&")) + QLatin1Char(' ');
            const QChar letter =
                text.contains(QLatin1Char('&')) ? text.at(text.indexOf(QLatin1Char('&')) + 1).toLower() : QChar();
            if (!a->isSeparator() && letters.contains(letter))
                problems << QStringLiteral("menu letter: «%1»").arg(a->text());
            letters << (a->isSeparator() ? QChar() : letter);
        }
    }
    return problems;
}

// Labels under contrast 4.5 (large text: 3) with their area's commonest colour; boxes under 3.
QStringList unreadable(QWidget *window)
{
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList problems;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QRect area = QRect(w->mapTo(window, QPoint()), w->size()) & shown.rect();
        const bool box = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
        if (w->window() != window || !w->isVisibleTo(window) || !(qobject_cast<QLabel *>(w) || box) || area.isEmpty())
            continue;
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shown.pixel(x, y)];
        const QColor behind = std::max_element(counts.cbegin(), counts.cend()).key();
        if (w->isEnabled() &&
            theme::contrastRatio(w->palette().color(w->foregroundRole()), behind) <
                (QFontInfo(w->font()).pixelSize() >= 24 ? theme::IndicatorContrast : theme::TextContrast))
            problems << QStringLiteral("text of %1").arg(w->objectName());
        QStyleOptionButton option;
        option.initFrom(w);
        const QRect indicator = w->style()->subElementRect(
            qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, w);
        double strongest = box ? 1 : theme::IndicatorContrast;
        for (int y = indicator.top(); box && y <= indicator.bottom(); ++y)
            for (int x = indicator.left(); x <= indicator.right(); ++x)
                strongest =
                    std::max(strongest, theme::contrastRatio(shown.pixel(area.topLeft() + QPoint(x, y)), behind));
        if (strongest < theme::IndicatorContrast)
            problems << QStringLiteral("box of %1").arg(w->objectName());
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
        QTest::addColumn<bool>("dark");
        for (const QString &code : language::supported())
            QTest::newRow(qPrintable(code)) << code << false;
        QTest::newRow("ru, dark") << language::Source << true;
    }
    void windows()
    {
        QFETCH(QString, code);
        QFETCH(bool, dark);
        QVERIFY(language::install(*qApp, code, QStringLiteral(VELTORA_TRANSLATIONS_BUILD_DIR)));
        if (dark)
            QApplication::setPalette(QPalette(QColor(60, 60, 64), QColor(45, 45, 48))); // light texts
        TestProgram program;
        program.dir().write(QStringLiteral("ShowFile"), {}); // no warning before the group mailing
        MainWindow *main = program.start();
        program.state().setMailingList({QStringLiteral("Иванов")});

        std::vector<std::unique_ptr<QWidget>> windows;
        windows.emplace_back(new SizeDialog(program.ctx(), nullptr));
        windows.emplace_back(new FontSetupDialog(program.ctx()));
        // The address book's own dialogs take its font, as it opens them.
        auto *book = new AddressBookDialog(program.ctx());
        windows.emplace_back(book);
        const QList<QWidget *> bookDialogs = {
            new AddAddresseeDialog(book), new EditAddresseeDialog(book, QStringLiteral("Иванов"), {}),
            new DeleteAddresseeDialog(book, {QStringLiteral("Иванов")})}; // owned by the address book
        windows.emplace_back(new PostalCodeDialog(program.ctx()));
        windows.emplace_back(new SenderDialog(program.ctx()));
        auto *lineOrder = new LineOrderDialog(program.ctx());
        lineOrder->pasteText(t("Иванов\tКиев\r\nПетренко\tХарьков\r\n"));
        windows.emplace_back(lineOrder);
        windows.emplace_back(new RowLimitWarning(program.ctx()));
        windows.emplace_back(new FeedMethodDialog(program.ctx()));
        windows.emplace_back(new PrintSetupDialog(program.ctx(), nullptr));
        windows.emplace_back(new AboutDialog(nullptr));
        windows.emplace_back(new DocumentBrowser(program.ctx()));
        windows.emplace_back(new PreviewWindow(program.ctx(), nullptr));
        windows.emplace_back(new HelpWindow(HelpWindow::firstPage(program.ctx().dataDir, code)));

        main->printGroupMailing();
        QStringList problems;
        QList<QWidget *> shown = bookDialogs + QList<QWidget *>{main, main->groupMailingWindow()};
        for (const auto &w : windows)
            shown.append(w.get());
        for (QWidget *w : shown) {
            w->show();
            for (const QString &p : clippedCaptions(w) + russianLeft(w, code) + menusWithoutLetters(w) + unreadable(w))
                problems.append(w->objectName() + QStringLiteral(": ") + p);
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
