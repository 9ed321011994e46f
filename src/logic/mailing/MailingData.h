#pragma once
// The data of a group mailing: the mailing list, the chosen source, the book line array, the
// mailing record array, and the recipient lookup that finds an entry's record.
//
// Both arrays hold records in the form of the address book's (BookRecord.h): book records of seven
// lines, mailing records of nine with the key as their name line. Each load builds an index from
// key to the last matching record, so that a lookup costs the same whatever the size of the arrays
// ("the last matching record wins").

#include "logic/addresses/BookRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

class WorkDir;

enum class SourceMode { None, AddressBook, OtherSource };

class MailingData
{
public:
    // The address book's record length (addressbook::RecordLines), for the callers that name it so.
    static constexpr int BookRecordLines = addressbook::RecordLines;
    static constexpr int MailingRecordLines = 9;

    SourceMode source = SourceMode::AddressBook;

    // Reads the address book file (addressbook::FileName) into the book line array, blank lines
    // left out. The array is emptied first, so that a file that
    // cannot be read (IoError, thrown on) leaves an empty array and an empty name list.
    void loadBook(const WorkDir &dir);
    // Blank lines are left out, as they are when the file is read.
    void setBookLines(QStringList lines);
    const QStringList &bookLines() const { return m_bookLines; }
    // The address-book name list: the content of every name line of the book, in file order.
    const QStringList &bookNames() const { return m_bookNames; }

    void setMailingRecords(QStringList lines);
    const QStringList &mailingRecords() const { return m_records; }
    // Keys of the mailing records in array order, each without its trailing tab (the mailing list
    // of other-source mode).
    const QStringList &recordKeys() const { return m_recordKeys; }

    // The address-book record of a name: its seven lines without markers, empty ones left out.
    std::optional<QStringList> lookupBook(const QString &name) const;
    // The mailing record whose key line is the entry followed by a tab, or the entry alone: its nine
    // lines without markers, empty ones left out (the key keeps its trailing tab).
    std::optional<QStringList> lookupRecord(const QString &entry) const;

    // The recipient lookup for a mailing-list entry in the current source mode, as a click in the
    // mailing list shows it: other-source records get the entry itself put first when putEntryFirst.
    // Returns nothing when no record matches (the details box then keeps what it shows).
    std::optional<QStringList> lookupEntry(const QString &entry, bool putEntryFirst) const;

private:
    QStringList m_bookLines;
    QStringList m_bookNames;
    QStringList m_records;
    QStringList m_recordKeys;
    QHash<QString, int> m_bookIndex;   // name -> slot of its last name line
    QHash<QString, int> m_recordIndex; // key without trailing tab -> slot of its last key line
};
