#include "logic/mailing/MailingRecordFile.h"

#include "logic/addresses/BookRecord.h"
#include "logic/files/Codepage.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/RowSplitter.h"

ColumnMap emptyColumnMap()
{
    ColumnMap map;
    map.fill(-1);
    return map;
}

QStringList pastedRows(const QString &text)
{
    QStringList rows = codepage::splitLines(text);
    rows.removeIf([](const QString &row) { return row.size() < MinimumRowLength; });
    return rows;
}

QStringList buildMailingRecords(const QStringList &rows, const ColumnMap &columns)
{
    QStringList lines;
    lines.reserve(rows.size() * MailingData::MailingRecordLines);
    for (const QString &row : rows) {
        const QStringList cells = rowCells(row);
        for (int field = 0; field < MailingData::MailingRecordLines; ++field) {
            const int column = columns[field];
            if (column < 0 || column >= cells.size()) {
                lines.append(QString());
                continue;
            }
            const QChar marker = field == FieldSurname ? addressbook::NameMarker : addressbook::FieldMarker;
            lines.append(marker + cells.at(column));
        }
    }
    return lines;
}

void writeMailingRecords(const WorkDir &dir, const QStringList &lines)
{
    dir.writeLines(MailingRecordsFile, lines, TextEncoding::Utf8);
}

QStringList readMailingRecords(const WorkDir &dir)
{
    return dir.readLines(MailingRecordsFile, TextEncoding::Utf8);
}

void writeEnvelopeNumbers(const WorkDir &dir, const QList<int> &numbers)
{
    QStringList lines;
    lines.reserve(numbers.size() + 1);
    lines.append(QStringLiteral("0"));
    for (int number : numbers)
        lines.append(QString::number(number));
    dir.writeLines(EnvelopeNumbersFile, lines);
}
