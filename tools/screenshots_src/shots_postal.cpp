#include "Shots.h"

#include "logic/addresses/PostalSearch.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>

static void shotsPostal(ShotEnv &env)
{
    {
        PostalCodeDialog form(env.ctx, env.ctx.mainForm);
        grab(&form, env, QStringLiteral("postal-empty"));
    }
    PostalCodeDialog form(env.ctx, env.ctx.mainForm);
    form.ComboBox1()->setCurrentIndex(int(postal::regionFiles().indexOf(QStringLiteral("Kievska.bsd"))));
    form.Edit1()->setText(QStringLiteral("Біла Церква"));
    form.Button1Click();
    form.Edit1()->setText(QStringLiteral("Городещина"));
    form.Button1Click();
    grab(&form, env, QStringLiteral("postal-results"));
}
static ShotRegistrar registrar("5-postal", &shotsPostal);
