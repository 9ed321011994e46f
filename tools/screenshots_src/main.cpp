#include "Shots.h"

#include "logic/services/Language.h"
#include "platform/QtPrintingService.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <cstdio>
#include <map>

void grab(QWidget *window, const ShotEnv &env, const QString &name)
{
    window->show();
    QApplication::processEvents();
    const QString path = QDir(env.outDir).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

namespace {
std::map<QString, ShotFunction> &registry()
{
    static std::map<QString, ShotFunction> shots;
    return shots;
}
} // namespace

ShotRegistrar::ShotRegistrar(const char *name, ShotFunction fn)
{
    registry()[QString::fromLatin1(name)] = fn;
}

void runAllShots(ShotEnv &env)
{
    for (const auto &[name, fn] : registry())
        fn(env);
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: screenshots OUTDIR [--lang ru|uk|en] [--dark]\n");
        return 2;
    }
    const QString outDir = args.at(1);
    QDir().mkpath(outDir);
    const language::ArgumentChoice lang = language::fromArguments(args);
    if (!lang.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(lang.error));
        return 2;
    }
    if (!lang.code.isEmpty() && !language::install(app, lang.code, QStringLiteral(VELTORA_TRANSLATIONS_BUILD_DIR))) {
        std::fprintf(stderr, "no translation %s in %s\n", qPrintable(lang.code), VELTORA_TRANSLATIONS_BUILD_DIR);
        return 1;
    }
    if (args.contains(QStringLiteral("--dark"))) {
        // A dark theme as a desktop would give it: Fusion with a dark palette.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        dark.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 64));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(60, 110, 180));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
        QApplication::setPalette(dark);
    }

    QTemporaryDir work;
    seedWorkDir(defaultDataDir(), work.path());
    auto messages = std::make_unique<RecordingMessages>();
    RecordingMessages &recorded = *messages;
    Program program(work.path(), defaultDataDir(), std::move(messages), createSystemPrintingService(),
                    std::make_unique<RecordingDesktop>());
    program.start();
    ShotEnv env{program, program.ctx(), recorded, outDir, work.path()};

    runAllShots(env);
    return 0;
}
