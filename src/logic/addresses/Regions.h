#pragma once
// The regions of Ukraine as the postal code directory knows them, in one table: the order of its
// rows is the order of the region list "oblrus.txt" that the region box shows, and a row's region
// file holds the entries of that region.

#include <QList>
#include <QString>
#include <QStringList>

namespace postal {

struct Region
{
    // The region file of the postal code directory: "lvivska.bsd".
    QString fileName;
    // The region's line of the region list, as the region box shows it: "Львовская".
    QString listName;
    // The same line in a Ukrainian interface ("Львівська") and in an English one, transliterated as
    // the postal operator writes it ("Lvivska").
    QString ukrainianListName;
    QString englishListName;
    // The names people write for it: the Ukrainian one first, as envelopes and the postal operator
    // name it, then the Russian one, an older or newer name, the city that is a region of its own.
    QStringList names;
    // The city that is a region of its own and that the postal operator's directory lists under its
    // own name instead of the region's ("Київ"), or an empty text.
    QString cityOfItsOwn;
};

// Every region, row by row.
const QList<Region> &regions();

// "oblrus.txt": the region names, line k naming the region of row k of the region file table.
QString regionListFile();

// The line of the region list for a row in an interface language ("ru", "uk", "en"): the list's
// own line in Russian, the region's name in the other two. Empty for a row outside the table.
QString regionListName(int row, const QString &language);

// The region file table: row k is the file of line k of the region list. The rows past it have no file.
const QStringList &regionFiles();
// Every file of the postal code directory: the region list and the region files. The program only
// reads them; a working directory without them reads the installed ones.
QStringList directoryFiles();

// The file of a row, or an empty text when the row has none.
QString regionFileName(int row);

} // namespace postal
