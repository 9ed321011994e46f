#pragma once
// The address book to and from the files of other programs: contacts (VCard.h) made from the
// book's records and records made from contacts, contacts written as CSV, and contacts read from a
// vCard file or from a table (CSV, TSV, .ods, .xlsx).

#include "logic/addresses/VCard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <memory>

namespace booktransfer {

// The contacts of the book's records, in file order; only those of `names` when it is given (a name
// that stands twice gives its last record, as a lookup does).
QList<Contact> contactsOfBook(const QStringList &bookLines, const QStringList *names = nullptr);

// The contacts as a UTF-8 CSV file (with a byte-order mark, so that spreadsheets know the
// encoding): a title row, then one row per address: name, street, locality, district, region,
// country, postal code; comma-separated, quoted where needed, CR LF.
QByteArray csvOfContacts(const QList<Contact> &contacts);

// The contacts of a file: a vCard file when its name ends in .vcf or its text starts with
// BEGIN:VCARD, a table otherwise. A table with a title row has its columns found by their titles
// ("Имя", "Индекс", "City" ...); without one its columns are those that csvOfContacts writes.
// Throws VCardError, TableError, WorkbookError or IoError.
QList<Contact> readContacts(const QString &path);
// The contacts of a vCard file, whatever its name. Throws VCardError naming the file, or IoError.
QList<Contact> readVCardFile(const QString &path);

// The box texts (addressbook::Field order) of the records a contact gives: one per postal address,
// the first under the contact's name, each other under the name and the kind of its address; the
// name alone when it has none.
QList<QStringList> recordsOfContact(const Contact &contact);

// The contacts with a postal address as a UTF-8 tab-separated table, one row each (its first
// address): name, street, locality, district, region, country, postal code; a contact without a
// name is named by its organisation or not listed. `withoutAddress` counts those left out.
std::unique_ptr<QTemporaryFile> contactsAsTextTable(const QList<Contact> &contacts, int *withoutAddress);
// The column map of that table for a mailing (TableMailing).
inline const QString ContactTableColumns = QStringLiteral("0,-,-,1,2,3,4,5,6");

} // namespace booktransfer
