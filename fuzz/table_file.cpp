// Table files for a mailing without the window: the encoding detection, both encodings, the
// separator, quoted cells; and a table written back (tab-separated, every cell quoted, UTF-8 with
// its byte-order mark) reads as the same table.

#include "FuzzSupport.h"

#include "logic/files/Codepage.h"
#include "logic/mailing/TableFile.h"

#include <QDir>
#include <QStringDecoder>

namespace {

// UTF-8 validity as Qt's own decoder sees it.
bool qtValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

std::optional<Table> parsed(const QByteArray &bytes, TableEncoding encoding)
{
    try {
        return parseTable(bytes, encoding);
    } catch (const TableError &e) {
        FUZZ_CHECK(e.row() >= 0 && e.column() >= 1);
        return std::nullopt;
    }
}

QByteArray written(const Table &table)
{
    QString text;
    for (const QStringList &row : table.rows) {
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
    const bool bom = b.startsWith("\xEF\xBB\xBF");
    const TableEncoding detected = detectEncoding(b);
    FUZZ_CHECK(detected == ((bom || qtValidUtf8(b)) ? TableEncoding::Utf8 : TableEncoding::Cp1251));

    const auto asDetected = parsed(b, TableEncoding::Detect);
    const auto asUtf8 = parsed(b, TableEncoding::Utf8);
    const auto as1251 = parsed(b, TableEncoding::Cp1251);
    if (asDetected)
        FUZZ_CHECK(asDetected->encoding == detected);
    if (detected == TableEncoding::Utf8) {
        FUZZ_CHECK(asDetected.has_value() == asUtf8.has_value());
        if (asDetected)
            FUZZ_CHECK(asDetected->rows == asUtf8->rows);
    } else {
        FUZZ_CHECK(asDetected.has_value() == as1251.has_value());
        if (asDetected)
            FUZZ_CHECK(asDetected->rows == as1251->rows);
    }
    if (!asDetected)
        return 0;
    const Table &table = *asDetected;
    FUZZ_CHECK(table.separator == QLatin1Char('\t') || table.separator == QLatin1Char(';') ||
               table.separator == QLatin1Char(','));
    bool plain = true;
    for (const QStringList &row : table.rows) {
        FUZZ_CHECK(!row.isEmpty());
        for (const QString &cell : row)
            plain = plain && plainCell(cell);
    }

    // The file reader reads what the parser parses.
    const QString path = QDir(fuzz::workDir().root()).filePath(QStringLiteral("table.csv"));
    fuzz::putFile(QStringLiteral("table.csv"), b);
    FUZZ_CHECK(readTableFile(path).rows == table.rows);

    if (plain) {
        const auto again = parsed(written(table), TableEncoding::Detect);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->encoding == TableEncoding::Utf8);
        FUZZ_CHECK(again->rows == table.rows);
    }
    return 0;
}
