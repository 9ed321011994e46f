#include "logic/mailing/TableStream.h"

#include <QCoreApplication>

#include "logic/files/Codepage.h"

#include <QStringDecoder>

#include <cstring>

namespace {

constexpr qsizetype BufferSize = 256 * 1024;

// Checks UTF-8 as it arrives in pieces: a sequence cut between two pieces is held back and checked
// with the piece that completes it.
class Utf8Check
{
public:
    // False once the bytes so far cannot be UTF-8.
    bool add(const char *data, qsizetype size)
    {
        m_held.append(data, size);
        const qsizetype whole = m_held.size() - cutTail(m_held);
        if (!isUtf8(QByteArrayView(m_held).first(whole)))
            return false;
        m_held.remove(0, whole);
        return true;
    }
    // Whether no sequence was left cut off at the end.
    bool complete() const { return m_held.isEmpty(); }

private:
    // The length of an unfinished sequence at the end of bytes: its lead byte is among the last
    // three and announces more bytes than follow it.
    static qsizetype cutTail(const QByteArray &bytes)
    {
        for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const auto c = static_cast<unsigned char>(bytes.at(bytes.size() - back));
            if ((c & 0xC0) == 0x80)
                continue; // a continuation byte: the lead is further back
            const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return length > back ? back : 0;
        }
        return 0;
    }

    QByteArray m_held;
};

} // namespace

TableStream::TableStream(const QString &path, TableEncoding encoding, char separator)
    : m_path(path)
    , m_file(path)
    , m_encoding(encoding)
    , m_buffer(BufferSize, Qt::Uninitialized)
{
    // The reader of the table names its file; the reason alone follows.
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw IoError(m_file.errorString());
    const QByteArray head = m_file.read(3);
    const bool bom = head == QByteArray("\xEF\xBB\xBF");
    if (bom && m_encoding == TableEncoding::Detect)
        m_encoding = TableEncoding::Utf8;
    if (m_encoding != TableEncoding::Cp1251) {
        Utf8Check check;
        bool valid = true;
        seek(bom ? 3 : 0);
        while (valid && refill()) {
            valid = check.add(m_buffer.constData() + m_pos, m_end - m_pos);
            m_pos = m_end;
        }
        if (m_file.error() != QFileDevice::NoError)
            throw IoError(QStringLiteral("%1: %2").arg(path, m_file.errorString()));
        valid = valid && check.complete();
        if (m_encoding == TableEncoding::Detect)
            m_encoding = valid ? TableEncoding::Utf8 : TableEncoding::Cp1251;
        else if (!valid)
            throw TableError(1, 1, QCoreApplication::translate("veltora-batch", "файл не в кодировке UTF-8"));
    }
    // The text starts after the byte-order mark, and after a second one that follows it (as
    // decodeText drops it).
    m_dataStart = 0;
    if (m_encoding == TableEncoding::Utf8 && bom) {
        m_dataStart = 3;
        seek(3);
        if (next() == 0xEF && next() == 0xBB && next() == 0xBF)
            m_dataStart = 6;
    }

    // The separator: the first of tab, ";" and "," in the first line that is not blank.
    seek(m_dataStart);
    m_separator = separator ? separator : detectSeparator();
    seek(m_dataStart);
    m_nextRow = -1;
}

char TableStream::detectSeparator()
{
    QByteArray line;
    for (int c = next();; c = next()) {
        if (c == '\n' || c < 0) {
            const QString text = decode(line).trimmed();
            if (!text.isEmpty())
                return text.contains(QLatin1Char('\t'))  ? '\t'
                       : text.contains(QLatin1Char(';')) ? ';'
                       : text.contains(QLatin1Char(',')) ? ','
                                                         : '\t';
            if (c < 0)
                return '\t';
            line.clear();
        } else {
            line.append(char(c));
        }
    }
}

bool TableStream::refill()
{
    m_bufferStart += m_end;
    m_pos = 0;
    m_end = 0;
    const qint64 n = m_file.read(m_buffer.data(), m_buffer.size());
    if (n <= 0)
        return false;
    m_end = n;
    return true;
}

void TableStream::seek(qint64 offset)
{
    if (offset >= m_bufferStart && offset < m_bufferStart + m_end) {
        m_pos = offset - m_bufferStart;
        return;
    }
    if (!m_file.seek(offset))
        throw IoError(QStringLiteral("%1: %2").arg(m_path, m_file.errorString()));
    m_bufferStart = offset;
    m_pos = 0;
    m_end = 0;
}

QString TableStream::decode(const QByteArray &bytes) const
{
    if (m_encoding == TableEncoding::Cp1251)
        return codepage::decode1251(bytes);
    // A byte-order mark inside the text is a character (U+FEFF) of the cell it begins.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool TableStream::readRow(QList<QByteArray> &row, int &line)
{
    row.clear();
    QByteArray cell;
    bool inQuotes = false;
    bool cellQuoted = false;
    int quoteLine = 0;
    int c = next();
    if (c < 0)
        return false;
    for (;; c = next()) {
        if (c < 0) {
            if (inQuotes)
                throw TableError(quoteLine, int(row.size()) + 1,
                                 QCoreApplication::translate("veltora-batch", "кавычка не закрыта"));
            break;
        }
        if (inQuotes) {
            if (c == '"') {
                if (peek() == '"') {
                    cell.append('"');
                    next();
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                cell.append(char(c));
            }
            continue;
        }
        if (c == '"' && cell.isEmpty() && !cellQuoted) {
            inQuotes = true;
            cellQuoted = true;
            quoteLine = line;
        } else if (c == m_separator) {
            row.append(cell);
            cell.clear();
            cellQuoted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && peek() == '\n')
                next();
            ++line;
            break;
        } else {
            cell.append(char(c));
        }
    }
    row.append(cell);
    return true;
}

void TableStream::scan(const std::function<void(const QStringList &cells, int line)> &row)
{
    m_starts.clear();
    m_lines.clear();
    seek(m_dataStart);
    int line = 1;
    QList<QByteArray> bytes;
    QStringList cells;
    for (;;) {
        const qint64 start = offset();
        const int startLine = line;
        if (!readRow(bytes, line))
            break;
        cells.clear();
        bool blank = true;
        for (const QByteArray &b : std::as_const(bytes)) {
            cells.append(decode(b));
            blank = blank && cells.constLast().trimmed().isEmpty();
        }
        if (blank)
            continue;
        m_starts.append(start);
        m_lines.append(startLine);
        if (row)
            row(cells, startLine);
    }
    if (m_file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("%1: %2").arg(m_path, m_file.errorString()));
    m_nextRow = -1;
}

QStringList TableStream::cells(qsizetype index)
{
    if (index != m_nextRow)
        seek(m_starts.at(index));
    QList<QByteArray> bytes;
    int line = m_lines.at(index);
    readRow(bytes, line);
    m_nextRow = index + 1 < m_starts.size() && offset() == m_starts.at(index + 1) ? index + 1 : -1;
    QStringList cells;
    cells.reserve(bytes.size());
    for (const QByteArray &b : std::as_const(bytes))
        cells.append(decode(b));
    return cells;
}
