#pragma once
// The encodings of a table file for a mailing without the window (UTF-8, with or without a
// byte-order mark, or code page 1251), its errors, and the column map that assigns its columns to
// the envelope's fields. The table itself is read by TableStream.

#include "logic/files/IoError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

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

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF):
// the one place that decides it.
bool isUtf8(QByteArrayView bytes);

// The text of bytes in the given encoding, without a byte-order mark. Detect takes UTF-8 when the
// bytes carry its byte-order mark or are valid UTF-8, otherwise code page 1251.
// Throws TableError when bytes said to be UTF-8 are not.
QString decodeText(const QByteArray &bytes, TableEncoding encoding, TableEncoding *used = nullptr);

// A column map "0,1,-,2,3,-,-,-,4": nine fields, each a zero-based column or "-" for none.
// Throws AppError with a clear message for anything else.
QList<int> parseColumnMap(const QString &text);
