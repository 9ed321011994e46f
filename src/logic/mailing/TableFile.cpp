#include "logic/mailing/TableFile.h"

#include "logic/files/Codepage.h"

#include <QFile>

TableError::TableError(int row, int column, const QString &what)
    : AppError(QStringLiteral("строка %1, столбец %2: %3 (row %1, column %2)").arg(row).arg(column).arg(what))
    , m_row(row)
    , m_column(column)
{
}

namespace {

// Whether bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int extra;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

TableEncoding detectEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TableEncoding::Utf8;
    return isValidUtf8(bytes) ? TableEncoding::Utf8 : TableEncoding::Cp1251;
}

namespace {

QChar detectSeparator(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(start, end - start).trimmed();
        if (!line.isEmpty()) {
            for (QChar c : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')})
                if (line.contains(c))
                    return c;
            return QLatin1Char('\t');
        }
        start = end + 1;
    }
    return QLatin1Char('\t');
}

} // namespace

QString decodeText(const QByteArray &bytes, TableEncoding encoding, TableEncoding *used)
{
    const TableEncoding enc = encoding == TableEncoding::Detect ? detectEncoding(bytes) : encoding;
    if (used)
        *used = enc;
    if (enc == TableEncoding::Cp1251)
        return codepage::decode1251(bytes);
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (!isValidUtf8(body))
        throw TableError(1, 1, QStringLiteral("файл не в кодировке UTF-8 / the file is not valid UTF-8"));
    return QString::fromUtf8(body);
}

Table parseTable(const QByteArray &bytes, TableEncoding encoding)
{
    Table table;
    const QString text = decodeText(bytes, encoding, &table.encoding);
    table.separator = detectSeparator(text);

    const QChar sep = table.separator;
    const QChar quote = QLatin1Char('"');
    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool cellQuoted = false;
    int line = 1;
    int quoteLine = 0;
    auto endRow = [&] {
        row.append(cell);
        const bool blank = row.size() == 1 && row.first().trimmed().isEmpty() && !cellQuoted;
        if (!blank)
            table.rows.append(row);
        row.clear();
        cell.clear();
        cellQuoted = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == quote) {
                if (i + 1 < n && text.at(i + 1) == quote) {
                    cell += quote;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == quote && cell.isEmpty() && !cellQuoted) {
            inQuotes = true;
            cellQuoted = true;
            quoteLine = line;
        } else if (c == sep) {
            row.append(cell);
            cell.clear();
            cellQuoted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
            ++line;
        } else {
            cell += c;
        }
    }
    if (inQuotes)
        throw TableError(quoteLine, row.size() + 1, QStringLiteral("кавычка не закрыта / unterminated quoted cell"));
    if (!cell.isEmpty() || !row.isEmpty() || cellQuoted)
        endRow();
    return table;
}

Table readTableFile(const QString &path, TableEncoding encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return parseTable(file.readAll(), encoding);
}

QList<int> parseColumnMap(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 9)
        throw AppError(QStringLiteral("--columns: нужно девять полей через запятую, получено %1 / "
                                      "nine comma-separated fields expected, got %1")
                           .arg(parts.size()));
    QList<int> map;
    for (int i = 0; i < parts.size(); ++i) {
        const QString p = parts.at(i).trimmed();
        if (p == QLatin1String("-")) {
            map.append(-1);
            continue;
        }
        bool ok = false;
        const int column = p.toInt(&ok);
        if (!ok || column < 0)
            throw AppError(QStringLiteral("--columns: поле %1: «%2» — не номер столбца и не «-» / "
                                          "field %1: '%2' is neither a column number nor '-'")
                               .arg(i + 1)
                               .arg(p));
        map.append(column);
    }
    return map;
}
