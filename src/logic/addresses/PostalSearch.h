#pragma once
// The postal code directory: the region files, the search key and the search in one region file.
//
// Each region is one text file of code page 1251. An entry line begins with a space; what the user
// reads stands before its first "<br>", and the search key is looked for in the whole line (what
// follows "<br>" holds the locality's name in search-key form and its postal code). The search reads
// the chosen file whole and scans it once with a plain substring search; nothing is cached.

#include "logic/addresses/Regions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class WorkDir;

namespace postal {

// The search key of a typed text: digits stay, capital letters А to Я stay, small letters а to я
// become capitals, and every other character (space, hyphen, apostrophe, Latin letters, Ё ё and the
// Ukrainian letters Ґ ґ Є є І і Ї ї) is dropped.
QString searchKey(const QString &text);

// The entries of a region file's text (code page 1251) that hold the key: for each line that begins
// with a space and contains the key, in file order, the text before its first "<br>" (an empty text
// when the line has none). An empty key finds nothing.
QStringList findEntries(const QByteArray &fileText, const QString &key);

// Reads the region file of the row whole from the working directory and searches it for the key of
// the typed locality. A missing file, or a row without a file, throws IoError "File not found".
QStringList searchRegion(const WorkDir &dir, int row, const QString &locality);

// An entry found in one of the region files, with the row of its file.
struct FoundEntry
{
    int row = -1;
    QString entry;
};

// The search of every region file, in the order of the table. A missing file throws IoError.
QList<FoundEntry> searchAllRegions(const WorkDir &dir, const QString &locality);

} // namespace postal
