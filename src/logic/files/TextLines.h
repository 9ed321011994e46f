#pragma once
// The lines that a word-wrapping multi-line text box of a given width and font shows for a text:
// every line of the text, broken at word boundaries where it is too wide for the box.

#include <QFont>
#include <QString>
#include <QStringList>

// Width of the text area inside a box of the given outer width (frame and margins taken off).
int textAreaWidth(int boxWidth);

// Lines shown by a box of the given outer width.
QStringList wrappedLines(const QString &text, const QFont &font, int boxWidth);
// The same for text already split into lines.
QStringList wrappedLines(const QStringList &lines, const QFont &font, int boxWidth);
