#include "logic/mailing/MailingData.h"

#include "logic/files/WorkDir.h"

namespace {
const QChar NameMarker = QLatin1Char('%');
const QChar Tab = QLatin1Char('\t');
} // namespace

void MailingData::loadBook(const WorkDir &dir)
{
    setBookLines({});
    setBookLines(dir.readLines(BookFile));
}

void MailingData::setBookLines(QStringList lines)
{
    m_bookLines = std::move(lines);
    m_bookNames.clear();
    m_bookIndex.clear();
    m_bookIndex.reserve(m_bookLines.size() / BookRecordLines + 1);
    for (int i = 0; i < m_bookLines.size(); ++i) {
        const QString &line = m_bookLines.at(i);
        if (!line.startsWith(NameMarker))
            continue;
        QString name = line.mid(1);
        m_bookIndex.insert(name, i);
        m_bookNames.append(std::move(name));
    }
}

void MailingData::setMailingRecords(QStringList lines)
{
    m_records = std::move(lines);
    m_recordKeys.clear();
    m_recordIndex.clear();
    m_recordIndex.reserve(m_records.size() / MailingRecordLines + 1);
    for (int i = 0; i < m_records.size(); ++i) {
        const QString &line = m_records.at(i);
        if (!line.startsWith(NameMarker))
            continue;
        QString key = line.mid(1);
        if (key.endsWith(Tab))
            key.chop(1);
        m_recordIndex.insert(key, i);
        m_recordKeys.append(std::move(key));
    }
}

QStringList MailingData::recordAt(const QStringList &lines, int slot, int length)
{
    QStringList fields;
    for (int i = slot; i < slot + length && i < lines.size(); ++i) {
        // A record cut short ends where the next one begins: its name never becomes a field here.
        if (i > slot && lines.at(i).startsWith(NameMarker))
            break;
        const QString content = lines.at(i).mid(1);
        if (!content.isEmpty())
            fields.append(content);
    }
    return fields;
}

std::optional<QStringList> MailingData::lookupBook(const QString &name) const
{
    const auto it = m_bookIndex.constFind(name);
    if (it == m_bookIndex.cend())
        return std::nullopt;
    return recordAt(m_bookLines, it.value(), BookRecordLines);
}

std::optional<QStringList> MailingData::lookupRecord(const QString &entry) const
{
    const auto it = m_recordIndex.constFind(entry);
    if (it == m_recordIndex.cend())
        return std::nullopt;
    return recordAt(m_records, it.value(), MailingRecordLines);
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
