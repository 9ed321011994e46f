#pragma once
// Spreadsheet workbooks as tables: OpenDocument spreadsheets (.ods) and Office Open XML workbooks
// (.xlsx). Both are zip archives of XML parts; a sheet is inflated and parsed as it streams, row by
// row, so that memory holds one row (and, for .xlsx, the shared strings), whatever the sheet's
// length. Cells come out as the spreadsheet shows them: an .ods cell carries its shown text, an
// .xlsx number is formatted with its cell's number format (CellFormat.h).
//
// Every part's sizes are checked before it is inflated: a part larger than MaxPartSize, or one that
// inflates more than MaxInflation times its packed size, is refused, and so is an inflation that
// yields more than the archive announced.

#include "logic/files/IoError.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A file that cannot be read as a workbook: says which file and why.
class WorkbookError : public AppError
{
public:
    using AppError::AppError;
};

enum class TableKind { Text, OpenDocument, OfficeOpenXml };

// What a table file holds, judged by its first bytes and, for a zip archive, by its parts. A file
// whose name says .ods, .xlsx or .xls but which is not such a workbook, an .xls or an encrypted
// workbook (both are compound files of another format) and a zip that is neither workbook throw
// WorkbookError; IoError when the file cannot be read.
TableKind tableKindOf(const QString &path);

class Workbook
{
    Q_DECLARE_TR_FUNCTIONS(Workbook)

public:
    static constexpr qint64 MaxPartSize = qint64(1) << 30;
    static constexpr int MaxInflation = 1000;
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;
    static constexpr qint64 MaxCells = 20000000; // of a sheet, repeated ones counted

    // Opens the workbook and reads its sheet names. Throws WorkbookError or IoError.
    explicit Workbook(const QString &path);
    ~Workbook();
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    TableKind kind() const { return m_kind; }
    const QStringList &sheetNames() const { return m_sheets; }
    // The index of the named sheet (case ignored), -1 when there is none.
    int sheetIndex(const QString &name) const;

    // Streams the rows of sheet `sheet` in order. `row` gets the row's cells (trailing empty cells
    // left off) and its number in the sheet (from 1); rows without any cell are not reported.
    // Throws WorkbookError for a malformed sheet.
    void readRows(int sheet, const std::function<void(const QStringList &cells, int row)> &row);

private:
    class Archive;
    void readSheetNames();
    // Runs the action; a WorkbookError that does not name the file yet is thrown again naming it.
    void namedFailures(const std::function<void()> &action) const;
    void readOpenDocumentRows(int sheet, const std::function<void(const QStringList &, int)> &row);
    void readOfficeRows(int sheet, const std::function<void(const QStringList &, int)> &row);
    void loadOfficeStrings();
    [[noreturn]] void fail(const QString &why) const;

    QString m_path;
    TableKind m_kind = TableKind::Text;
    std::unique_ptr<Archive> m_archive;
    QStringList m_sheets;
    QStringList m_sheetParts;    // .xlsx: the part of each sheet
    QStringList m_sharedStrings; // .xlsx
    QStringList m_cellFormats;   // .xlsx: the number format code of each cell style
    bool m_date1904 = false;     // .xlsx: dates counted from 1904
    bool m_sharedStringsLoaded = false;
};
