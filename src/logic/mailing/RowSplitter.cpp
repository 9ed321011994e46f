#include "logic/mailing/RowSplitter.h"

namespace {
const QChar Tab = QLatin1Char('\t');
}

QStringList SplitRow::cells() const
{
    QStringList result;
    if (count <= 0)
        return result;
    const int n = count - 1;
    result.reserve(count);
    for (int k = 0; k < n && k < cellSlots.size(); ++k)
        result.append(cellSlots.at(k));
    if (n + 1 < cellSlots.size())
        result.append(cellSlots.at(n + 1));
    return result;
}

void splitRow(const QString &row, SplitRow &split)
{
    if (row.size() < MinimumRowLength)
        return;
    const int n = static_cast<int>(row.count(Tab));
    QStringList cellSlots;
    cellSlots.reserve(n + 2);
    qsizetype start = 0;
    for (int k = 0; k < n; ++k) {
        const qsizetype tab = row.indexOf(Tab, start);
        cellSlots.append(row.mid(start, tab + 1 - start).left(SplitRow::SlotLength));
        start = tab + 1;
    }
    cellSlots.append(QString());
    cellSlots.append(row.mid(start).left(SplitRow::SlotLength));
    split.cellSlots = std::move(cellSlots);
    split.count = n + 1;
}

bool containsTab(const QString &text)
{
    return text.contains(Tab);
}

QString withoutTrailingTab(const QString &cell)
{
    return cell.endsWith(Tab) ? cell.chopped(1) : cell;
}
