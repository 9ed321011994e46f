// Start-up time: process start to the main window shown. Runs the real program binary with a
// fresh working directory and an instrumented exit right after the first show.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString exe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/veltora"));
    QTemporaryDir work;
    const double ms = bench::bestMs(7, [&] {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VELTORA_WORKDIR"), work.path());
        env.insert(QStringLiteral("VELTORA_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.start(exe, {});
        p.waitForFinished(30000);
    });
    return bench::report(QStringLiteral("start-up to main window shown"), QStringLiteral("< 250 ms"), ms, 250,
                         QStringLiteral("ms"))
               ? 0
               : 1;
}
