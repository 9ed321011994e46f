#include "logic/mailing/MailingData.h"

#include "logic/addresses/BookRecord.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/RowSplitter.h"

namespace {

// Indexes the records of lines by key: the keys of the name lines in order, and each key's slot of
// its last name line.
template <typename KeyOf>
void indexRecords(const QStringList &lines, KeyOf keyOf, QStringList &keys, QHash<QString, int> &index)
{
    keys.clear();
    index.clear();
    const QList<qsizetype> starts = addressbook::recordStarts(lines);
    keys.reserve(starts.size());
    index.reserve(starts.size());
    for (const qsizetype slot : starts) {
        QString key = keyOf(lines.at(slot));
        index.insert(key, int(slot));
        keys.append(std::move(key));
    }
}

// The texts of the record indexed under key, or nothing.
std::optional<QStringList> lookup(const QStringList &lines, const QHash<QString, int> &index, const QString &key,
                                  int recordLines)
{
    const auto it = index.constFind(key);
    if (it == index.cend())
        return std::nullopt;
    return addressbook::shownFields(lines, it.value(), recordLines);
}

} // namespace

void MailingData::loadBook(const WorkDir &dir)
{
    setBookLines({});
    // The same spelling as the address book's, so that the working directory's one rule finds the
    // same file for both even where "Book.txt" and "book.txt" stand side by side.
    setBookLines(addressbook::recordLinesOf(dir.readText(addressbook::FileName)));
}

void MailingData::setBookLines(QStringList lines)
{
    m_bookLines = addressbook::withoutBlankLines(std::move(lines));
    // The whole name is the key here, where the address book's lists cut it to their length.
    indexRecords(m_bookLines, addressbook::textOf, m_bookNames, m_bookIndex);
}

void MailingData::setMailingRecords(QStringList lines)
{
    m_records = std::move(lines);
    indexRecords(
        m_records, [](const QString &line) { return withoutTrailingTab(addressbook::textOf(line)); }, m_recordKeys,
        m_recordIndex);
}

std::optional<QStringList> MailingData::lookupBook(const QString &name) const
{
    return lookup(m_bookLines, m_bookIndex, name, addressbook::RecordLines);
}

std::optional<QStringList> MailingData::lookupRecord(const QString &entry) const
{
    return lookup(m_records, m_recordIndex, entry, MailingRecordLines);
}

std::optional<QStringList> MailingData::lookupEntry(const QString &entry, bool putEntryFirst) const
{
    switch (source) {
    case SourceMode::AddressBook:
        return lookupBook(entry);
    case SourceMode::OtherSource: {
        auto record = lookupRecord(entry);
        if (record && putEntryFirst)
            record->prepend(entry);
        return record;
    }
    case SourceMode::None:
        break;
    }
    return std::nullopt;
}
