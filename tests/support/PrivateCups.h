#pragma once
// A CUPS server of the test's own, with one cups-pdf queue, and the tools that read back where text
// landed in a PDF (pdftotext -bbox, pdfinfo). Print tests that go through a real queue use them.

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>
#include <optional>

// A CUPS server of the test's own: configuration, spool and socket in a temporary folder, one
// cups-pdf queue whose A4 page has a printable area with margins (10 mm left and top).
// Point CUPS_SERVER at socket() before the first printing call of the process.
class PrivateCups
{
public:
    static inline const QString QueueName = QStringLiteral("VeltoraPDF");
    // A queue for sheets only (addSheetQueue): the same PPD without envelope sizes and without a
    // custom size.
    static inline const QString SheetQueueName = QStringLiteral("VeltoraSheets");

    ~PrivateCups();
    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    // Empty on success, else why the server could not be had.
    QString start();
    // Points every printing call of this process at the server (CUPS_SERVER), then starts it.
    QString startForThisProcess();
    // Adds the sheet queue to the running server; empty on success, else why not.
    QString addSheetQueue();
    // A class of two cups-pdf queues, the first queue and a second one like it.
    static inline const QString ClassName = QStringLiteral("VeltoraClass");
    static inline const QString SecondQueueName = QStringLiteral("VeltoraPDF2");
    // Adds the second queue and the class to the running server; empty on success, else why not.
    QString addClassOfTwo();
    // Runs an administration command on the server ("cupsenable VeltoraPDF"); false when it failed.
    bool admin(const QString &command) const;
    // The queue that runs or ran each job (for a class, the member that took it).
    QHash<int, QString> queuesOfJobs() const;
    // The document that job `id` sent, kept in the spool.
    QString spooledDocument(int id) const;
    // Makes the queue refuse new jobs with `reason` (cupsreject -r), or take them again (cupsaccept);
    // false when the command failed.
    bool rejectJobs(const QString &reason) const;
    bool acceptJobs() const;
    // Jobs of the queue that have not completed.
    int pendingJobs() const;
    // The last document the queue received, kept in its spool.
    QString lastSpooledDocument() const;
    QString errorLog() const;
    // Waits until the queue has no pending job and cups-pdf has written a file since `since` that is
    // not in `seen` (up to a minute); its path, or empty (the error log is then shown as a warning).
    QString waitForOutput(const QDateTime &since, const QSet<QString> &seen) const;

private:
    QString addQueue(const QString &name, const QString &ppd);
    void write(const QString &name, const QString &text);
    void writeBytes(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir{QStringLiteral("/tmp/veltora-cups-XXXXXX")};
    QProcess m_cupsd;
};

// The base of a test that prints through the private server and reads the documents back with
// pdftotext. Without pdftotext every case skips; without the server every case skips too when every
// case needs the queue, else only the cases that skip on m_cupsProblem.
class PrivateCupsTest : public QObject
{
    Q_OBJECT
public:
    explicit PrivateCupsTest(bool everyCaseNeedsTheQueue = false)
        : m_everyCaseNeedsTheQueue(everyCaseNeedsTheQueue)
    {
    }

protected:
    // Waits for the job started at `started` to come out of the queue, removes cups-pdf's file and
    // returns the document the queue received (cups-pdf's own file has text pdftotext cannot read);
    // empty when nothing came out.
    QString documentReceivedSince(const QDateTime &started);

    PrivateCups m_cups;
    QString m_cupsProblem; // why the server could not be had; empty when it runs
    QSet<QString> m_seen;  // the output files that earlier cases waited for

private slots:
    void initTestCase();

private:
    bool m_everyCaseNeedsTheQueue;
};

namespace cups {

constexpr double PointsPerMm = 72.0 / 25.4;

// Where cups-pdf puts the files of the user running the test.
QString cupsPdfOutDir();

struct Word
{
    double xMin = 0, yMin = 0;
    QString text;
    int page = 0; // 1-based
    double xMax = 0;
};

// Every word of the document with its page and top-left corner, in points from the top-left
// corner of the page.
QList<Word> pdfWords(const QString &pdf);
// The first word of the document with this text.
std::optional<Word> findWord(const QString &pdf, const QString &text);
// What pdfinfo says about the document; the test fails when `qpdf --check` finds a fault in it.
QString pdfInfo(const QString &pdf);
// The size of the document's first page in millimetres, as pdfinfo gives it; empty when it does not.
QSizeF pdfPageSizeMm(const QString &pdf);

} // namespace cups
