// The address book "Book.txt": read, written back unchanged, read again; the group mailing's reading
// of the same file; and one record changed.

#include "FuzzSupport.h"

#include "logic/addresses/AddressBook.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/mailing/MailingData.h"

using namespace addressbook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    const QByteArray b = fuzz::bytes(data, size);
    fuzz::putFile(FileName, b);

    AddressBook book(dir);
    book.reload();
    const QStringList lines = book.lines();
    // Blank lines are no part of the record format: the book holds every other line of the file.
    FUZZ_CHECK(lines == withoutBlankLines(codepage::splitLines(codepage::decode1251(b))));
    const QStringList names = listNames(dir);
    FUZZ_CHECK(names == namesOf(lines));
    FUZZ_CHECK(names.size() == recordStarts(lines).size());

    // The group mailing reads the same records: for every name short enough to be found by both.
    MailingData mailing;
    mailing.loadBook(dir);
    FUZZ_CHECK(mailing.bookLines() == lines);
    // The checks by name find each record by a scan of the lines: the first names are enough.
    const QStringList someNames = names.mid(0, 40);
    for (const QString &name : someNames) {
        if (name.size() >= ListedNameLength)
            continue;
        const auto found = mailing.lookupBook(name);
        FUZZ_CHECK(found.has_value());
        FUZZ_CHECK_MSG(*found == book.shownFields(name), name);
        FUZZ_CHECK(book.boxes(name).size() == RecordLines);
        FUZZ_CHECK(shownFields(lines, book.find(name)).size() <= RecordLines);
    }

    // Written back with nothing removed: every line that is not blank, byte for byte, and read
    // again the same records.
    FUZZ_CHECK(book.remove({}).isEmpty());
    const QStringList kept = withoutBlankLines(lines);
    FUZZ_CHECK(book.lines() == kept);
    book.reload();
    FUZZ_CHECK(book.lines() == kept);
    FUZZ_CHECK(listNames(dir) == names);
    for (const QString &name : someNames) {
        const qsizetype before = findLast(lines, name), after = findLast(kept, name);
        FUZZ_CHECK(book.shownFields(name) == shownFields(kept, after));
        // The same records: each field where it was.
        FUZZ_CHECK_MSG(boxesFromRecord(kept, after) == boxesFromRecord(lines, before), name);
    }

    // One record rewritten from its own boxes: it moves to the end, every other record stays.
    if (!names.isEmpty()) {
        const QString name = names.first();
        const QStringList boxes = book.boxes(name);
        bool changed = false;
        try {
            changed = book.change(name, boxes);
        } catch (const IoError &) {
            // Only a text that code page 1251 cannot hold is refused; the file then stays.
            FUZZ_CHECK(!codepage::encode1251(recordFromBoxes(boxes).join(QString())).has_value());
            return 0;
        }
        FUZZ_CHECK(changed);
        const QStringList after = book.lines();
        book.reload();
        FUZZ_CHECK(book.lines() == after);
        FUZZ_CHECK(book.find(name) >= 0);
        FUZZ_CHECK(boxesFromRecord(after, book.find(name)) == boxesFromRecord(recordFromBoxes(boxes), 0));
        FUZZ_CHECK(listNames(dir).size() == names.size());
    }
    return 0;
}
