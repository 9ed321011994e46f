// A table file read as a stream (TableStream, veltora-batch's tables of any length) against the
// same file read whole (parseTable): the same encoding, separator, rows and cells, less the rows
// whose cells are all blank, read in order and out of order; the same refusals.

#include "FuzzSupport.h"

#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableStream.h"

#include <QDir>

namespace {

std::optional<Table> wholeTable(const QByteArray &bytes, TableEncoding encoding)
{
    try {
        return parseTable(bytes, encoding);
    } catch (const TableError &) {
        return std::nullopt;
    }
}

// The stream's rows, or nothing when it refuses the file.
std::optional<QList<QStringList>> streamedRows(const QString &path, TableEncoding encoding, const Table *whole)
{
    try {
        TableStream stream(path, encoding);
        if (whole) {
            FUZZ_CHECK(stream.separator() == whole->separator);
            FUZZ_CHECK(stream.encoding() == whole->encoding);
        }
        QList<QStringList> scanned;
        stream.scan([&](const QStringList &cells, int line) {
            FUZZ_CHECK(line >= 1);
            scanned.append(cells);
        });
        FUZZ_CHECK(stream.rowCount() == scanned.size());
        for (qsizetype i = scanned.size() - 1; i >= 0; --i)
            FUZZ_CHECK(stream.cells(i) == scanned.at(i));
        for (qsizetype i = 0; i < scanned.size(); ++i)
            FUZZ_CHECK(stream.cells(i) == scanned.at(i));
        return scanned;
    } catch (const TableError &e) {
        FUZZ_CHECK(e.row() >= 1 && e.column() >= 1);
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray b = fuzz::bytes(data, size);
    fuzz::putFile(QStringLiteral("table.csv"), b);
    const QString path = QDir(fuzz::workDir().root()).filePath(QStringLiteral("table.csv"));
    for (const TableEncoding encoding : {TableEncoding::Detect, TableEncoding::Utf8, TableEncoding::Cp1251}) {
        const auto whole = wholeTable(b, encoding);
        const auto streamed = streamedRows(path, encoding, whole ? &*whole : nullptr);
        FUZZ_CHECK(whole.has_value() == streamed.has_value());
        if (!whole)
            continue;
        QList<QStringList> expected;
        for (const QStringList &row : whole->rows)
            if (std::any_of(row.begin(), row.end(), [](const QString &cell) { return !cell.trimmed().isEmpty(); }))
                expected.append(row);
        FUZZ_CHECK(*streamed == expected);
    }
    return 0;
}
