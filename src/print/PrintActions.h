#pragma once
// The prints of the program: the envelope of the main window, a batch of a group mailing, and the
// test print of the envelope shown in the preview.

#include <QList>

struct AppContext;
class QPlainTextEdit;

// The envelopes chosen for a batch print: zero-based mailing-list indices in print order.
using SelectionList = QList<int>;

// The single-envelope print of the main window's two boxes.
void PrintThis(AppContext &ctx, QPlainTextEdit &memo1, QPlainTextEdit &memo2);
// The batch print of a group mailing.
void PrintSelection(AppContext &ctx, const SelectionList &selection, int copies);
// The test print of the envelope shown in the preview.
void drucke(AppContext &ctx);
