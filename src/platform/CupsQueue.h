#pragma once
// The queues of CUPS as both printing services see them (libcups, Unix only): the destinations, and
// whether a queue takes jobs. CupsPrintingService (veltora-batch) and QtPrintingService (the
// windows, whose QPrinter hands the document to CUPS without telling whether it was taken) check a
// queue through the same functions, so that a refusing queue is reported the same way by both.

#include <QString>
#include <QStringList>

#include <cups/cups.h>

// The destinations of CUPS (queues and their instances), for as long as it lives.
class CupsDestinations
{
public:
    CupsDestinations();
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations &) = delete;
    CupsDestinations &operator=(const CupsDestinations &) = delete;

    // "queue" or "queue/instance", as the printers are listed; null when there is no such printer.
    cups_dest_t *find(const QString &printer) const;
    cups_dest_t *defaultDestination() const;
    QStringList names() const;
    static QString nameOf(const cups_dest_t &dest);

private:
    cups_dest_t *m_dests = nullptr;
    int m_count = 0;
};

namespace cupsqueue {

// IoError naming the printer and the reason the queue gives when it accepts no jobs (cupsreject);
// nothing when it does, or when CUPS does not know the printer.
void checkAcceptingJobs(const QString &printer);

// The highest job number of this user on the queue, finished jobs included; 0 when there is none,
// -1 when CUPS cannot tell.
int lastJobNumber(const QString &printer);

// After a job was handed to the queue: IoError naming the printer and the reason when no job of
// this user newer than `before` (lastJobNumber() before the job) reached it.
void checkJobQueued(const QString &printer, int before);

} // namespace cupsqueue
