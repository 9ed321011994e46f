#include "cli/MailingReport.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/state/SharedState.h"

namespace batchcommand {

namespace {

void writeLine(std::FILE *out, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
}

// A cell of the report: one line, no tab.
QString cell(QString text)
{
    for (const QChar c : {QChar(u'\t'), QChar(u'\r'), QChar(u'\n')})
        text.replace(c, QLatin1Char(' '));
    return text;
}

} // namespace

int writePostalReport(const SharedState &state, const WorkDir &dir, const QList<int> &chosen, std::FILE *out)
{
    const auto directory = postal::PostalDirectory::shared(dir);
    const MailingCheck check = checkMailing(*directory, state.mailing(), state.mailingList(), &chosen);
    const bool byRow = state.mailing().source == SourceMode::OtherSource;
    for (const MailingProblem &p : check.problems) {
        const QString who = byRow ? QString::number(p.index + 1) : p.entry;
        writeLine(
            out, QStringList{cell(who), cell(p.postalCode), cell(p.locality), cell(p.message)}.join(QLatin1Char('\t')));
    }
    std::fflush(out);
    writeLine(stderr, QStringLiteral("veltora-batch: почтовые индексы: проверено адресов %1, с ошибкой %2 / "
                                     "postal codes: %1 addresses checked, %2 with a problem")
                          .arg(check.checked)
                          .arg(check.problems.size()));
    std::fflush(stderr);
    return int(check.problems.size());
}

void warnAboutSharedKeys(const QStringList &mailingRecords)
{
    const QList<SharedKey> shared = sharedKeys(mailingRecords);
    for (const SharedKey &k : shared) {
        QStringList rows;
        for (const int row : k.rows)
            rows.append(QString::number(row));
        writeLine(stderr, QStringLiteral("veltora-batch: %1 — на их конвертах будет один адрес, из строки %2 / "
                                         "rows %3 share the key '%4': their envelopes will carry one address, "
                                         "that of row %2")
                              .arg(sharedKeyRows(k))
                              .arg(k.rows.constLast())
                              .arg(rows.join(QStringLiteral(", ")), k.key));
    }
    std::fflush(stderr);
}

} // namespace batchcommand
