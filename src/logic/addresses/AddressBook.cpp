#include "logic/addresses/AddressBook.h"

#include "logic/files/Codepage.h"
#include "logic/files/WorkDir.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <vector>

namespace addressbook {

QStringList listNames(const WorkDir &dir)
{
    return namesOf(dir.readLines(FileName));
}

NameOrder::NameOrder()
    : m_collator(QLocale(QLocale::Russian, QLocale::Russia))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

bool NameOrder::less(const QString &a, const QString &b) const
{
    const int c = m_collator.compare(a, b);
    return c != 0 ? c < 0 : a < b;
}

void NameOrder::sort(QStringList &names) const
{
    // One collation key per name: far cheaper than collating at every comparison.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(m_collator.sortKey(names.at(i)), i);
    std::sort(keys.begin(), keys.end(), [&](const auto &x, const auto &y) {
        const int c = x.first.compare(y.first);
        return c != 0 ? c < 0 : names.at(x.second) < names.at(y.second);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto &key : keys)
        sorted.append(names.at(key.second));
    names = std::move(sorted);
}

qsizetype NameOrder::insertPosition(const QStringList &sorted, const QString &name) const
{
    return std::upper_bound(sorted.begin(), sorted.end(), name, *this) - sorted.begin();
}

qsizetype NameOrder::find(const QStringList &sorted, const QString &name) const
{
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), name, *this);
    return it != sorted.end() && *it == name ? it - sorted.begin() : -1;
}

} // namespace addressbook

using namespace addressbook;

AddressBook::AddressBook(const WorkDir &dir)
    : m_dir(dir)
{
}

void AddressBook::stamp()
{
    const QFileInfo info(m_dir.path(FileName));
    m_existed = info.isFile();
    m_size = m_existed ? info.size() : -1;
    m_modified = m_existed ? info.lastModified() : QDateTime();
}

void AddressBook::setFile(QByteArray bytes)
{
    m_bytes = std::move(bytes);
    m_lines.clear();
    m_spans.clear();
    const QString text = codepage::decode1251(m_bytes);
    // Code page 1251 gives one character for each byte, so a line's place in the text is its
    // place in the bytes as well.
    const bool sameOffsets = text.size() == m_bytes.size();
    codepage::forEachLine(text, [&](qsizetype start, qsizetype end) {
        QString line = text.mid(start, end - start);
        if (isBlankLine(line))
            return;
        m_lines.append(std::move(line));
        m_spans.append(sameOffsets ? Span{start, end - start} : Span{});
    });
}

void AddressBook::refreshUnderLock()
{
    // A folder or a broken link in the file's place reads as no file: the write then says why it fails.
    QByteArray bytes = m_dir.exists(FileName) ? m_dir.readBytes(FileName) : QByteArray();
    // The file as it was last read (nobody else wrote it) keeps its lines: only a changed file is
    // split again, which for a large book is most of the work of a change.
    if (bytes != m_bytes)
        setFile(std::move(bytes));
    stamp();
}

void AddressBook::reload()
{
    setFile({});
    stamp();
    setFile(m_dir.readBytes(FileName));
}

bool AddressBook::reloadIfChanged()
{
    const QFileInfo info(m_dir.path(FileName));
    if (info.isFile() == m_existed && (!m_existed || (info.size() == m_size && info.lastModified() == m_modified)))
        return false;
    if (!info.isFile()) {
        // Gone since it was read: an empty book, which the next write creates again.
        setFile({});
        stamp();
        return true;
    }
    reload();
    return true;
}

QStringList AddressBook::shownFields(const QString &name) const
{
    const qsizetype slot = find(name);
    return slot < 0 ? QStringList() : addressbook::shownFields(m_lines, slot);
}

QStringList AddressBook::boxes(const QString &name) const
{
    const qsizetype slot = find(name);
    return slot < 0 ? QStringList(RecordLines, QString()) : boxesFromRecord(m_lines, slot);
}

