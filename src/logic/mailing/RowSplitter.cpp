#include "logic/mailing/RowSplitter.h"

namespace {
const QChar Tab = QLatin1Char('\t');
}

QStringList rowCells(const QString &row)
{
    QStringList cells;
    if (row.size() < MinimumRowLength)
        return cells;
    cells.reserve(row.count(Tab) + 1);
    qsizetype start = 0;
    for (qsizetype tab = row.indexOf(Tab); tab >= 0; tab = row.indexOf(Tab, start)) {
        cells.append(row.mid(start, tab + 1 - start).left(CellLength));
        start = tab + 1;
    }
    cells.append(row.mid(start).left(CellLength));
    return cells;
}

bool containsTab(const QString &text)
{
    return text.contains(Tab);
}

QString withoutTrailingTab(const QString &cell)
{
    return cell.endsWith(Tab) ? cell.chopped(1) : cell;
}
