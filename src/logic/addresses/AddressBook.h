#pragma once
// The address book file "Book.txt" and its address records.
//
// The file is code page 1251 text, every line ended by CR LF. A record is seven lines: the name
// line marked "%", then street, locality, district, region, country and postal code, each marked
// "#". An empty field is the marker alone; the district and the region carry the words " район"
// and " область" when they are not empty. Records are found by their name lines alone.
//
// AddressBook is the working copy that the address book window edits: every line of the file,
// kept whole however long it is, with no fixed capacity. Every change is written as one atomic
// replacement of the file, so that a failed write leaves the old file whole; after a write the
// copy holds exactly the lines written.

#include <QCollator>
#include <QDateTime>
#include <QString>
#include <QStringList>

class WorkDir;

namespace addressbook {

inline constexpr int RecordLines = 7;
// Characters that a box of the add and edit dialogs accepts.
inline constexpr int BoxLength = 250;
// Characters of a field text written from the boxes (a suffix may take a box beyond the box length).
inline constexpr int FieldLength = 255;
// Characters of a name that the lists of names show.
inline constexpr int ListedNameLength = 254;

inline const QString FileName = QStringLiteral("Book.txt");

enum Field { Name, Street, Locality, District, Region, Country, PostalCode };

inline bool isNameLine(const QString &line)
{
    return line.startsWith(QLatin1Char('%'));
}

// The name as the lists show it: the text after the marker, at most ListedNameLength characters.
inline QString listedName(const QString &nameLine)
{
    return nameLine.mid(1, ListedNameLength);
}

// The listed names of the lines, in file order.
QStringList namesOf(const QStringList &lines);

// The lines of the record whose name line is at slot: the name line and up to six lines after it,
// stopping before the next name line or at the end of the table.
qsizetype recordLength(const QStringList &lines, qsizetype slot);

// The slot of the last name line whose listed name equals name, or -1.
qsizetype findLast(const QStringList &lines, const QString &name);

// The seven lines of a record made from the texts of the seven boxes.
QStringList recordFromBoxes(const QStringList &boxes);
// The seven box texts of the record at slot: markers dropped, suffixes of district and region
// taken off, missing lines empty.
QStringList boxesFromRecord(const QStringList &lines, qsizetype slot);
// The field texts of the record at slot that are not empty, in record order.
QStringList shownFields(const QStringList &lines, qsizetype slot);

// Whole-file operations.
QStringList listNames(const WorkDir &dir);
QStringList readAllLines(const WorkDir &dir);
// Adds a record at the end of the file (created when missing), replacing the file atomically.
void appendRecord(const WorkDir &dir, const QStringList &record);
// Writes every line of the table that is not blank, replacing the file atomically.
void rewrite(const WorkDir &dir, const QStringList &table);

// The order of the lists of names: alphabetical in the Russian way, case ignored first.
class NameOrder
{
public:
    NameOrder();
    bool less(const QString &a, const QString &b) const;
    bool operator()(const QString &a, const QString &b) const { return less(a, b); }
    void sort(QStringList &names) const;
    // Where name goes in a sorted list (after the equal ones).
    qsizetype insertPosition(const QStringList &sorted, const QString &name) const;
    // A position of name in a sorted list, or -1.
    qsizetype find(const QStringList &sorted, const QString &name) const;

private:
    QCollator m_collator;
};

} // namespace addressbook

class AddressBook
{
public:
    explicit AddressBook(const WorkDir &dir);

    // Reads the file again. Throws IoError (the copy is then empty).
    void reload();
    // Reads the file again when it changed since the copy was last read or written; true if it did.
    bool reloadIfChanged();

    const QStringList &lines() const { return m_lines; }

    // The slot of the last record of the name, or -1.
    qsizetype find(const QString &name) const { return addressbook::findLast(m_lines, name); }
    QStringList shownFields(const QString &name) const;
    QStringList boxes(const QString &name) const;

    // Appends a record made from the boxes; creates the file when it is missing.
    void add(const QStringList &boxes);
    // Replaces the last record of the name by a record made from the boxes, written at the end.
    // Returns whether a record of that name was there to replace.
    bool change(const QString &name, const QStringList &boxes);
    // Deletes one record for each name given (the last one left of that name) with one rewrite.
    // Returns the names whose records were deleted.
    QStringList remove(const QStringList &names);

private:
    // Where a line's text stands in m_bytes (a line not read from there has no place).
    struct Span
    {
        qsizetype start = -1;
        qsizetype length = 0;
    };

    // Writes every line that is not blank, each followed by CR LF. Lines read from the file are
    // copied as bytes; the others are encoded.
    void write(const QStringList &lines, const QList<Span> &spans);
    void setFile(QByteArray bytes);
    void stamp();

    const WorkDir &m_dir;
    QStringList m_lines;
    QList<Span> m_spans; // one for each line
    QByteArray m_bytes;  // the file as last read or written
    bool m_existed = false;
    qint64 m_size = -1;
    QDateTime m_modified;
};
