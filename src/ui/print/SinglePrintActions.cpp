// The single-envelope print: the main window's two boxes on one page of the current printer.

#include "ui/print/PrintActions.h"

#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/common/AppContext.h"
#include "logic/services/Messages.h"
#include "ui/common/QtBoxLines.h"
#include "logic/files/SettingsFiles.h"
#include "logic/state/SharedState.h"

#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>

namespace {

const QString JobTitle = QStringLiteral("Велтора");
const QString NoEnvelopeSize = QStringLiteral("Не установлены параметры конверта");

} // namespace

bool askOutputFileIfNeeded(AppContext &ctx, QWidget *parent)
{
    if (!ctx.printing.needsOutputFileName())
        return true;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Печать в файл PDF"),
                                                QDir::home().filePath(QStringLiteral("Велтора.pdf")),
                                                QStringLiteral("Документ PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    ctx.printing.setOutputFileName(path);
    return true;
}

void ThisPrinthome(AppContext &ctx, const QPlainTextEdit &memo1)
{
    printBlock(ctx.printing.canvas(), ctx.state.HomeX, ctx.state.HomeY, displayedLines(memo1));
}

void PrintAddress(AppContext &ctx, QStringList &lines)
{
    printRecipientBlock(ctx.printing.canvas(), ctx.state.AddrFontSetting, ctx.state.AddrX, ctx.state.AddrY, lines);
}

void PrintThis(AppContext &ctx, QPlainTextEdit &memo1, QPlainTextEdit &memo2)
{
    // The feed-method window comes up at every print, without waiting for it.
    if (ctx.feedForm) {
        ctx.feedForm->show();
        ctx.feedForm->raise();
    }
    // Nothing is printed until the feed method has been confirmed in this run of the program.
    if (settings::readIssel(ctx.workDir) == 0)
        return;

    SharedState &s = ctx.state;
    if (s.EnvWidth == 0 || s.EnvHeight == 0) {
        ctx.messages.show(NoEnvelopeSize);
        return;
    }
    const int feedMethod = settings::readEnvsLast(ctx.workDir);

    PrintingService &printer = ctx.printing;
    const BlockAnchors anchors =
        printPlacement(placementInput(s, feedMethod, printer.pageWidth()), PlacementKind::Single);
    s.HomeX = anchors.HomeX;
    s.HomeY = anchors.HomeY;
    s.AddrX = anchors.AddrX;
    s.AddrY = anchors.AddrY;
    printer.setPortrait();

    if (!askOutputFileIfNeeded(ctx, memo1.window()))
        return;
    printer.setTitle(JobTitle);
    printer.beginDoc();
    try {
        setCanvasFont(printer.canvas(), s.HomeFontSetting);
        ThisPrinthome(ctx, memo1);

        QStringList lines = displayedLines(memo2);
        const QStringList shown = lines;
        PrintAddress(ctx, lines);
        if (lines != shown)
            setLines(memo2, lines);
        printer.endDoc();
    } catch (...) {
        // Nothing half-printed stays in the queue.
        if (printer.printing())
            printer.abort();
        throw;
    }
}
