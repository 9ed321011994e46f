#pragma once
// The address book file "Book.txt" (its records: BookRecord.h) and its working copy.
//
// AddressBook is the working copy that the address book window edits: every line of the file but
// the blank ones, kept whole however long it is, with no fixed capacity. Every change holds the
// lock of the working directory, reads the file again under it, applies itself to what the file
// holds then (another copy of the program may have changed it) and writes it back as one atomic
// replacement, so that a failed write leaves the old file whole; after a change the copy holds
// exactly the file as it stands.

#include "logic/addresses/BookRecord.h"

#include <QCollator>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class WorkDir;

namespace addressbook {

// The listed names of the file, in file order. Throws IoError.
QStringList listNames(const WorkDir &dir);

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

    // Each change throws IoError when the lock cannot be had or the file cannot be read or written;
    // the file is then unchanged.

    // Appends a record made from the boxes; creates the file when it is missing.
    void add(const QStringList &boxes);
    // Replaces the last record of the name by a record made from the boxes, written at the end.
    // Returns whether a record of that name was there to replace.
    bool change(const QString &name, const QStringList &boxes);
    // Replaces the record whose lines are `original` (the last one, when several are alike) by a
    // record made from the boxes, written at the end. Returns false, writing nothing, when no
    // record has those lines.
    bool replace(const QStringList &original, const QStringList &boxes);
    // Deletes one record for each name given (the last one left of that name) with one rewrite.
    // Returns the names whose records were deleted.
    QStringList remove(const QStringList &names);

    // What becomes of an imported record whose name the book already holds.
    enum class NameTaken { Replace, Skip, KeepBoth };
    struct ImportCount
    {
        int added = 0;
        int replaced = 0;
        int skipped = 0;
    };
    // Adds a record made from each list of box texts, in order, with one rewrite. A name that the
    // book holds already (or that an earlier record of the same import brought) is settled by
    // `whenTaken`: its last record replaced, the new one skipped, or both kept. Nothing is written
    // when anything fails, a text that code page 1251 cannot hold included.
    ImportCount import(const QList<QStringList> &records, const std::function<NameTaken(const QString &)> &whenTaken);

private:
    // Where a line's text stands in m_bytes (a line not read from there has no place).
    struct Span
    {
        qsizetype start = -1;
        qsizetype length = 0;
    };

    // Under the lock of the working directory: makes the copy the file as it stands now (empty
    // when there is no file).
    void refreshUnderLock();
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
