#include "Shots.h"

#include "app/Desktop.h"
#include "app/Messages.h"
#include "app/StartupActions.h"
#include "print/QtPrintingService.h"

#include <QApplication>
#include <QWidget>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

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

    shotsApp(env);
    shotsEnvelope(env);
    shotsPrint(env);
    shotsMailing(env);
    shotsAddresses(env);
    return 0;
}
