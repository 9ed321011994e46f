// veltora-batch printing on a system printer: a private CUPS server's cups-pdf queue, reached
// through the CUPS_SERVER the test passes on. The envelopes land on the queue one a page, the
// number of copies reaches the queue, and a printer that is not there or refuses the job gives
// the exit status and the reason.

#include "support/BatchWorkDir.h"
#include "support/PrivateCups.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace testing;

namespace {

struct Run
{
    int status = -1;
    QString err;
};

Run runBatch(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(batchEnvironment()); // CUPS_SERVER included
    p.start(QStringLiteral(VELTORA_BATCH_EXE), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// The server's page log: a line per completed job.
QString pageLog(const PrivateCups &server)
{
    QFile f(QFileInfo(server.socket()).dir().filePath(QStringLiteral("log/page_log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

} // namespace

class TestBatchPrinter : public PrivateCupsTest
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> m_dir;
    bool m_sheetQueueReady = false;

public:
    TestBatchPrinter()
        : PrivateCupsTest(true)
    {
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkDir>();
        writeBatchWorkDir(*m_dir);
    }

    // The queue lists the DL envelope (110 x 220 mm): by default the job's pages are the envelope;
    // with --page printer they are the queue's own A4.
    void bookOnTheQueue_data()
    {
        QTest::addColumn<QStringList>("page");
        QTest::addColumn<QSizeF>("pageMm");
        QTest::newRow("envelope") << QStringList() << QSizeF(220, 110);
        QTest::newRow("printer") << QStringList{QStringLiteral("--page"), QStringLiteral("printer")}
                                 << QSizeF(210, 297);
    }
    void bookOnTheQueue()
    {
        QFETCH(QStringList, page);
        QFETCH(QSizeF, pageMm);
        m_dir->write(QStringLiteral("parfile"), QByteArray("\x6e\0\0\0\xdc\0\0\0", 8));
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        const Run r = runBatch(QStringList{QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"),
                                           QStringLiteral("--copies"), QStringLiteral("2"), QStringLiteral("--printer"),
                                           PrivateCups::QueueName} +
                               page);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QString spooled = documentReceivedSince(started);
        QVERIFY(!spooled.isEmpty());
        const QString info = cups::pdfInfo(spooled);
        QVERIFY2(info.contains(QStringLiteral("Pages:           2")), qPrintable(info));
        const QSizeF size = cups::pdfPageSizeMm(spooled);
        QVERIFY2(qAbs(size.width() - pageMm.width()) < 0.5 && qAbs(size.height() - pageMm.height()) < 0.5,
                 qPrintable(info));
        const auto first = cups::findWord(spooled, QStringLiteral("Петров"));
        const auto second = cups::findWord(spooled, QStringLiteral("Сидорова"));
        const auto sender = cups::findWord(spooled, QStringLiteral("Велтора"));
        QVERIFY(first && second && sender);
        QCOMPARE(first->page, 1);
        QCOMPARE(second->page, 2);
        // page_log: "<queue> <user> <job> [<date>] total <pages>", the pages counted once a copy.
        static const QRegularExpression total(
            QStringLiteral("%1 \\S+ (\\d+) \\[[^]]*\\] total (\\d+)").arg(PrivateCups::QueueName));
        QString lastTotal;
        for (auto it = total.globalMatch(pageLog(m_cups)); it.hasNext();)
            lastTotal = it.next().captured(2);
        QCOMPARE(lastTotal, QStringLiteral("4"));
    }

    // A queue for sheets whose own paper is Letter: "--page printer" keeps the Letter sheet, "--page a4"
    // asks the queue for A4.
    void sheetQueueWithLetterPaper_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QSizeF>("pageMm");
        QTest::newRow("printer") << QStringLiteral("printer") << QSizeF(215.9, 279.4);
        QTest::newRow("a4") << QStringLiteral("a4") << QSizeF(210, 297);
    }
    void sheetQueueWithLetterPaper()
    {
        QFETCH(QString, page);
        QFETCH(QSizeF, pageMm);
        if (!m_sheetQueueReady) {
            const QString problem = m_cups.addSheetQueue();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QProcess lpadmin;
            lpadmin.setProcessChannelMode(QProcess::MergedChannels);
            lpadmin.start(QStringLiteral("/usr/sbin/lpadmin"),
                          {QStringLiteral("-h"), m_cups.socket(), QStringLiteral("-p"), PrivateCups::SheetQueueName,
                           QStringLiteral("-o"), QStringLiteral("PageSize=Letter")});
            QVERIFY(lpadmin.waitForFinished(20000));
            QVERIFY2(lpadmin.exitCode() == 0, lpadmin.readAll().constData());
            m_sheetQueueReady = true;
        }
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        const Run r =
            runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("--page"),
                      page, QStringLiteral("--printer"), PrivateCups::SheetQueueName});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QString spooled = documentReceivedSince(started);
        QVERIFY(!spooled.isEmpty());
        const QSizeF size = cups::pdfPageSizeMm(spooled);
        QVERIFY2(qAbs(size.width() - pageMm.width()) < 0.5 && qAbs(size.height() - pageMm.height()) < 0.5,
                 qPrintable(cups::pdfInfo(spooled)));
    }

    // --split 10 sends a mailing of 45 as five jobs to a class of two queues (held until all are
    // queued): both queues take jobs, each job holds its envelopes in order, every envelope once.
    // A queue that refuses part-way (its quota lets two jobs in) leaves a --select list of the rest.
    void splitOverAClass()
    {
        QVERIFY(m_cups.addClassOfTwo().isEmpty());
        QByteArray rows;
        for (int i = 1; i <= 45; ++i)
            rows += QStringLiteral("Получатель %1\tул. Садовая, 1\tКиев\t01001\n").arg(i).toUtf8();
        m_dir->write(QStringLiteral("t.txt"), rows);
        const QStringList mailing =
            QStringLiteral("--lang en --workdir %1 --table %1/t.txt --columns 0,-,-,1,2,-,-,-,3 --split 10 --printer")
                .arg(m_dir->path())
                .split(QLatin1Char(' '));
        const QString members = PrivateCups::QueueName + QLatin1Char(' ') + PrivateCups::SecondQueueName;
        QVERIFY(m_cups.admin(QStringLiteral("cupsdisable ") + members));
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        Run r = runBatch(mailing + QStringList{PrivateCups::ClassName});
        QVERIFY(m_cups.admin(QStringLiteral("cupsenable ") + members));
        static const QRegularExpression job(QStringLiteral("job \\d \\(CUPS (\\d+)\\): envelopes (\\d+-\\d+) → "));
        QList<int> ids, printed;
        for (auto it = job.globalMatch(r.err); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QList<int> inJob;
            for (const cups::Word &w : cups::pdfWords(m_cups.spooledDocument(ids.emplace_back(m.captured(1).toInt()))))
                if (w.xMin > 0 && !inJob.isEmpty() && inJob.last() == 0)
                    inJob.last() = w.text.toInt(); // the word after "Получатель"
                else if (w.text == QStringLiteral("Получатель"))
                    inJob.append(0);
            QCOMPARE(QStringLiteral("%1-%2").arg(inJob.first()).arg(inJob.last()), m.captured(2));
            printed += inJob;
        }
        QCOMPARE(ids.size(), 5);
        for (int i = 0; i < 45; ++i)
            QCOMPARE(printed.value(i), i + 1);
        QSet<QString> queues{QString()}; // the queue of each job, empty until it starts
        for (int waited = 0; waited < 600 && queues.contains(QString()); ++waited, QTest::qWait(100)) {
            const QHash<int, QString> ran = m_cups.queuesOfJobs();
            queues.clear();
            for (const int id : ids)
                queues.insert(ran.value(id));
        }
        QVERIFY2(queues == QSet<QString>({PrivateCups::QueueName, PrivateCups::SecondQueueName}), qPrintable(r.err));

        const qint64 jobSize = QFileInfo(m_cups.spooledDocument(ids.first())).size();
        const QString quota = QStringLiteral("lpadmin -p %1 -o job-k-limit=").arg(PrivateCups::QueueName);
        QVERIFY(m_cups.admin(QStringLiteral("cancel -a -x ") + PrivateCups::QueueName) &&
                m_cups.admin(quota + QString::number((jobSize * 3 / 2 + 1023) / 1024)));
        r = runBatch(mailing + QStringList{PrivateCups::QueueName});
        QVERIFY(m_cups.admin(quota + QLatin1Char('0')) && m_cups.admin(QStringLiteral("cancel -a -x")));
        for (const QFileInfo &made : QDir(cups::cupsPdfOutDir()).entryInfoList(QDir::Files))
            if (made.lastModified() >= started)
                QFile::remove(made.filePath());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("jobs sent: 2 of 5; --select 21-45 prints")), qPrintable(r.err));
    }

    void unknownOrRefusingPrinter()
    {
        Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"),
                          QStringLiteral("--printer"), QStringLiteral("NoSuchQueue")});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QStringLiteral("NoSuchQueue")) && r.err.contains(PrivateCups::QueueName),
                 qPrintable(r.err));

        // A refusing queue: the printer's name and its reason, exit status 1, nothing queued.
        QVERIFY(m_cups.rejectJobs(QStringLiteral("Заправка картриджа")));
        r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("--printer"),
                      PrivateCups::QueueName});
        QVERIFY(m_cups.acceptJobs());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(
                     QStringLiteral("\"%1\" is not accepting jobs: Заправка картриджа").arg(PrivateCups::QueueName)),
                 qPrintable(r.err));
        QCOMPARE(m_cups.pendingJobs(), 0);
    }
};

QTEST_MAIN(TestBatchPrinter)
#include "test_batchprinter.moc"
