// The single-envelope print: the main window's two boxes on one page of the current printer.

#include "ui/print/PrintActions.h"

#include "logic/files/SettingsFiles.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/common/QtBoxLines.h"
#include "ui/print/FeedMethodDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>

bool askOutputFileIfNeeded(AppContext &ctx, QWidget *parent)
{
    if (!ctx.printing.needsOutputFileName())
        return true;
    QString path =
        QFileDialog::getSaveFileName(parent, QCoreApplication::translate("PrintActions", "Печать в файл PDF"),
                                     QDir::home().filePath(QCoreApplication::translate("PrintActions", "Велтора.pdf")),
                                     QCoreApplication::translate("PrintActions", "Документ PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    ctx.printing.setOutputFileName(path);
    return true;
}

void printSingleEnvelope(AppContext &ctx, FeedMethodDialog *feedMethod, QPlainTextEdit &senderBox,
                         QPlainTextEdit &recipientBox)
{
    // The feed-method window comes up at every print, without waiting for it.
    if (feedMethod) {
        feedMethod->show();
        feedMethod->raise();
    }
    // Nothing is printed until the feed method has been confirmed in this run of the program.
    if (!settings::readFeedMethodConfirmed(ctx.workDir))
        return;

    SharedState &s = ctx.state;
    if (s.envelopeWidth() == 0 || s.envelopeHeight() == 0) {
        ctx.messages.show(noEnvelopeSizeMessage());
        return;
    }
    PrintingService &printer = ctx.printing;
    const BlockAnchors at = placeBlocks(printer, s, ctx.workDir, PlacementKind::Single);
    if (!askOutputFileIfNeeded(ctx, senderBox.window()))
        return;
    printer.setTitle(PrintJobTitle);
    QStringList recipient = displayedLines(recipientBox);
    const QStringList shown = recipient;
    printDocument(printer, [&] {
        PrintCanvas &canvas = printer.canvas();
        setCanvasFont(canvas, s.senderFont());
        printBlock(canvas, at.senderX, at.senderY, displayedLines(senderBox));
        printRecipientBlock(canvas, s.recipientFont(), at.recipientX, at.recipientY, recipient);
        if (recipient != shown)
            setLines(recipientBox, recipient);
        return true;
    });
}
