#include "Shots.h"

#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/print/PrintingService.h"
#include "ui/common/AppContext.h"
#include "ui/envelope/FontSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintActions.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

static void shotsPrint(ShotEnv &env)
{
    AppContext &ctx = env.ctx;
    settings::writeSenderFont(ctx.workDir, FontSetting{QStringLiteral("Liberation Sans"), 10, false, false});
    settings::writeRecipientFont(ctx.workDir, FontSetting{QStringLiteral("Liberation Serif"), 12, true, false});
    {
        FontSetupDialog form(ctx, env.program.mainWindow());
        grab(&form, env, QStringLiteral("font-setup"));
    }

    FeedMethodDialog *feed = env.program.feedMethodDialog();
    feed->findChild<QRadioButton *>(QStringLiteral("leftEdgeButton"))->setChecked(true);
    grab(feed, env, QStringLiteral("feed-method"));
    feed->findChild<QPushButton *>(QStringLiteral("okButton"))->click();

    // The main window's envelope printed into a PDF file, to look at with pdftoppm.
    MainWindow *main = env.program.mainWindow();
    settings::writeEnvelopeSize(ctx.workDir, 110, 220);
    main->loadSettings();
    main->senderBox()->setPlainText(QStringLiteral("Иванов Иван Иванович\nул. Шевченко, 12, кв. 5\nг. Киев\n01001"));
    main->recipientBox()->setPlainText(
        QStringLiteral("Петренко Ольга Петровна\nпр. Науки, 45, кв. 17\nг. Харьков\nХарьковская обл.\n61000"));
    ctx.printing.setCurrentPrinter(pdfFilePrinterName());
    const QString pdf = QDir(env.outDir).filePath(QStringLiteral("envelope-110x220.pdf"));
    ctx.printing.setOutputFileName(pdf);
    main->printEnvelope();
    feed->hide();
    std::printf("%s\n", qPrintable(pdf));
}
static ShotRegistrar registrar("3-print", &shotsPrint);
