#pragma once
// The records of the address book file "Book.txt": how its lines make records and how a record's
// lines are made.
//
// The file is code page 1251 text, every line ended by CR LF. A record is seven lines: the name
// line marked "%", then street, locality, district, region, country and postal code, each marked
// "#". An empty field is the marker alone; the district and the region carry the words " район"
// and " область" when they are not empty. Records are found by their name lines alone: a record
// written short by another program ends before the next name line or at the end of the file, and
// a name that stands twice is found at its last record. Blank lines (empty, or blanks only) are no
// part of a record: readers skip them (a file converted to CR LF twice has one after every line)
// and writers never write them. A field that is empty is still its marker, never a blank line.
//
// The mailing records of a group mailing ("Slfile.tmp") take the same form with nine lines, the
// key line marked as a name line; their readers take the record length as a parameter.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace addressbook {

// The one spelling of the file's name that every reader and writer uses.
inline const QString FileName = QStringLiteral("Book.txt");

inline constexpr int RecordLines = 7;
// Characters that a box of the add and edit dialogs accepts.
inline constexpr int BoxLength = 250;
// Characters of a field text written from the boxes (a suffix may take a box beyond the box length).
inline constexpr int FieldLength = 255;
// Characters of a name that the lists of names show.
inline constexpr int ListedNameLength = 254;

enum Field { Name, Street, Locality, District, Region, Country, PostalCode };

inline constexpr QChar NameMarker = u'%';
inline constexpr QChar FieldMarker = u'#';

inline bool isNameLine(const QString &line)
{
    return line.startsWith(NameMarker);
}

// The text of a record line without its marker (for a name line: the whole name).
inline QString textOf(const QString &line)
{
    return line.mid(1);
}

// The name as the lists show it: the text after the marker, at most ListedNameLength characters.
inline QString listedName(const QString &nameLine)
{
    return nameLine.mid(1, ListedNameLength);
}

// Whether a line of the file is blank (no record line: a record line holds at least its marker).
inline bool isBlankLine(const QString &line)
{
    return line.trimmed().isEmpty();
}

// The lines of the file's text that are part of records: every line but the blank ones.
QStringList recordLinesOf(const QString &text);
QStringList withoutBlankLines(QStringList lines);

// The slots of the name lines in file order: where the records begin.
QList<qsizetype> recordStarts(const QStringList &lines);

// The listed names of the lines, in file order.
QStringList namesOf(const QStringList &lines);

// The lines of the record whose name line is at slot: the name line and up to recordLines - 1
// lines after it, stopping before the next name line or at the end of the lines.
qsizetype recordLength(const QStringList &lines, qsizetype slot, int recordLines = RecordLines);

// The texts of the record at slot that are not empty, markers dropped, in record order.
QStringList shownFields(const QStringList &lines, qsizetype slot, int recordLines = RecordLines);

// The slot of the last name line whose listed name equals name, or -1.
qsizetype findLast(const QStringList &lines, const QString &name);

// The seven lines of a record made from the texts of the seven boxes. A district and a region that
// are not empty get " район" and " область", unless the user already wrote such a word ("р-н",
// "район"; "обл.", "область"), so that no field says it twice.
QStringList recordFromBoxes(const QStringList &boxes);
// The seven box texts of the record at slot: markers dropped, suffixes of district and region
// taken off, missing lines empty.
QStringList boxesFromRecord(const QStringList &lines, qsizetype slot);

} // namespace addressbook
