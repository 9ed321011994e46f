// veltora-batch: prints a group mailing without opening a window.

#include "cli/BatchCommand.h"
#include "platform/InterruptCleanup.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <string_view>

int main(int argc, char *argv[])
{
    // The help and the version need neither a platform nor fonts.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            QCoreApplication app(argc, argv);
            return batchcommand::run(QCoreApplication::arguments().mid(1));
        }
    }
    // No window is shown: the offscreen platform serves fonts and printing without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_UNIX
    // Qt wants a private runtime folder; a command run from cron or ssh may have none.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(
            QStringLiteral("runtime-%1").arg(qEnvironmentVariable("USER", QStringLiteral("veltora"))));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
#endif
    // An interrupted run removes the file it was writing (FILE.pdf.part, a job's temporary document).
    installInterruptCleanup();
    QGuiApplication app(argc, argv);
    return batchcommand::run(QGuiApplication::arguments().mid(1));
}
