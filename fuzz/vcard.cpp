// vCard files (vcard::read): versions 2.1 to 4.0, folded lines, QUOTED-PRINTABLE and its soft line
// breaks, CHARSET, escapes, contacts without an END. What is read and written again as vCard 4.0
// reads as the same contacts.

#include "FuzzSupport.h"

#include "logic/addresses/VCard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<Contact> contacts;
    try {
        contacts = vcard::read(fuzz::bytes(data, size));
    } catch (const VCardError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return 0;
    }
    FUZZ_CHECK(!contacts.isEmpty());
    for (const Contact &c : contacts)
        for (const PostalAddress &a : c.addresses)
            FUZZ_CHECK(!a.isEmpty());
    const QByteArray written = vcard::write(contacts);
    for (const QByteArray &line : written.split('\n'))
        FUZZ_CHECK(line.size() <= 76); // 75 bytes and the CR
    const QList<Contact> again = vcard::read(written);
    FUZZ_CHECK(again == contacts);
    return 0;
}
