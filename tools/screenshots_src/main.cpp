#include "Shots.h"

#include "platform/QtPrintingService.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QDir>
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
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: screenshots OUTDIR\n");
        return 2;
    }
    const QString outDir = args.at(1);
    QDir().mkpath(outDir);

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
