#pragma once
// The recipient block is taken from the recipient details box; before it is drawn or printed its
// lines are tidied the same way everywhere.

#include <QStringList>

// Removes a tab where it ends a line, and drops a first line that equals the second (a missing
// second line reads as empty text). Edits the list in place.
void tidyRecipientLines(QStringList &lines);
