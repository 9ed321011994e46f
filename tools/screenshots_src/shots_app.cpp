#include "Shots.h"

#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "ui/common/AppContext.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"

#include <QPlainTextEdit>

static void shotsApp(ShotEnv &env)
{
    MainWindow *main = env.program.mainWindow();
    main->senderBox()->setPlainText(QStringLiteral("Иванов Иван Иванович\nул. Шевченко, 12, кв. 5\nг. Киев\n01001"));
    main->recipientBox()->setPlainText(
        QStringLiteral("Петренко Ольга Петровна\nпр. Науки, 45, кв. 17\nг. Харьков\nХарьковская обл.\n61000"));
    for (int type : {1, 2, 3}) {
        settings::writeEnvelopeShape(env.ctx.workDir, EnvelopeShape(type));
        main->loadSettings();
        grab(main, env, QStringLiteral("main-envtype%1").arg(type));
    }
    SizeDialog size(env.ctx, main);
    grab(&size, env, QStringLiteral("size-dialog"));
    AboutDialog about(main);
    grab(&about, env, QStringLiteral("about"));
}
static ShotRegistrar registrar("0-app", &shotsApp);
