// Pasted rows of a group mailing: the rows of the pasted text, each row cut into cells, the mailing
// records built from a column map, "Slfile.tmp" written and read back, and the recipient lookup.
//
// The first nine bytes give the column of each field (-1 to 10); the rest is the pasted text.

#include "FuzzSupport.h"

#include "logic/addresses/BookRecord.h"
#include "logic/files/Codepage.h"
#include "logic/mailing/MailingData.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int Fields = MailingData::MailingRecordLines;
    if (size < Fields)
        return 0;
    ColumnMap columns = emptyColumnMap();
    for (int f = 0; f < Fields; ++f)
        columns[f] = int(data[f] % 12) - 1;
    const QString text = fuzz::text(data + Fields, size - Fields);
    const QChar tab = QLatin1Char('\t');

    const QStringList rows = pastedRows(text);
    QStringList expectedRows = codepage::splitLines(text);
    expectedRows.removeIf([](const QString &row) { return row.size() < MinimumRowLength; });
    FUZZ_CHECK(rows == expectedRows);

    for (const QString &row : rows) {
        const QStringList cells = rowCells(row);
        FUZZ_CHECK(cells.size() == row.count(tab) + 1);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            FUZZ_CHECK(cells.at(i).size() <= CellLength);
            // A cell keeps its tab unless it was cut, and holds no other tab.
            const QString bare = withoutTrailingTab(cells.at(i));
            FUZZ_CHECK(!bare.contains(tab));
            if (i + 1 < cells.size() && cells.at(i).size() < CellLength)
                FUZZ_CHECK(cells.at(i).endsWith(tab));
        }
        // Nothing is lost from a row whose cells all fit.
        if (row.size() < CellLength)
            FUZZ_CHECK(cells.join(QString()) == row);
    }

    const QStringList records = buildMailingRecords(rows, columns);
    FUZZ_CHECK(records.size() == rows.size() * Fields);
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QString &line = records.at(i);
        const QChar marker = i % Fields == FieldSurname ? addressbook::NameMarker : addressbook::FieldMarker;
        FUZZ_CHECK(line.isEmpty() || line.startsWith(marker));
    }

    // "Slfile.tmp" holds every line, empty ones included, and reads back the same.
    const WorkDir &dir = fuzz::workDir();
    writeMailingRecords(dir, records);
    FUZZ_CHECK(readMailingRecords(dir) == records);

    // Each row's record is found by its key (the last row of a key wins).
    MailingData mailing;
    mailing.source = SourceMode::OtherSource;
    mailing.setMailingRecords(records);
    if (columns[FieldSurname] < 0) {
        FUZZ_CHECK(mailing.recordKeys().isEmpty());
        return 0;
    }
    for (qsizetype r = rows.size() - 1, seen = 0; r >= 0 && seen < 50; --r, ++seen) {
        const QString &keyLine = records.at(r * Fields);
        if (keyLine.isEmpty())
            continue;
        const QString key = withoutTrailingTab(addressbook::textOf(keyLine));
        const auto found = mailing.lookupEntry(key, true);
        FUZZ_CHECK(found.has_value() && !found->isEmpty() && found->first() == key);
    }
    return 0;
}
