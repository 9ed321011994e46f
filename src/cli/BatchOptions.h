#pragma once
// veltora-batch's options: each declared once; read from the arguments in the order given, so that
// the first wrong one is the one reported; the help text is made from the declarations.

#include "logic/files/IoError.h"
#include "logic/mailing/TableMailing.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace batchcommand {

// Bad arguments or input: exit status 2 with the message.
class InputError : public AppError
{
public:
    using AppError::AppError;
};

struct Options
{
    QString workDir;
    enum class Source { None, Book, Names, Table, VCard } source = Source::None;
    QString namesFile;
    QString tableFile;
    QString sheet;     // --sheet: the workbook's sheet, empty for the first
    QString vcardFile; // --vcard
    QString columns;
    TableEncoding encoding = TableEncoding::Detect;
    std::optional<QString> select;
    int copies = 1;
    int split = 0; // --split N: jobs of N envelopes; 0: the whole mailing is one job
    BlockShifts shifts;
    QString printer;
    QString output;
    PageChoice page = PageChoice::Envelope;
    TitleRow header = TitleRow::Detect;
    bool check = false;  // --check: the postal code report instead of the print
    bool strict = false; // --strict: a mailing with postal code problems is not printed
};

// Reads the arguments (without the program name). Throws InputError with the message for the user.
Options parseArguments(const QStringList &args);

// The chosen envelopes (zero-based) of a mailing of `count`: --select, else every one. Throws
// InputError for a malformed, outside or empty selection.
QList<int> selection(const Options &o, int count);

// The -o name of a split mailing, when it holds the job's number once: "%d", "%3d" or "%03d".
std::optional<QString> jobFileNamePattern(const QString &pattern);
// The file of job `job` (one-based): "mailing-%03d.pdf", 2 gives "mailing-002.pdf".
QString jobFileName(const QString &pattern, int job);

} // namespace batchcommand
