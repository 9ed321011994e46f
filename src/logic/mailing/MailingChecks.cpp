#include "logic/mailing/MailingChecks.h"

#include "logic/addresses/BookRecord.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"

#include <QCoreApplication>

namespace {

QStringView withoutTab(QStringView text)
{
    return text.endsWith(u'\t') ? text.chopped(1) : text;
}

QStringView keyOf(const QString &keyLine, SourceMode source)
{
    const QStringView text = QStringView(keyLine).mid(1);
    return source == SourceMode::OtherSource ? withoutTab(text) : text;
}

// The text of a record's field, without the marker and a pasted cell's tab; empty past its end.
QStringView field(const QStringList &lines, qsizetype slot, qsizetype length, int field)
{
    if (field >= length)
        return {};
    return withoutTab(QStringView(lines.at(slot + field)).mid(1)).trimmed();
}

} // namespace

MailingAddresses::MailingAddresses(const MailingData &data)
    : m_data(data)
{
    const QStringList &lines = data.source == SourceMode::OtherSource ? data.mailingRecords() : data.bookLines();
    const QList<qsizetype> starts = addressbook::recordStarts(lines);
    m_slots.reserve(starts.size());
    for (const qsizetype slot : starts)
        m_slots.insert(keyOf(lines.at(slot), data.source), slot);
}

std::optional<postal::PostalAddress> MailingAddresses::addressOf(const QString &entry) const
{
    if (m_data.source == SourceMode::None)
        return std::nullopt;
    const auto it = m_slots.constFind(QStringView(entry));
    if (it == m_slots.cend())
        return std::nullopt;
    const qsizetype slot = it.value();
    postal::PostalAddress a;
    if (m_data.source == SourceMode::OtherSource) {
        const QStringList &lines = m_data.mailingRecords();
        const qsizetype length = addressbook::recordLength(lines, slot, MailingData::MailingRecordLines);
        a.locality = field(lines, slot, length, FieldTown);
        a.region = field(lines, slot, length, FieldRegion);
        a.country = field(lines, slot, length, FieldCountry);
        a.postalCode = field(lines, slot, length, FieldZipCode);
    } else {
        const QStringList &lines = m_data.bookLines();
        const qsizetype length = addressbook::recordLength(lines, slot, addressbook::RecordLines);
        a.locality = field(lines, slot, length, addressbook::Locality);
        a.region = field(lines, slot, length, addressbook::Region);
        a.country = field(lines, slot, length, addressbook::Country);
        a.postalCode = field(lines, slot, length, addressbook::PostalCode);
    }
    return a;
}

MailingCheck checkMailing(const postal::PostalDirectory &directory, const MailingData &data,
                          const QStringList &mailingList, const QList<int> *indices)
{
    MailingCheck result;
    const MailingAddresses addresses(data);
    const auto checkOne = [&](int index) {
        if (index < 0 || index >= mailingList.size())
            return;
        const QString &entry = mailingList.at(index);
        const std::optional<postal::PostalAddress> address = addresses.addressOf(entry);
        if (!address)
            return;
        const postal::PostalVerdict verdict = postal::checkAddress(directory, *address);
        if (verdict.problem == postal::PostalProblem::NotChecked)
            return;
        ++result.checked;
        if (verdict.isProblem())
            result.problems.append(
                {index, entry, address->postalCode.toString(), address->locality.toString(), verdict.message});
    };
    if (indices) {
        for (const int index : *indices)
            checkOne(index);
    } else {
        for (int index = 0; index < mailingList.size(); ++index)
            checkOne(index);
    }
    return result;
}

QList<SharedKey> sharedKeys(const QStringList &mailingRecords)
{
    QHash<QString, int> firstOf; // key -> its place in `all`
    QList<SharedKey> all;
    const qsizetype rows = mailingRecords.size() / MailingData::MailingRecordLines;
    for (qsizetype row = 0; row < rows; ++row) {
        const QString &keyLine = mailingRecords.at(row * MailingData::MailingRecordLines + FieldSurname);
        if (!addressbook::isNameLine(keyLine))
            continue;
        const QString key = withoutTrailingTab(addressbook::textOf(keyLine));
        const auto it = firstOf.constFind(key);
        if (it == firstOf.cend()) {
            firstOf.insert(key, int(all.size()));
            all.append({key, {int(row) + 1}});
        } else {
            all[it.value()].rows.append(int(row) + 1);
        }
    }
    all.removeIf([](const SharedKey &k) { return k.rows.size() < 2; });
    return all;
}

QString sharedKeyRows(const SharedKey &shared)
{
    QStringList numbers;
    for (const int row : shared.rows)
        numbers.append(QString::number(row));
    const QString last = numbers.takeLast();
    return QCoreApplication::translate("MailingChecks", "строки %1 и %2: «%3»")
        .arg(numbers.join(QStringLiteral(", ")), last, shared.key);
}

QString sharedKeysWarning(const QList<SharedKey> &shared)
{
    constexpr int Shown = 10;
    QStringList lines;
    for (qsizetype i = 0; i < std::min<qsizetype>(shared.size(), Shown); ++i)
        lines.append(sharedKeyRows(shared.at(i)));
    if (shared.size() > Shown)
        lines.append(QCoreApplication::translate("MailingChecks", "и ещё %1 фамилий").arg(shared.size() - Shown));
    return QCoreApplication::translate("MailingChecks",
                                       "Одна фамилия стоит в нескольких строках:\n%1\n"
                                       "Конверты этих строк получат один адрес — из последней строки с этой фамилией.")
        .arg(lines.join(QLatin1Char('\n')));
}
