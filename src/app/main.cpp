// Veltora: addresses and prints postal envelopes.

#include "logic/files/DataFolders.h"
#include "logic/services/Language.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrintingService.h"
#include "ui/common/QtMessages.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <cstdio>

namespace {

// The program's icon: the installed theme's, else the bitmaps of share/icons beside the program's
// shared folder (the build tree has the installed layout).
QIcon programIcon()
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("veltora"));
    if (!icon.isNull())
        return icon;
    const QDir hicolor(programDataDir() + QStringLiteral("/../icons/hicolor"));
    for (const QString &size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString png = hicolor.filePath(size + QStringLiteral("/apps/veltora.png"));
        if (QFile::exists(png))
            icon.addFile(png);
    }
    return icon;
}

// Whether the command line asks for the help text or the version, which are printed without a window.
bool asksForInformation(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

// Prints the help text or the version in the interface's language and returns the exit status.
int printInformation(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELTORA_VERSION));
    const language::ArgumentChoice asked = language::fromArguments(QCoreApplication::arguments());
    language::install(app, language::choose(asked.code, language::storedChoice(), QLocale::system().uiLanguages()),
                      translationsDir());
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Велтора: адресует и печатает почтовые конверты, по одному или групповой рассылкой."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("lang"),
                      QCoreApplication::translate("main", "Язык интерфейса: ru (русский), uk (украинский) или en "
                                                          "(английский)."),
                      QCoreApplication::translate("main", "язык")});
    // Exits after printing; an unknown option is reported with the help's hint.
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForInformation(argc, argv))
        return printInformation(argc, argv);
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "Велтора: нет графического дисплея (переменные DISPLAY и WAYLAND_DISPLAY не заданы).\n"
                             "Запустите программу в графическом сеансе или под виртуальным дисплеем:\n"
                             "    xvfb-run -a ./run\n"
                             "Veltora: no graphical display (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                             "Start it in a desktop session, or under a virtual display: xvfb-run -a ./run\n");
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.veltora.Veltora"));
    QApplication::setWindowIcon(programIcon());
    const language::ArgumentChoice asked = language::fromArguments(QCoreApplication::arguments());
    if (!asked.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(asked.error));
        return 2;
    }
    const QString lang = language::choose(asked.code, language::storedChoice(), QLocale::system().uiLanguages());
    if (!language::install(app, lang, translationsDir()))
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Велтора: перевод «%1» не найден в %2, интерфейс на русском языке. / "
                                               "Veltora: the \"%1\" translation is missing from %2; the interface "
                                               "stays Russian.")
                                    .arg(lang, translationsDir())));

    const QString dataDir = defaultDataDir();
    const QString workDir = defaultWorkDir();
    seedWorkDir(dataDir, workDir);

    Program program(workDir, dataDir, std::make_unique<QtMessages>(), createSystemPrintingService(),
                    std::make_unique<QtDesktop>());
    MainWindow *main = program.start();
    main->show();
    if (qEnvironmentVariableIsSet("VELTORA_EXIT_WHEN_SHOWN")) // start-up benchmark
        QMetaObject::invokeMethod(
            &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    return QApplication::exec();
}
