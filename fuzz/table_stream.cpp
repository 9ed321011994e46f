// Table files for a mailing without the window (TableStream, whatever their length): the encoding
// detection, both encodings, the separator, quoted cells, blank rows left out, rows read in order
// and out of order; and a table written back (tab-separated, every cell quoted, UTF-8 with its
// byte-order mark) reads as the same table.

#include "FuzzSupport.h"

#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableStream.h"

#include <QDir>

namespace {

struct Streamed
{
    TableEncoding encoding;
    QChar separator;
    QList<QStringList> rows;
};

QString tablePath()
{
    return QDir(fuzz::workDir().root()).filePath(QStringLiteral("table.csv"));
}

// The table as the stream reads it, or nothing when the stream refuses the file.
std::optional<Streamed> streamed(const QByteArray &bytes, TableEncoding encoding)
{
    fuzz::putFile(QStringLiteral("table.csv"), bytes);
    try {
        TableStream stream(tablePath(), encoding);
        Streamed table{stream.encoding(), stream.separator(), {}};
        int lastLine = 0;
        stream.scan([&](const QStringList &cells, int line) {
            FUZZ_CHECK(line > lastLine);
            lastLine = line;
            table.rows.append(cells);
        });
        FUZZ_CHECK(stream.rowCount() == table.rows.size());
        for (qsizetype i = table.rows.size() - 1; i >= 0; --i)
            FUZZ_CHECK(stream.cells(i) == table.rows.at(i));
        for (qsizetype i = 0; i < table.rows.size(); ++i)
            FUZZ_CHECK(stream.cells(i) == table.rows.at(i));
        return table;
    } catch (const TableError &e) {
        FUZZ_CHECK(e.row() >= 1 && e.column() >= 1);
        return std::nullopt;
    }
}

QByteArray written(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList quoted;
        for (QString cell : row)
            quoted.append(QLatin1Char('"') + cell.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'));
        text += quoted.join(QLatin1Char('\t')) + QLatin1String("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

// Whether a cell can be written back so: no separator and no line break in it.
bool plainCell(const QString &cell)
{
    for (const QChar c : cell)
        if (c == QLatin1Char('\t') || c == QLatin1Char(';') || c == QLatin1Char(',') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray b = fuzz::bytes(data, size);
    const auto table = streamed(b, TableEncoding::Detect);
    const auto asUtf8 = streamed(b, TableEncoding::Utf8);
    const auto as1251 = streamed(b, TableEncoding::Cp1251);
    const bool bom = b.startsWith("\xEF\xBB\xBF");
    // Detected: UTF-8 with its mark, or when the bytes are UTF-8; otherwise code page 1251.
    const auto &same = (bom || isUtf8(b)) ? asUtf8 : as1251;
    FUZZ_CHECK(table.has_value() == same.has_value());
    if (!table)
        return 0;
    FUZZ_CHECK(table->encoding == same->encoding);
    FUZZ_CHECK(table->separator == same->separator);
    FUZZ_CHECK(table->rows == same->rows);
    FUZZ_CHECK(table->separator == QLatin1Char('\t') || table->separator == QLatin1Char(';') ||
               table->separator == QLatin1Char(','));
    bool plain = true;
    for (const QStringList &row : table->rows) {
        FUZZ_CHECK(std::any_of(row.begin(), row.end(), [](const QString &cell) { return !cell.trimmed().isEmpty(); }));
        for (const QString &cell : row)
            plain = plain && plainCell(cell);
    }

    if (plain) {
        const auto again = streamed(written(table->rows), TableEncoding::Detect);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->encoding == TableEncoding::Utf8);
        FUZZ_CHECK(again->rows == table->rows);
    }
    return 0;
}
