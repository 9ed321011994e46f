#include "Shots.h"

#include "logic/addresses/PostalSearch.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

static void shotsPostal(ShotEnv &env)
{
    {
        PostalCodeDialog form(env.ctx, env.program.mainWindow());
        grab(&form, env, QStringLiteral("postal-empty"));
    }
    PostalCodeDialog form(env.ctx, env.program.mainWindow());
    form.regionBox()->setCurrentIndex(int(postal::regionFiles().indexOf(QStringLiteral("Kievska.bsd"))));
    form.localityBox()->setText(QStringLiteral("Біла Церква"));
    form.search();
    form.localityBox()->setText(QStringLiteral("Городещина"));
    form.search();
    grab(&form, env, QStringLiteral("postal-results"));

    // No region chosen: every region searched, each entry with its region, in a larger window.
    PostalCodeDialog all(env.ctx, env.program.mainWindow());
    all.resize(640, 360);
    all.localityBox()->setText(QStringLiteral("Іванівка"));
    all.search();
    all.withLocalityBox()->setChecked(true);
    grab(&all, env, QStringLiteral("postal-all-regions"));
}
static ShotRegistrar registrar("5-postal", &shotsPostal);
