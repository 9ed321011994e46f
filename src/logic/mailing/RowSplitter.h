#pragma once
// The row splitter: one row of tabular text (cells separated by tab characters) cut into cells.
//
// For a row with n tabs the slots hold, in order: slots 0 to n-1 the first n cells, each still
// followed by its tab; slot n an empty text; slot n+1 the last cell (the text after the last tab).
// cells() lists slots 0 to n+1 without slot n, that is the n+1 cells of the row in order.
// A row may have any number of cells.

#include <QString>
#include <QStringList>

struct SplitRow
{
    // A slot holds at most this many characters; a longer cell is cut (and so loses its tab).
    static constexpr int SlotLength = 255;

    QStringList cellSlots; // the slots of the layout above
    int count = 0;         // number of cells: the number of tabs plus one

    // The cells in row order, each but the last still ending in its tab.
    QStringList cells() const;
};

// Rows shorter than this are not split at all.
inline constexpr int MinimumRowLength = 5;

// Fills split from row. A row of fewer than five characters leaves split exactly as it was.
void splitRow(const QString &row, SplitRow &split);

// True when the text holds at least one tab character.
bool containsTab(const QString &text);

// The text of a cell without its trailing tab.
QString withoutTrailingTab(const QString &cell);
