#pragma once
// veltora-batch's checks of a mailing before it prints: the postal code report of --check and
// --strict, and the warning about table rows that share a key.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>

class SharedState;
class WorkDir;

namespace batchcommand {

// Checks the postal codes of the chosen entries (zero-based indices of the mailing list) against
// the working directory's postal code directory and writes one line per entry with a problem to
// `out`: the row (for a table) or the name, the code, the locality and the problem, separated by
// tabs. A summary goes to standard error. Returns the number of entries with a problem. A
// directory that cannot be read throws IoError.
int writePostalReport(const SharedState &state, const WorkDir &dir, const QList<int> &chosen, std::FILE *out);

// Says on standard error which rows of the table share a key and that their envelopes will carry
// one address. Nothing when every key stands once.
void warnAboutSharedKeys(const QStringList &mailingRecords);

} // namespace batchcommand
