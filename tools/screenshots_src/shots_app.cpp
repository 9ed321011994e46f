#include "Shots.h"

#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "app/TMainform.h"
#include "app/WorkDir.h"
#include "envelope/SizeDialog.h"

#include <QPlainTextEdit>

static void shotsApp(ShotEnv &env)
{
    TMainform *main = env.ctx.mainForm;
    main->Memo1()->setPlainText(QStringLiteral("Иванов Иван Иванович\nул. Шевченко, 12, кв. 5\nг. Киев\n01001"));
    main->Memo2()->setPlainText(
        QStringLiteral("Петренко Ольга Петровна\nпр. Науки, 45, кв. 17\nг. Харьков\nХарьковская обл.\n61000"));
    for (int type : {1, 2, 3}) {
        settings::writeEnvtip(env.ctx.workDir, type);
        main->FormCreate();
        grab(main, env, QStringLiteral("main-envtype%1").arg(type));
    }
    SizeDialog size(env.ctx, main);
    grab(&size, env, QStringLiteral("size-dialog"));
    TForm1 about(env.ctx, main);
    grab(&about, env, QStringLiteral("about"));
}
static ShotRegistrar registrar("0-app", &shotsApp);
