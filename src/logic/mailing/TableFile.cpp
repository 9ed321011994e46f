#include "logic/mailing/TableFile.h"

#include "logic/files/Codepage.h"

#include <QCoreApplication>
#include <QStringList>

TableError::TableError(int row, int column, const QString &what)
    : AppError(QCoreApplication::translate("veltora-batch", "строка %1, столбец %2: %3").arg(row).arg(column).arg(what))
    , m_row(row)
    , m_column(column)
{
}

bool isUtf8(QByteArrayView bytes)
{
    return bytes.isValidUtf8();
}

namespace {

TableEncoding detectEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TableEncoding::Utf8;
    return isUtf8(bytes) ? TableEncoding::Utf8 : TableEncoding::Cp1251;
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
    if (!isUtf8(body))
        throw TableError(1, 1, QCoreApplication::translate("veltora-batch", "файл не в кодировке UTF-8"));
    return QString::fromUtf8(body);
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
            throw AppError(
                QCoreApplication::translate("veltora-batch", "--columns: поле %1: «%2» — не номер столбца и не «-»")
                    .arg(i + 1)
                    .arg(p));
        map.append(column);
    }
    return map;
}
