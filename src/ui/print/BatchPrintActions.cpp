// The batch print and the test print as the windows start them: messages for the refusals, and a
// progress window with a cancel button for long batches.

#include "logic/files/IoError.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/NumberList.h"
#include "ui/print/PrintActions.h"

#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

namespace {

// The progress window appears only when a batch takes longer than this.
constexpr int ProgressDelayMs = 400;
// Repainting it for every envelope would cost more than printing them.
constexpr int ProgressUpdateMs = 50;

QString progressText(int done, int total)
{
    return QCoreApplication::translate("PrintActions", "Печать конверта %1 из %2")
        .arg(std::min(done + 1, total))
        .arg(total);
}

void report(AppContext &ctx, const PrintOutcome &outcome)
{
    switch (outcome.kind) {
    case PrintOutcome::Kind::NoEnvelopeSize:
        ctx.messages.show(noEnvelopeSizeMessage());
        break;
    case PrintOutcome::Kind::OutsideList:
        ctx.messages.show(numberlist::outsideMessage(outcome.envelopeNumber, int(ctx.state.mailingList().size())));
        break;
    case PrintOutcome::Kind::Printed:
    case PrintOutcome::Kind::Cancelled: // the user knows
        break;
    }
}

} // namespace

void printSelection(AppContext &ctx, const SelectionList &selection, int copies, int perJob)
{
    std::unique_ptr<QProgressDialog> dialog;
    QElapsedTimer sinceStart, sinceUpdate;
    sinceStart.start();
    int printedBefore = 0; // envelopes of the jobs already sent
    const auto progress = [&](int doneInJob, int) {
        const int done = printedBefore + doneInJob;
        const int total = int(selection.size());
        if (!dialog) {
            if (sinceStart.elapsed() < ProgressDelayMs || done >= total)
                return true;
            dialog = std::make_unique<QProgressDialog>(progressText(done, total),
                                                       QCoreApplication::translate("PrintActions", "Отмена"), 0, total,
                                                       QApplication::activeWindow());
            dialog->setObjectName(QStringLiteral("BatchProgress"));
            dialog->setWindowTitle(QCoreApplication::translate("PrintActions", "Велтора"));
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoReset(false);
            dialog->setAutoClose(false);
        } else if (sinceUpdate.isValid() && sinceUpdate.elapsed() < ProgressUpdateMs && done < total) {
            return true;
        }
        sinceUpdate.start();
        dialog->setLabelText(progressText(done, total));
        dialog->setValue(done); // a modal progress window handles its events here, the cancel button too
        return !dialog->wasCanceled();
    };
    // A printer that writes a file asks for its name once the batch is known to print.
    const auto askFile = [&] { return askOutputFileIfNeeded(ctx, QApplication::activeWindow()); };
    const QList<QList<int>> jobs = jobsOf(selection, perJob);
    for (qsizetype sent = 0; sent < jobs.size(); ++sent) {
        PrintOutcome outcome;
        try {
            outcome = printBatch(ctx.printing, ctx.state, ctx.workDir, jobs.at(sent), copies, progress, askFile);
        } catch (const IoError &e) {
            if (sent == 0)
                throw;
            QList<int> left;
            for (qsizetype j = sent; j < jobs.size(); ++j)
                left += jobs.at(j);
            throw IoError(QCoreApplication::translate("PrintActions",
                                                      "%1\n\nОтправлено заданий: %2 из %3. Не напечатаны конверты "
                                                      "%4: их печатают «Номера» с этим списком.")
                              .arg(e.message())
                              .arg(sent)
                              .arg(jobs.size())
                              .arg(numberlist::listText(left)));
        }
        report(ctx, outcome);
        if (outcome.kind != PrintOutcome::Kind::Printed)
            return;
        printedBefore += int(jobs.at(sent).size());
    }
}

void printPreviewedEnvelope(AppContext &ctx)
{
    const auto askFile = [&] { return askOutputFileIfNeeded(ctx, QApplication::activeWindow()); };
    report(ctx, printTestEnvelope(ctx.printing, ctx.state, ctx.workDir, askFile));
}
