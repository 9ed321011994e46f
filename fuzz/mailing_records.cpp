// "Slfile.tmp" as found in the working directory (UTF-8, any content): read, indexed by key, looked
// up, written back and read again.

#include "FuzzSupport.h"

#include "logic/addresses/BookRecord.h"
#include "logic/mailing/MailingData.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"

namespace {

// The record of a key found the slow way: the last key line that matches.
std::optional<QStringList> linearLookup(const QStringList &lines, const QString &key)
{
    for (qsizetype slot = lines.size() - 1; slot >= 0; --slot) {
        const QString &line = lines.at(slot);
        if (addressbook::isNameLine(line) && withoutTrailingTab(addressbook::textOf(line)) == key)
            return addressbook::shownFields(lines, slot, MailingData::MailingRecordLines);
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    fuzz::putFile(MailingRecordsFile, fuzz::bytes(data, size));

    const QStringList lines = readMailingRecords(dir);
    MailingData mailing;
    mailing.setMailingRecords(lines);
    const QStringList &keys = mailing.recordKeys();
    FUZZ_CHECK(keys.size() == addressbook::recordStarts(lines).size());
    for (qsizetype i = 0; i < keys.size() && i < 200; ++i) {
        const QString &key = keys.at(i);
        const auto found = mailing.lookupRecord(key);
        FUZZ_CHECK_MSG(found == linearLookup(lines, key), key);
        FUZZ_CHECK(found->size() <= MailingData::MailingRecordLines);
        // A click on the entry shows the same record with the entry put first.
        mailing.source = SourceMode::OtherSource;
        const auto entry = mailing.lookupEntry(key, true);
        FUZZ_CHECK(entry && entry->first() == key && entry->mid(1) == *found);
    }
    mailing.source = SourceMode::None;
    FUZZ_CHECK(!mailing.lookupEntry(QString(), true).has_value());

    // Written back, the lines read the same but for byte-order marks that the first line starts
    // with, which are no text (as those at the start of the file were not the first time).
    writeMailingRecords(dir, lines);
    QStringList expected = lines;
    while (!expected.isEmpty() && expected.first().startsWith(QChar::ByteOrderMark))
        expected.first().remove(0, 1);
    FUZZ_CHECK(readMailingRecords(dir) == expected);
    return 0;
}
