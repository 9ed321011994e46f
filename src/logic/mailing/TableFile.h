#pragma once
// Tables read from a file for a mailing without the window: rows of cells separated by tabs,
// semicolons or commas, in UTF-8 (with or without a byte-order mark) or code page 1251.

#include "logic/files/IoError.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class TableEncoding { Detect, Utf8, Cp1251 };

// A malformed table: says where.
class TableError : public AppError
{
public:
    TableError(int row, int column, const QString &what);
    int row() const { return m_row; }
    int column() const { return m_column; }

private:
    int m_row;
    int m_column;
};

struct Table
{
    QChar separator;
    TableEncoding encoding = TableEncoding::Detect; // the encoding used
    QList<QStringList> rows;
};

// The encoding of bytes when none is given: UTF-8 when they carry its byte-order mark or are valid
// UTF-8, otherwise code page 1251.
TableEncoding detectEncoding(const QByteArray &bytes);

// The text of bytes in the given encoding (detected when Detect), without a byte-order mark.
// Throws TableError when bytes said to be UTF-8 are not.
QString decodeText(const QByteArray &bytes, TableEncoding encoding, TableEncoding *used = nullptr);

// Decodes and splits a table. The separator is the first of tab, ";" and "," found in the first
// non-empty line. Cells may be quoted with double quotes (a doubled quote inside stands for one);
// quoted cells may hold separators and line breaks. Empty lines are skipped.
Table parseTable(const QByteArray &bytes, TableEncoding encoding = TableEncoding::Detect);

// Reads and parses a table file; a missing file is an IoError naming it.
Table readTableFile(const QString &path, TableEncoding encoding = TableEncoding::Detect);

// A column map "0,1,-,2,3,-,-,-,4": nine fields, each a zero-based column or "-" for none.
// Throws AppError with a clear message for anything else.
QList<int> parseColumnMap(const QString &text);
