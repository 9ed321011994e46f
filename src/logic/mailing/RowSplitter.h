#pragma once
// The row splitter: one row of tabular text (cells separated by tab characters) cut into cells.
// A row may have any number of cells.

#include <QString>
#include <QStringList>

// A cell holds at most this many characters; a longer cell is cut (and so loses its tab).
inline constexpr int CellLength = 255;

// Rows shorter than this are not split at all.
inline constexpr int MinimumRowLength = 5;

// The cells of row in order, each but the last still ending in its tab: the number of tabs plus
// one. A row of fewer than five characters gives no cells.
QStringList rowCells(const QString &row);

// True when the text holds at least one tab character.
bool containsTab(const QString &text);

// The text of a cell without its trailing tab.
QString withoutTrailingTab(const QString &cell);
