// The program under a dark theme and a light one: every drawn icon shows on the window colour, the
// schematic envelope keeps its captions readable, and in every window each text reads on what is
// behind it (contrast 4.5) and each check box and radio button shows its frame (contrast 3).

#include "support/TestSupport.h"
#include "ui/common/QtIcons.h"
#include "ui/common/Theme.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>

using namespace testing;

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

QPalette lightPalette()
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::Button, QColor(239, 239, 239));
    light.setColor(QPalette::ButtonText, Qt::black);
    return light;
}

// The share of an icon's opaque pixels that stand out from the background.
double contrastingShare(const QIcon &icon, const QColor &background)
{
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, standing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            ++opaque;
            if (std::abs(c.lightness() - background.lightness()) >= 80)
                ++standing;
        }
    return opaque ? double(standing) / opaque : 0.0;
}

int contrast(const QColor &a, const QColor &b)
{
    return std::abs(a.lightness() - b.lightness());
}

// The colour a widget's text stands on, as the window shows it: the commonest colour of its area.
QColor behind(const QWidget *w, const QImage &shown)
{
    const QRect area = QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()) & shown.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shown.pixel(x, y)];
    QRgb commonest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(commonest))
            commonest = it.key();
    return QColor::fromRgb(commonest);
}

// What does not read in a window: texts under contrast 4.5 with what is behind them, check boxes and
// radio buttons whose unchecked frame has contrast under 3 with the window.
QStringList unreadable(QWidget *window)
{
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList problems;
    auto check = [&](const QWidget *w, const QColor &fg, const QColor &bg, double needed, const char *what) {
        const double ratio = theme::contrastRatio(fg, bg);
        if (ratio < needed)
            problems.append(QStringLiteral("%1/%2 %3: %4 on %5, %6")
                                .arg(window->objectName(), w->objectName(), QLatin1String(what), fg.name(), bg.name())
                                .arg(ratio, 0, 'f', 2));
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        const QPalette &pal = w->palette();
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QAbstractSpinBox *>(w)) {
            check(w, pal.color(QPalette::Text), pal.color(QPalette::Base), theme::TextContrast, "field");
        } else if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) {
            check(w, pal.color(QPalette::ButtonText), pal.color(QPalette::Button), theme::TextContrast, "button");
        } else if (qobject_cast<QLabel *>(w) || qobject_cast<QGroupBox *>(w) || qobject_cast<QCheckBox *>(w) ||
                   qobject_cast<QRadioButton *>(w)) {
            if (auto *label = qobject_cast<QLabel *>(w); label && label->text().isEmpty())
                continue;
            // Large text (a size caption 24 pixels high) reads at the contrast of an indicator.
            const bool large = QFontInfo(w->font()).pixelSize() >= 24;
            check(w, pal.color(w->foregroundRole()), behind(w, shown),
                  large ? theme::IndicatorContrast : theme::TextContrast, "text");
        }
        // The frame of an unchecked box, drawn by the style on the window's colour.
        const bool box = qobject_cast<QCheckBox *>(w);
        if (box || qobject_cast<QRadioButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(w);
            option.state = (option.state & ~QStyle::State_On) | QStyle::State_Off;
            const QRect r = w->style()->subElementRect(box ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                                                       &option, w);
            option.rect = QRect(QPoint(2, 2), r.size());
            const QColor ground = behind(w, shown);
            QImage image(r.size() + QSize(4, 4), QImage::Format_ARGB32);
            image.fill(ground);
            QPainter painter(&image);
            w->style()->drawPrimitive(box ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &option,
                                      &painter, w);
            painter.end();
            QColor strongest = ground;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (theme::contrastRatio(image.pixelColor(x, y), ground) > theme::contrastRatio(strongest, ground))
                        strongest = image.pixelColor(x, y);
            check(w, strongest, ground, theme::IndicatorContrast, "indicator");
        }
    }
    return problems;
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QApplication::setPalette(lightPalette()); }

    void iconsStandOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void iconsStandOut()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? darkPalette() : lightPalette());
        const QColor window = QApplication::palette().color(QPalette::Window);
        const QList<QPair<const char *, QIcon (*)()>> all = {
            {"letter", icons::letter}, {"copy", icons::copy},         {"paste", icons::paste},
            {"print", icons::print},   {"envelope", icons::envelope}, {"group", icons::group},
            {"size", icons::size},     {"book", icons::book},         {"font", icons::font},
            {"user", icons::user},     {"postcode", icons::postcode}, {"help", icons::help},
            {"about", icons::about},   {"exit", icons::exit}};
        for (const auto &[name, make] : all) {
            // At least a third of what an icon draws must stand out from the window colour.
            const double share = contrastingShare(make(), window);
            QVERIFY2(share >= 0.33, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name)).arg(share)));
        }
    }

    void envelopeFollowsThePalette()
    {
        QApplication::setPalette(darkPalette());
        TestProgram program;
        MainWindow *main = program.start();
        const QPalette pal = main->palette();
        const QColor face = theme::envelopeFace(pal);
        QVERIFY(theme::isDark(pal));
        // The envelope's face is dark too, so that the dark address boxes do not clash with it,
        // and its outline and the captions read on it.
        QVERIFY(face.lightness() < 128);
        QVERIFY(contrast(theme::envelopeOutline(pal), face) >= 100);
        for (const char *name : {"senderLabel", "recipientLabel"}) {
            auto *label = main->findChild<QLabel *>(QString::fromLatin1(name));
            QVERIFY2(contrast(label->palette().color(QPalette::Window), label->palette().color(QPalette::WindowText)) >=
                         100,
                     name);
        }
        auto *size = main->findChild<QLabel *>(QStringLiteral("sizeLabel"));
        QVERIFY(contrast(size->palette().color(QPalette::WindowText), face) >= 40); // faint, but there
        QVERIFY(contrast(main->senderBox()->palette().color(QPalette::Text),
                         main->senderBox()->palette().color(QPalette::Base)) >= 100);
    }

    // A theme changed while the program runs: the drawn icons and the captions follow it.
    void themeChangedWhileRunning()
    {
        QApplication::setPalette(lightPalette());
        TestProgram program;
        MainWindow *main = program.start();
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        const QColor window = darkPalette().color(QPalette::Window);
        for (const char *name : {"fontsButton", "fontsAction", "postalCodeAction"}) {
            auto *action = main->findChild<QAction *>(QString::fromLatin1(name));
            QVERIFY2(contrastingShare(action->icon(), window) >= 0.33, name);
        }
        auto *label = main->findChild<QLabel *>(QStringLiteral("senderLabel"));
        QVERIFY(contrast(label->palette().color(QPalette::Window), label->palette().color(QPalette::WindowText)) >=
                100);
    }

    void everyWindowReads_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void everyWindowReads()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? darkPalette() : lightPalette());
        TestProgram program;
        program.dir().write(QStringLiteral("Book.txt"), crlfLines(bookRecord({"Иванов", "Киев", "", "", "", "", ""})));
        const EveryWindow every = showEveryWindow(program);
        // A problem in the postal codes of the mailing is shown in red.
        program.state().setMailingList({QStringLiteral("Иванов")});
        QStringList problems;
        for (QWidget *window : every.shown)
            problems += unreadable(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void readableColours_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("background");
        QTest::newRow("purple on dark") << QColor(128, 0, 128) << QColor(60, 60, 64);
        QTest::newRow("maroon on dark") << QColor(128, 0, 0) << QColor(60, 60, 64);
        QTest::newRow("grey on light") << QColor(200, 200, 200) << QColor(239, 239, 239);
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("dark red on dark grey") << QColor(0xa0, 0, 0) << QColor(45, 45, 48);
    }
    void readableColours()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, background);
        const QColor readable = theme::readableOn(colour, background);
        QVERIFY(theme::contrastRatio(readable, background) >= theme::TextContrast);
        QCOMPARE(readable.hslHue(), colour.hslHue()); // the same colour, lighter or darker
        if (theme::contrastRatio(colour, background) >= theme::TextContrast)
            QCOMPARE(readable, colour);
    }
};

QTEST_MAIN(TestTheme)
#include "test_theme.moc"
