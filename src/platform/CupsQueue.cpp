#include "platform/CupsQueue.h"

#include "logic/files/IoError.h"

#include <algorithm>

CupsDestinations::CupsDestinations()
{
    m_count = cupsGetDests2(CUPS_HTTP_DEFAULT, &m_dests);
}

CupsDestinations::~CupsDestinations()
{
    cupsFreeDests(m_count, m_dests);
}

cups_dest_t *CupsDestinations::find(const QString &printer) const
{
    const QByteArray name = printer.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = printer.section(QLatin1Char('/'), 1).toUtf8();
    if (name.isEmpty())
        return nullptr;
    return cupsGetDest(name.constData(), instance.isEmpty() ? nullptr : instance.constData(), m_count, m_dests);
}

cups_dest_t *CupsDestinations::defaultDestination() const
{
    return cupsGetDest(nullptr, nullptr, m_count, m_dests);
}

QStringList CupsDestinations::names() const
{
    QStringList result;
    for (int i = 0; i < m_count; ++i)
        result.append(nameOf(m_dests[i]));
    return result;
}

QString CupsDestinations::nameOf(const cups_dest_t &dest)
{
    QString name = QString::fromUtf8(dest.name);
    if (dest.instance)
        name += QLatin1Char('/') + QString::fromUtf8(dest.instance);
    return name;
}

namespace cupsqueue {

namespace {

// What the queue says about itself: printer-state-message (the reason given to cupsreject -r),
// else printer-state-reasons; empty when it says nothing.
QString stateMessage(const cups_dest_t &dest)
{
    QString message;
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     dest.name);
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const wanted[] = {"printer-state-message", "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    if (ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")) {
        if (ipp_attribute_t *a = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
            message = QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed();
        ippDelete(response);
    }
    if (message.isEmpty()) {
        const QString reasons =
            QString::fromUtf8(cupsGetOption("printer-state-reasons", dest.num_options, dest.options));
        if (reasons != QLatin1String("none"))
            message = reasons;
    }
    return message;
}

// Empty when the destination takes jobs, else why it does not.
QString refusal(const cups_dest_t &dest)
{
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    if (!accepting || qstrcmp(accepting, "false") != 0)
        return {};
    const QString message = stateMessage(dest);
    return message.isEmpty() ? QStringLiteral("no reason given") : message;
}

IoError notAccepting(const QString &printer, const QString &why)
{
    return IoError(QStringLiteral("The printer \"%1\" is not accepting jobs: %2").arg(printer, why));
}

} // namespace

void checkAcceptingJobs(const QString &printer)
{
    const CupsDestinations dests;
    const cups_dest_t *dest = dests.find(printer);
    if (!dest)
        return;
    const QString why = refusal(*dest);
    if (!why.isEmpty())
        throw notAccepting(printer, why);
}

int lastJobNumber(const QString &printer)
{
    const QByteArray name = printer.section(QLatin1Char('/'), 0, 0).toUtf8();
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return -1;
    int last = 0;
    for (int i = 0; i < count; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

void checkJobQueued(const QString &printer, int before)
{
    if (before < 0)
        return;
    const int after = lastJobNumber(printer);
    if (after < 0 || after > before)
        return;
    checkAcceptingJobs(printer);
    throw IoError(
        QStringLiteral("The printer \"%1\" did not accept the document: the job did not reach its queue").arg(printer));
}

} // namespace cupsqueue
