// veltora-batch: prints a group mailing without opening a window.

#include "cli/BatchCommand.h"
#include "logic/files/DataFolders.h"
#include "logic/services/Language.h"
#include "platform/InterruptCleanup.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

#include <string_view>

namespace {

// The language of the messages, as the windows choose it: --lang, else the choice made in the
// window's menu, else the system's, else Russian. False (and a message) for a wrong --lang.
bool chooseLanguage(QCoreApplication &app)
{
    const language::ArgumentChoice asked = language::fromArguments(QCoreApplication::arguments());
    if (!asked.error.isEmpty()) {
        std::fprintf(stderr, "veltora-batch: %s\n", qPrintable(asked.error));
        return false;
    }
    const QString code = language::choose(asked.code, language::storedChoice(), QLocale::system().uiLanguages());
    language::install(app, code, translationsDir()); // a missing translation leaves the Russian texts
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // The help and the version need neither a platform nor fonts.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            QCoreApplication app(argc, argv);
            if (!chooseLanguage(app))
                return batchcommand::BadInput;
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
    if (!chooseLanguage(app))
        return batchcommand::BadInput;
    return batchcommand::run(QGuiApplication::arguments().mid(1));
}
