#pragma once
// The prints of the program: the envelope of the main window, a batch of a group mailing, and the
// test print of the envelope shown in the preview.

#include <QList>
#include <QStringList>

struct AppContext;
class FeedMethodDialog;
class QPlainTextEdit;
class QWidget;

// The envelopes chosen for a batch print: zero-based mailing-list indices in print order.
using SelectionList = QList<int>;

// The single-envelope print of the main window's two boxes ("Печать" > "Данный конверт"). The
// feed-method window, when given, comes up at every print without waiting for it.
void printSingleEnvelope(AppContext &ctx, FeedMethodDialog *feedMethod, QPlainTextEdit &senderBox,
                         QPlainTextEdit &recipientBox);
// When the current printer writes a file and has no file name for the coming job, asks the user
// for one. False when the user declines: the print does not start.
bool askOutputFileIfNeeded(AppContext &ctx, QWidget *parent);
// The batch print of a group mailing; in jobs of `perJob` envelopes when it is above 0. A job that
// fails part-way is reported with the envelopes left, as a number list that prints them.
void printSelection(AppContext &ctx, const SelectionList &selection, int copies, int perJob = 0);
// The test print of the envelope shown in the preview ("Пробная печать").
void printPreviewedEnvelope(AppContext &ctx);
