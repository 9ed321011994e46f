// The program under a dark theme: every drawn icon shows on the window colour, and the schematic
// envelope of the main window keeps its captions readable; under a light theme its colours stay.

#include "support/TestSupport.h"
#include "ui/common/QtIcons.h"
#include "ui/common/Theme.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
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

    void readableColours_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("background");
        QTest::newRow("purple on dark") << QColor(128, 0, 128) << QColor(60, 60, 64);
        QTest::newRow("maroon on dark") << QColor(128, 0, 0) << QColor(60, 60, 64);
        QTest::newRow("grey on light") << QColor(200, 200, 200) << QColor(239, 239, 239);
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white);
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
