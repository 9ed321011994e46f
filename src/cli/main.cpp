// veltora-batch: prints a group mailing without opening a window.

#include "cli/BatchCommand.h"
#include "logic/files/DataFolders.h"
#include "logic/services/Language.h"
#include "platform/InterruptCleanup.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <string_view>

namespace {

// The language of the help and the messages: --lang, else the choice made in the window's menu,
// else the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English. A language the program
// does not have, named anywhere, is English too. A --lang without its value is left to the
// reading of the arguments, which reports it.
void chooseLanguage(QCoreApplication &app)
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString option = QStringLiteral("--lang");
    QString asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == option && i + 1 < arguments.size())
            asked = arguments.at(i + 1);
        else if (arguments.at(i).startsWith(option + QLatin1Char('=')))
            asked = arguments.at(i).mid(option.size() + 1);
    }
    if (!asked.isEmpty() && !language::supported().contains(asked))
        asked = QStringLiteral("en");
    const QString code =
        language::choose(asked, language::storedChoice(), QLocale::system().uiLanguages(), QStringLiteral("en"));
    language::install(app, code, translationsDir()); // a missing translation leaves the Russian texts
}

} // namespace

int main(int argc, char *argv[])
{
    // The help and the version need neither a platform nor fonts.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            QCoreApplication app(argc, argv);
            chooseLanguage(app);
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
    chooseLanguage(app);
    return batchcommand::run(QGuiApplication::arguments().mid(1));
}
