#include "Shots.h"

#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"
#include "ui/print/PrintSetupDialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

static void shotsPrintSetup(ShotEnv &env)
{
    PrintSetupDialog all(env.ctx, env.program.feedMethodDialog(), env.program.mainWindow());
    grab(&all, env, QStringLiteral("printsetup-all"));

    PrintSetupDialog numbers(env.ctx, env.program.feedMethodDialog(), env.program.mainWindow());
    numbers.numbersButton()->click();
    numbers.numberEdit()->setText(QStringLiteral("1,3-5,8"));
    numbers.copiesBox()->setValue(2);
    grab(&numbers, env, QStringLiteral("printsetup-numbers"));
}
static ShotRegistrar registrar("3-printsetup", &shotsPrintSetup);
