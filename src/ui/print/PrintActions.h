#pragma once
// The prints of the program: the envelope of the main window, a batch of a group mailing, and the
// test print of the envelope shown in the preview.

#include <QList>
#include <QStringList>

struct AppContext;
class QPlainTextEdit;
class QWidget;

// The envelopes chosen for a batch print: zero-based mailing-list indices in print order.
using SelectionList = QList<int>;

// The single-envelope print of the main window's two boxes.
void PrintThis(AppContext &ctx, QPlainTextEdit &memo1, QPlainTextEdit &memo2);
// When the current printer writes a file and has no file name for the coming job, asks the user
// for one. False when the user declines: the print does not start.
bool askOutputFileIfNeeded(AppContext &ctx, QWidget *parent);
// The batch print of a group mailing.
void PrintSelection(AppContext &ctx, const SelectionList &selection, int copies);
// The test print of the envelope shown in the preview.
void drucke(AppContext &ctx);
