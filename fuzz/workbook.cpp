// Spreadsheet workbooks (.ods, .xlsx: Workbook): zip archives with their sizes checked before
// inflating, sheet names, rows streamed with repeated rows and cells, shared strings and number
// formats. Every sheet's rows come in order, without trailing empty cells, within the limits; the
// sheet written as a text table (workbookAsTextTable) reads back through TableStream as the same rows.

#include "FuzzSupport.h"

#include "logic/mailing/TableSource.h"
#include "logic/mailing/TableStream.h"
#include "logic/mailing/Workbook.h"

#include <QDir>

namespace {

QString oneLine(QString cell)
{
    for (QChar &c : cell)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return cell;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytes(data, size);
    // The same bytes under both names: the kind comes from the content.
    for (const QString &name : {QStringLiteral("book.ods"), QStringLiteral("book.xlsx")}) {
        fuzz::putFile(name, bytes);
        const QString path = QDir(fuzz::workDir().root()).filePath(name);
        try {
            Workbook book(path);
            FUZZ_CHECK(!book.sheetNames().isEmpty());
            for (int sheet = 0; sheet < book.sheetNames().size() && sheet < 4; ++sheet) {
                QList<QStringList> rows;
                int last = 0;
                qint64 count = 0; // cells seen: a sheet of many is only checked for its order and limits
                book.readRows(sheet, [&](const QStringList &cells, int row) {
                    FUZZ_CHECK(row > last && row <= Workbook::MaxRows);
                    last = row;
                    FUZZ_CHECK(!cells.isEmpty() && cells.size() <= Workbook::MaxColumns);
                    FUZZ_CHECK(!cells.constLast().isEmpty());
                    count += cells.size();
                    if (count > 20000)
                        return;
                    QStringList shown;
                    for (const QString &cell : cells)
                        shown.append(oneLine(cell));
                    rows.append(shown);
                });
                if (sheet > 0 || count > 20000)
                    continue;
                // The first sheet as the batch printer reads it.
                const std::unique_ptr<QTemporaryFile> table = workbookAsTextTable(path, QString());
                FUZZ_CHECK(table != nullptr);
                TableStream stream(table->fileName(), TableEncoding::Utf8, '\t');
                QList<QStringList> streamed;
                stream.scan([&](const QStringList &cells, int) { streamed.append(cells); });
                // Rows whose cells are all blanks are left out by the stream.
                rows.removeIf([](const QStringList &cells) {
                    return std::all_of(cells.begin(), cells.end(),
                                       [](const QString &c) { return c.trimmed().isEmpty(); });
                });
                FUZZ_CHECK(streamed == rows);
            }
        } catch (const WorkbookError &e) {
            FUZZ_CHECK(e.message().contains(path));
        }
    }
    return 0;
}
