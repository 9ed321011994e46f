#pragma once
// The lines of a multi-line text box as the box shows them: a word-wrapping box shows a long line
// of its text as several lines, and readers of the box (the prints) take each as a line of its own.

#include <QStringList>

class QPlainTextEdit;

// The visual lines of the box, in order. A final empty line (the text ends with a line break)
// does not count, so an empty box has no lines.
QStringList displayedLines(const QPlainTextEdit &box);

// Replaces the text of the box with the lines, one per line.
void setLines(QPlainTextEdit &box, const QStringList &lines);
