#pragma once
// A table file read row by row and never held whole, for mailings of any length. Rows of cells are
// separated by tabs, semicolons or commas: the first of tab, ";" and "," found in the first line
// that is not blank. Cells may be quoted with double quotes (a doubled quote inside stands for one);
// quoted cells may hold separators and line breaks. Rows whose cells are all blank (an empty line,
// or ";;;;;;" at the end of a spreadsheet's export) are left out. The encodings are those of
// TableFile.h.
//
// The file is read through once to learn its encoding and separator, and once more (scan) to learn
// where every row starts; after that a row is read where it stands. Memory holds the start of every
// row (12 bytes a row) and the buffer of the file, whatever the file's size.

#include "logic/mailing/TableFile.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TableStream
{
public:
    // Opens the file and learns its encoding (the one given, or detected as decodeText does) and
    // separator (`separator`, when given, is taken as it is). IoError naming the file when it cannot
    // be read; TableError when bytes said or detected to be UTF-8 are not.
    TableStream(const QString &path, TableEncoding encoding, char separator = 0);

    TableEncoding encoding() const { return m_encoding; }
    QChar separator() const { return QChar::fromLatin1(m_separator); }

    // Reads every row once, in order: `row` gets its cells and the file line it starts on (from 1).
    // Afterwards rowCount() and cells() know every row. TableError for an unterminated quote;
    // whatever `row` throws goes on to the caller.
    void scan(const std::function<void(const QStringList &cells, int line)> &row = {});

    qsizetype rowCount() const { return m_starts.size(); }
    // The file line that row `index` (from 0, blank rows not counted) starts on.
    int lineOf(qsizetype index) const { return m_lines.at(index); }
    // The cells of row `index`: fast in order, any order works.
    QStringList cells(qsizetype index);

private:
    // The next byte of the file, -1 at its end.
    int next()
    {
        if (m_pos == m_end && !refill())
            return -1;
        return static_cast<unsigned char>(m_buffer[m_pos++]);
    }
    int peek()
    {
        if (m_pos == m_end && !refill())
            return -1;
        return static_cast<unsigned char>(m_buffer[m_pos]);
    }
    bool refill();
    char detectSeparator();
    void seek(qint64 offset);
    qint64 offset() const { return m_bufferStart + m_pos; }
    QString decode(const QByteArray &bytes) const;
    // Reads the cells of one row from the current position: false at the end of the file. `line`
    // counts the lines read.
    bool readRow(QList<QByteArray> &row, int &line);

    QString m_path;
    QFile m_file;
    TableEncoding m_encoding = TableEncoding::Detect;
    char m_separator = '\t';
    qint64 m_dataStart = 0; // after the byte-order marks
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    qint64 m_bufferStart = 0;
    QList<qint64> m_starts;
    QList<int> m_lines;
    qsizetype m_nextRow = -1; // the row that begins at the current position, -1 when unknown
};
