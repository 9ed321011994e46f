#pragma once
// Checks of a group mailing before it prints: every entry's postal code against the operator's
// directory, and the rows of a pasted table whose keys are the same (the lookup finds the last of
// them, so their envelopes all carry that row's address).

#include "logic/addresses/PostalCheck.h"
#include "logic/mailing/MailingData.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The postal address that each entry of a mailing list is printed with: the record that the
// recipient lookup finds for the entry in the current source mode (the last one of its key), its
// locality, region, country and postal code lines. It reads the data's lines in place: the data
// must not change while it is used.
class MailingAddresses
{
public:
    explicit MailingAddresses(const MailingData &data);
    // Nothing when no record matches the entry. The address is read in place from the data.
    std::optional<postal::PostalAddress> addressOf(const QString &entry) const;

private:
    const MailingData &m_data;
    QHash<QStringView, qsizetype> m_slots; // key -> slot of its last key line
};

struct MailingProblem
{
    int index = 0; // in the mailing list, zero-based
    QString entry;
    QString postalCode; // as the record holds them
    QString locality;
    QString message;
};

struct MailingCheck
{
    QList<MailingProblem> problems; // in the order of the list
    int checked = 0;                // entries whose address was judged
};

// Checks the entries of the mailing list at the given zero-based indices (all of them when
// `indices` is null). Entries abroad, without a record, or with a code of an area that the
// directory does not hold are not judged.
MailingCheck checkMailing(const postal::PostalDirectory &directory, const MailingData &data,
                          const QStringList &mailingList, const QList<int> *indices = nullptr);

// Rows of a table that share one key: the one-based row numbers in order (at least two) and the key.
struct SharedKey
{
    QString key;
    QList<int> rows;
};

// The keys that stand on more than one row of mailing records built from a table
// (buildMailingRecords: nine lines a row). Rows without a key line have none.
QList<SharedKey> sharedKeys(const QStringList &mailingRecords);

// "строки 2 и 5 — «Иванов»", the rows of one shared key as a message names them.
QString sharedKeyRows(const SharedKey &shared);
// The warning that names every shared key and says that their envelopes carry one address.
QString sharedKeysWarning(const QList<SharedKey> &shared);