void AddressBook::write(const QStringList &lines, const QList<Span> &spans)
{
    QByteArray bytes;
    bytes.reserve(m_bytes.size() + 8 * 1024);
    QStringList written;
    QList<Span> writtenSpans;
    written.reserve(lines.size());
    writtenSpans.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isBlankLine(line)) // as reading drops them: the lines kept are the file's lines
            continue;
        const Span span = spans.at(i);
        const qsizetype start = bytes.size();
        if (span.start >= 0)
            bytes.append(m_bytes.constData() + span.start, span.length);
        else
            bytes += WorkDir::encode(line, TextEncoding::Cp1251, FileName);
        written.append(line);
        writtenSpans.append(Span{start, bytes.size() - start});
        bytes += "\r\n";
    }
    m_dir.writeBytes(FileName, bytes);
    m_bytes = std::move(bytes);
    m_lines = std::move(written);
    m_spans = std::move(writtenSpans);
    stamp();
}

void AddressBook::add(const QStringList &boxes)
{
    const QStringList record = recordFromBoxes(boxes);
    const WorkDir::Lock lock(m_dir);
    refreshUnderLock();
    QStringList lines = m_lines;
    QList<Span> spans = m_spans;
    lines += record;
    spans.resize(lines.size());
    write(lines, spans);
}

bool AddressBook::change(const QString &name, const QStringList &boxes)
{
    const QStringList record = recordFromBoxes(boxes);
    const WorkDir::Lock lock(m_dir);
    refreshUnderLock();
    QStringList lines = m_lines;
    QList<Span> spans = m_spans;
    const qsizetype slot = findLast(lines, name);
    if (slot >= 0) {
        const qsizetype length = recordLength(lines, slot);
        lines.remove(slot, length);
        spans.remove(slot, length);
    }
    lines += record;
    spans.resize(lines.size());
    write(lines, spans);
    return slot >= 0;
}

bool AddressBook::replace(const QStringList &original, const QStringList &boxes)
{
    if (original.isEmpty())
        return false;
    const QStringList record = recordFromBoxes(boxes);
    const WorkDir::Lock lock(m_dir);
    refreshUnderLock();
    const QList<qsizetype> starts = recordStarts(m_lines);
    for (auto it = starts.crbegin(); it != starts.crend(); ++it) {
        const qsizetype slot = *it;
        const qsizetype length = recordLength(m_lines, slot);
        if (length != original.size() || m_lines.mid(slot, length) != original)
            continue;
        QStringList lines = m_lines;
        QList<Span> spans = m_spans;
        lines.remove(slot, length);
        spans.remove(slot, length);
        lines += record;
        spans.resize(lines.size());
        write(lines, spans);
        return true;
    }
    return false;
}

QStringList AddressBook::remove(const QStringList &names)
{
    const WorkDir::Lock lock(m_dir);
    refreshUnderLock();
    QStringList lines = m_lines;
    QStringList removed;
    for (const QString &name : names) {
        const qsizetype slot = findLast(lines, name);
        if (slot < 0)
            continue;
        // Blank the slots rather than take them out, so that the next search sees the same table.
        const qsizetype length = recordLength(lines, slot);
        for (qsizetype i = slot; i < slot + length; ++i)
            lines[i].clear();
        removed.append(name);
    }
    write(lines, m_spans);
    return removed;
}

AddressBook::ImportCount AddressBook::import(const QList<QStringList> &records,
                                             const std::function<NameTaken(const QString &)> &whenTaken)
{
    const WorkDir::Lock lock(m_dir);
    refreshUnderLock();
    QStringList lines = m_lines;
    QList<Span> spans = m_spans;
    ImportCount count;
    for (const QStringList &boxes : records) {
        const QStringList record = recordFromBoxes(boxes);
        const qsizetype slot = findLast(lines, listedName(record.constFirst()));
        const NameTaken answer = slot < 0 ? NameTaken::KeepBoth : whenTaken(listedName(record.constFirst()));
        if (answer == NameTaken::Skip) {
            ++count.skipped;
            continue;
        }
        if (slot >= 0 && answer == NameTaken::Replace) {
            // Blanked rather than taken out: written without them, as a deletion is.
            const qsizetype length = recordLength(lines, slot);
            for (qsizetype i = slot; i < slot + length; ++i)
                lines[i].clear();
            ++count.replaced;
        } else {
            ++count.added;
        }
        lines += record;
    }
    spans.resize(lines.size());
    if (count.added + count.replaced > 0)
        write(lines, spans);
    return count;
}
