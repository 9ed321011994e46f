#pragma once
// Contacts in vCard files (.vcf): read from versions 2.1, 3.0 and 4.0 (RFC 2426, RFC 6350), written
// as 4.0. Reading unfolds continued lines, undoes escapes and QUOTED-PRINTABLE, and decodes each
// value in its CHARSET (old phones write code page 1251 or UTF-8 so); without one a value is UTF-8
// when its bytes are, code page 1251 otherwise. A file may hold any number of contacts.
//
// The name of a contact is FN, else N (family, given and additional names), else ORG. Every ADR is
// one postal address: street, locality, region, postal code and country, and the district of the
// address components that RFC 9554 added (the sixteenth).

#include "logic/files/IoError.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A file that is not a well-formed vCard: says where.
class VCardError : public AppError
{
public:
    using AppError::AppError;
};

struct PostalAddress
{
    QString street;
    QString locality;
    QString district;
    QString region;
    QString postalCode;
    QString country;
    QString type; // "home", "work" ... as the file says, lower case; empty when it says none

    bool isEmpty() const
    {
        return street.isEmpty() && locality.isEmpty() && district.isEmpty() && region.isEmpty() &&
               postalCode.isEmpty() && country.isEmpty();
    }
    bool operator==(const PostalAddress &) const = default;
};

struct Contact
{
    QString name;
    QList<PostalAddress> addresses; // the preferred one first, then in file order; empty ones left out
    bool operator==(const Contact &) const = default;
};

namespace vcard {

// The contacts of a file's bytes. Throws VCardError naming the line for a file that is not a vCard,
// a contact without its END, a line outside a contact.
QList<Contact> read(const QByteArray &bytes);

// The contacts as vCard 4.0: UTF-8, CR LF, lines folded at 75 bytes, one ADR per address.
QByteArray write(const QList<Contact> &contacts);

} // namespace vcard
