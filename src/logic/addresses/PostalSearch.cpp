#include "logic/addresses/PostalSearch.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"

#include <QByteArrayMatcher>
#include <cstring>

namespace postal {

QString searchKey(const QString &text)
{
    QString key;
    key.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            key += c;
        else if (u >= u'А' && u <= u'Я')
            key += c;
        else if (u >= u'а' && u <= u'я')
            key += QChar(char16_t(u - 0x20));
    }
    return key;
}

QStringList findEntries(const QByteArray &fileText, const QString &key)
{
    QStringList entries;
    if (key.isEmpty())
        return entries;
    // The key holds only digits and А to Я, which code page 1251 always holds.
    const QByteArray keyBytes = *codepage::encode1251(key);
    const QByteArrayMatcher matcher(keyBytes);
    const char *const data = fileText.constData();
    const qsizetype size = fileText.size();
    static const QByteArray br("<br>");

    qsizetype from = 0;
    while (from < size) {
        const qsizetype hit = matcher.indexIn(fileText, from);
        if (hit < 0)
            break;
        // The key holds no line break, so the hit lies within one line.
        qsizetype start = hit;
        while (start > 0 && data[start - 1] != '\n' && data[start - 1] != '\r')
            --start;
        qsizetype end = hit + keyBytes.size();
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        if (data[start] == ' ') {
            const QByteArrayView line(data + start, end - start);
            const qsizetype cut = line.indexOf(br);
            entries.append(cut < 0 ? QString() : codepage::decode1251(line.first(cut).toByteArray()));
        }
        from = end; // one entry per line, however often the key occurs in it
    }
    return entries;
}

QStringList searchRegion(const WorkDir &dir, int row, const QString &locality)
{
    const QString file = regionFileName(row);
    if (file.isEmpty())
        throw IoError::fileNotFound();
    const QByteArray text = dir.readBytes(file);
    return findEntries(text, searchKey(locality));
}

QList<FoundEntry> searchAllRegions(const WorkDir &dir, const QString &locality)
{
    const QString key = searchKey(locality);
    QList<FoundEntry> found;
    if (key.isEmpty())
        return found;
    for (int row = 0; row < regionFiles().size(); ++row) {
        for (QString &entry : findEntries(dir.readBytes(regionFiles().at(row)), key))
            found.append({row, std::move(entry)});
    }
    return found;
}

} // namespace postal
