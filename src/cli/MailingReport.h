#pragma once
// veltora-batch's checks of a mailing before it prints: the postal code report of --check and
// --strict, and the warning about table rows that share a key.

#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/TableMailing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>

class SharedState;
class WorkDir;

namespace batchcommand {

// Checks the postal codes of the chosen entries (zero-based indices of the mailing list) against
// the working directory's postal code directory and writes one line per entry with a problem to
// `out`: the row (for a table) or the name, the code, the locality and the problem, separated by
// tabs. A summary goes to standard error. Returns the number of entries with a problem. A
// directory that cannot be read throws IoError.
int writePostalReport(const SharedState &state, const WorkDir &dir, const QList<int> &chosen, std::FILE *out);

// The same report for a mailing whose entries are read one at a time (a table read as a stream).
int writePostalReport(const WorkDir &dir, const QList<int> &chosen, std::FILE *out,
                      const std::function<ReportedAddress(int index)> &addressAt);

// Says on standard error which envelopes of a table share a key. veltora-batch prints every row of
// a table with its own address; the group mailing window, which looks recipients up by key, gives
// such envelopes one address, and the warning says so. Nothing when every key stands once.
void warnAboutSharedKeys(const QList<SharedKey> &shared);

} // namespace batchcommand
