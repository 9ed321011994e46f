#pragma once
// The lines that a word-wrapping multi-line text box of a given width and font shows for a text:
// every line of the text, broken at word boundaries where it is too wide for the box.

#include <QFont>
#include <QString>
#include <QStringList>

// Width of the text area inside a box of the given outer width (frame and margins taken off).
int textAreaWidth(int boxWidth);

// One line of a wrapped paragraph: `length` characters from `start`. A line that ends before the
// paragraph does keeps the blanks it was broken at out of sight, as the box does.
QString wrappedPiece(const QString &paragraph, int start, int length);

// Whether a character's glyph and place in a line depend only on its neighbours: letters, digits,
// punctuation and spaces of the left-to-right scripts an address is written in (Latin, Cyrillic,
// Greek), no combining marks, controls or characters outside the basic plane. A line of such
// characters is as wide as the sum of what each character advances when the next follows it.
bool laidOutInPairs(QChar c);

// Lines shown by a box of the given outer width.
QStringList wrappedLines(const QString &text, const QFont &font, int boxWidth);
// The same for text already split into lines.
QStringList wrappedLines(const QStringList &lines, const QFont &font, int boxWidth);
