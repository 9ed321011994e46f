#include "cli/MailingReport.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/state/SharedState.h"

#include <QCoreApplication>

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

void writeProblem(std::FILE *out, const QString &who, const QString &postalCode, const QString &locality,
                  const QString &problem)
{
    writeLine(out, QStringList{cell(who), cell(postalCode), cell(locality), cell(problem)}.join(QLatin1Char('\t')));
}

void writeSummary(int checked, qsizetype problems)
{
    writeLine(stderr, QCoreApplication::translate("veltora-batch",
                                                  "veltora-batch: почтовые индексы: проверено адресов %1, с ошибкой %2")
                          .arg(checked)
                          .arg(problems));
    std::fflush(stderr);
}

} // namespace

int writePostalReport(const SharedState &state, const WorkDir &dir, const QList<int> &chosen, std::FILE *out)
{
    const auto directory = postal::PostalDirectory::shared(dir);
    const MailingCheck check = checkMailing(*directory, state.mailing(), state.mailingList(), &chosen);
    const bool byRow = state.mailing().source == SourceMode::OtherSource;
    for (const MailingProblem &p : check.problems)
        writeProblem(out, byRow ? QString::number(p.index + 1) : p.entry, p.postalCode, p.locality, p.message);
    std::fflush(out);
    writeSummary(check.checked, check.problems.size());
    return int(check.problems.size());
}

int writePostalReport(const WorkDir &dir, const QList<int> &chosen, std::FILE *out,
                      const std::function<ReportedAddress(int index)> &addressAt)
{
    const auto directory = postal::PostalDirectory::shared(dir);
    int checked = 0;
    int problems = 0;
    for (const int index : chosen) {
        const ReportedAddress a = addressAt(index);
        const postal::PostalVerdict verdict =
            postal::checkAddress(*directory, {a.locality, a.region, a.country, a.postalCode});
        if (verdict.problem == postal::PostalProblem::NotChecked)
            continue;
        ++checked;
        if (verdict.isProblem()) {
            ++problems;
            writeProblem(out, a.who, a.postalCode, a.locality, verdict.message);
        }
    }
    std::fflush(out);
    writeSummary(checked, problems);
    return problems;
}

void warnAboutSharedKeys(const QList<SharedKey> &shared)
{
    for (const SharedKey &k : shared)
        writeLine(stderr, QCoreApplication::translate(
                              "veltora-batch", "veltora-batch: %1 — одна фамилия; каждая строка "
                                               "печатается со своим адресом, а в окне групповой рассылки их конверты "
                                               "получат один адрес, из строки %2")
                              .arg(sharedKeyRows(k))
                              .arg(k.rows.constLast()));
    std::fflush(stderr);
}

} // namespace batchcommand
