#pragma once
// The rows of a mailing taken from a table file of any kind the program reads: text tables
// (TableStream) and spreadsheet workbooks (Workbook). A cell is one line of an envelope: tabs and
// line breaks inside it become blanks.

#include "logic/mailing/TableFile.h"

#include <QStringList>
#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <optional>

// The rows of the file as the clipboard gives a spreadsheet's rows: cells joined by tabs, rows
// shorter than five characters left out (as pasted rows are). A workbook's sheet is the one
// `chooseSheet` picks from its names (called only when there are several; -1 cancels: nothing is
// returned). Throws WorkbookError, TableError or IoError.
std::optional<QStringList> tableRowsAsText(const QString &path,
                                           const std::function<int(const QStringList &)> &chooseSheet);

// A workbook's sheet written as a UTF-8 tab-separated table that TableStream reads, every sheet row
// on the line of its number (blank rows where the sheet has none). `sheet` names the sheet, empty
// for the first. Nothing (no file) when `path` is a text table. Throws WorkbookError or IoError.
std::unique_ptr<QTemporaryFile> workbookAsTextTable(const QString &path, const QString &sheet);

// One row of cells written as a line of such a table (no line end).
QByteArray textTableLine(const QStringList &cells);
