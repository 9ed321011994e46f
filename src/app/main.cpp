// Veltora: addresses and prints postal envelopes.

#include "logic/services/Language.h"
#include "platform/QtDesktop.h"
#include "platform/QtPrintingService.h"
#include "ui/common/QtMessages.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>

int main(int argc, char *argv[])
{
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
    const language::ArgumentChoice asked = language::fromArguments(QCoreApplication::arguments());
    if (!asked.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(asked.error));
        return 2;
    }
    const QString lang = language::choose(asked.code, language::storedChoice(), QLocale::system().uiLanguages());
    if (!language::install(app, lang, language::translationsDir()))
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Велтора: перевод «%1» не найден в %2, интерфейс на русском языке. / "
                                               "Veltora: the \"%1\" translation is missing from %2; the interface "
                                               "stays Russian.")
                                    .arg(lang, language::translationsDir())));

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
