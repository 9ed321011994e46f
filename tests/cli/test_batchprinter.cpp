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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment(); // CUPS_SERVER included
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
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

    // --split sends a mailing of 45 as five jobs to a class of two queues: the class spreads them,
    // each job holds its ten envelopes in order, every envelope once. When the queue refuses a job
    // part-way (here its quota is used up after two jobs), the jobs sent stay sent and the --select
    // list that is offered names exactly the envelopes left.
    void splitOverAClass()
    {
        QVERIFY2(m_cups.addClassOfTwo().isEmpty(), "no class");
        QByteArray rows;
        for (int i = 1; i <= 45; ++i)
            rows += QStringLiteral("Получатель %1\tул. Садовая, %1\tКиев\t01001\r\n").arg(i).toUtf8();
        m_dir->write(QStringLiteral("table.txt"), rows);
        const QStringList mailing{QStringLiteral("--lang"),    QStringLiteral("en"),
                                  QStringLiteral("--workdir"), m_dir->path(),
                                  QStringLiteral("--table"),   m_dir->filePath(QStringLiteral("table.txt")),
                                  QStringLiteral("--columns"), QStringLiteral("0,-,-,1,2,-,-,-,3"),
                                  QStringLiteral("--split"),   QStringLiteral("10")};
        // Held until all are queued, the jobs are then taken by whichever member is free.
        const QStringList members{PrivateCups::QueueName, PrivateCups::SecondQueueName};
        QVERIFY(m_cups.admin(QStringLiteral("cupsdisable"), members));
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        Run r = runBatch(mailing + QStringList{QStringLiteral("--printer"), PrivateCups::ClassName});
        QVERIFY(m_cups.admin(QStringLiteral("cupsenable"), members));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        static const QRegularExpression jobLine(QStringLiteral("job (\\d) \\(CUPS (\\d+)\\): envelopes (\\d+)-(\\d+) → %1")
                                                    .arg(PrivateCups::ClassName));
        QList<QRegularExpressionMatch> jobs;
        for (auto it = jobLine.globalMatch(r.err); it.hasNext();)
            jobs.append(it.next());
        QCOMPARE(jobs.size(), 5);
        QHash<int, QString> done;
        const auto allDone = [&] {
            done = m_cups.completedJobs();
            return std::all_of(jobs.cbegin(), jobs.cend(),
                               [&](const QRegularExpressionMatch &job) { return done.contains(job.captured(2).toInt()); });
        };
        for (int waited = 0; waited < 600 && !allDone(); ++waited)
            QTest::qWait(100);
        QSet<QString> printers;
        int expected = 1;
        for (const QRegularExpressionMatch &job : jobs) {
            const int id = job.captured(2).toInt();
            QVERIFY2(done.contains(id), qPrintable(r.err));
            printers.insert(done.value(id));
            QList<int> envelopes;
            for (const cups::Word &w : cups::pdfWords(m_cups.spooledDocument(id)))
                if (w.text == QStringLiteral("Получатель"))
                    envelopes.append(0);
                else if (!envelopes.isEmpty() && envelopes.constLast() == 0)
                    envelopes.last() = w.text.toInt(); // the word after the name
            QCOMPARE(job.captured(3).toInt(), expected);
            QList<int> inOrder;
            for (int n = expected; n <= job.captured(4).toInt(); ++n)
                inOrder << n;
            QCOMPARE(envelopes, inOrder);
            expected = job.captured(4).toInt() + 1;
        }
        QCOMPARE(expected, 46);
        QCOMPARE(printers, QSet<QString>(members.cbegin(), members.cend()));
        for (const QFileInfo &made : QDir(cups::cupsPdfOutDir()).entryInfoList(QDir::Files))
            if (made.lastModified() >= started)
                QFile::remove(made.filePath());

        // The queue's quota, counted from an empty history, lets two jobs in, not three.
        QVERIFY(m_cups.admin(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("-x"), PrivateCups::QueueName}));
        const qint64 jobSize = QFileInfo(m_cups.spooledDocument(jobs.at(0).captured(2).toInt())).size();
        QVERIFY(m_cups.admin(QStringLiteral("/usr/sbin/lpadmin"),
                             {QStringLiteral("-p"), PrivateCups::QueueName, QStringLiteral("-o"),
                              QStringLiteral("job-k-limit=%1").arg((jobSize * 3 / 2 + 1023) / 1024),
                              QStringLiteral("-o"), QStringLiteral("job-quota-period=86400")}));
        QVERIFY(m_cups.admin(QStringLiteral("cupsdisable"), {PrivateCups::QueueName}));
        r = runBatch(mailing + QStringList{QStringLiteral("--printer"), PrivateCups::QueueName});
        QVERIFY(m_cups.admin(QStringLiteral("/usr/sbin/lpadmin"), {QStringLiteral("-p"), PrivateCups::QueueName,
                                                                   QStringLiteral("-o"), QStringLiteral("job-k-limit=0")}));
        QVERIFY(m_cups.admin(QStringLiteral("cancel"), {QStringLiteral("-a"), PrivateCups::QueueName}));
        QVERIFY(m_cups.admin(QStringLiteral("cupsenable"), {PrivateCups::QueueName}));
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
