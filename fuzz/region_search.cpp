// The postal code directory: a region file ("*.bsd", code page 1251) searched for the key of a typed
// locality, the search key itself, and the region list "oblrus.txt".
//
// The first byte picks the row of the region table (25 means a row without a file); the text up to
// the first line feed is the typed locality (UTF-8); the rest is the region file. The found
// entries are checked against a plain line-by-line reading of the file.

#include "FuzzSupport.h"

#include "logic/addresses/PostalSearch.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"

namespace {

// Every line that begins with a space and holds the key, cut before its first "<br>".
QStringList lineByLine(const QByteArray &file, const QByteArray &key)
{
    QStringList entries;
    if (key.isEmpty())
        return entries;
    qsizetype start = 0;
    while (start <= file.size()) {
        qsizetype end = start;
        while (end < file.size() && file.at(end) != '\n' && file.at(end) != '\r')
            ++end;
        const QByteArray line = file.mid(start, end - start);
        if (line.startsWith(' ') && line.contains(key)) {
            const qsizetype cut = line.indexOf("<br>");
            entries.append(cut < 0 ? QString() : codepage::decode1251(line.left(cut)));
        }
        start = end + 1;
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const WorkDir &dir = fuzz::workDir();
    const int row = data[0] % 26;
    const QByteArray rest = fuzz::bytes(data + 1, size - 1);
    const qsizetype feed = rest.indexOf('\n');
    const QString locality = QString::fromUtf8(feed < 0 ? rest : rest.left(feed));
    const QByteArray file = feed < 0 ? QByteArray() : rest.mid(feed + 1);

    const QString key = postal::searchKey(locality);
    for (const QChar c : key)
        FUZZ_CHECK((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= u'А' && c <= u'Я'));
    FUZZ_CHECK(postal::searchKey(key) == key);

    const QString name = postal::regionFileName(row);
    if (name.isEmpty()) {
        bool notFound = false;
        try {
            postal::searchRegion(dir, row, locality);
        } catch (const IoError &e) {
            notFound = e.message() == IoError::fileNotFound().message();
        }
        FUZZ_CHECK(notFound);
        return 0;
    }
    fuzz::putFile(name, file);
    const QStringList found = postal::searchRegion(dir, row, locality);
    const QStringList expected = lineByLine(file, *codepage::encode1251(key));
    FUZZ_CHECK_MSG(found == expected,
                   QStringLiteral("key %1: %2 entries, %3 expected").arg(key).arg(found.size()).arg(expected.size()));
    fuzz::removeFile(name);

    // The region list: every row names its file or none.
    fuzz::putFile(postal::regionListFile(), file);
    const QStringList regions = dir.loadLines(postal::regionListFile());
    for (qsizetype i = 0; i < regions.size() && i < 64; ++i) {
        const QString regionFile = postal::regionFileName(int(i));
        FUZZ_CHECK(regionFile.isEmpty() == (i >= postal::regionFiles().size()));
    }
    return 0;
}
