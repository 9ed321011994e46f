// The envelope of the main window printed on real printers: through a print queue of a private
// CUPS server (cups-pdf) and through the built-in "PDF file" printer at two resolutions. Where the
// first sender line and the first recipient line start is measured in the produced PDF with
// pdftotext -bbox, in millimetres from the printable area, and compared with the placement.

#include "app/AppContext.h"
#include "app/IoError.h"
#include "app/Settings.h"
#include "app/TMainform.h"
#include "common/TestSupport.h"
#include "print/PrintingService.h"
#include "print/QtPrintingService.h"
#include "print/TEnvPrintStyleForm.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <pwd.h>
#include <unistd.h>

using namespace testing;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;
const QString QueueName = QStringLiteral("VeltoraPDF");

// A CUPS server of the test's own: configuration, spool and socket in a temporary folder, one
// cups-pdf queue whose A4 page has a printable area with margins (10 mm left and top).
class PrivateCups
{
public:
    ~PrivateCups()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(5000))
                m_cupsd.kill();
            m_cupsd.waitForFinished(2000);
        }
    }

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }

    // Empty on success, else why the server could not be had.
    QString start()
    {
        if (geteuid() != 0)
            return QStringLiteral("a private cupsd with the cups-pdf backend needs root");
        for (const char *path : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/lib/cups/backend/cups-pdf",
                                 "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) {
            if (!QFile::exists(QString::fromLatin1(path)))
                return QStringLiteral("missing %1 (scripts/install-deps installs it)").arg(QString::fromLatin1(path));
        }
        const QDir d(m_dir.path());
        QFile::setPermissions(d.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther);
        for (const char *sub : {"root/ppd", "spool/tmp", "state", "cache", "log"})
            d.mkpath(QString::fromLatin1(sub));
        write(QStringLiteral("cupsd.conf"),
              QStringLiteral("Listen %1\n"
                             "LogLevel warn\n"
                             "Browsing Off\n"
                             "DefaultAuthType None\n"
                             "WebInterface No\n"
                             "PreserveJobFiles Yes\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                             "  </Limit>\n</Policy>\n")
                  .arg(socket()));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nStateDir %1/state\n"
                             "CacheDir %1/cache\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                             "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                             "Sandboxing Relaxed\n")
                  .arg(d.path()));
        QFile ppdIn(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
        if (!ppdIn.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read the cups-pdf PPD");
        QByteArray ppd = ppdIn.readAll();
        // A4 with a printable area 10 mm in from the left and the top (PPD: llx lly urx ury in points).
        ppd.replace(QByteArray("*ImageableArea A4/A4: \"0 0 595 842\""),
                    QByteArray("*ImageableArea A4/A4: \"28.35 42.52 566.93 813.65\""));
        writeBytes(QStringLiteral("veltora.ppd"), ppd);

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), d.filePath(QStringLiteral("cupsd.conf")),
                       QStringLiteral("-s"), d.filePath(QStringLiteral("cups-files.conf"))});
        if (!m_cupsd.waitForStarted(5000))
            return QStringLiteral("cupsd did not start");
        for (int i = 0; i < 100 && !QFile::exists(socket()); ++i)
            QTest::qWait(50);
        if (!QFile::exists(socket()))
            return QStringLiteral("cupsd made no socket: %1").arg(QString::fromLocal8Bit(m_cupsd.readAll()));
        QProcess lpadmin;
        lpadmin.setProcessChannelMode(QProcess::MergedChannels);
        lpadmin.start(QStringLiteral("/usr/sbin/lpadmin"),
                      {QStringLiteral("-h"), socket(), QStringLiteral("-p"), QueueName, QStringLiteral("-E"),
                       QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                       d.filePath(QStringLiteral("veltora.ppd"))});
        lpadmin.waitForFinished(20000);
        if (lpadmin.exitCode() != 0)
            return QStringLiteral("lpadmin failed: %1").arg(QString::fromLocal8Bit(lpadmin.readAll()));
        return {};
    }

    // Jobs of the queue that have not completed.
    int pendingJobs() const
    {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-o")});
        lpstat.waitForFinished(10000);
        return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).count(QueueName);
    }

    // The last document the queue received, kept in its spool.
    QString lastSpooledDocument() const
    {
        const QFileInfoList files = QDir(m_dir.filePath(QStringLiteral("spool")))
                                        .entryInfoList({QStringLiteral("d*-001")}, QDir::Files, QDir::Time);
        return files.isEmpty() ? QString() : files.first().filePath();
    }

    QString errorLog() const
    {
        QFile f(m_dir.filePath(QStringLiteral("log/error_log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().right(3000)) : QString();
    }

private:
    void write(const QString &name, const QString &text) { writeBytes(name, text.toUtf8()); }
    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }

    QTemporaryDir m_dir{QStringLiteral("/tmp/veltora-cups-XXXXXX")};
    QProcess m_cupsd;
};

// Where cups-pdf puts the files of the user running the test: "Out" of its configuration, with
// ${HOME} the user's home from the password database.
QString cupsPdfOutDir()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : conf.readAll().split('\n')) {
            const QByteArray line = raw.trimmed();
            if (line.startsWith("Out ") || line.startsWith("Out\t"))
                out = QString::fromLocal8Bit(line.mid(4).trimmed());
        }
    }
    const passwd *pw = getpwuid(getuid());
    out.replace(QStringLiteral("${HOME}"), pw ? QString::fromLocal8Bit(pw->pw_dir) : QDir::homePath());
    out.replace(QStringLiteral("${USER}"), pw ? QString::fromLocal8Bit(pw->pw_name) : QString());
    return out;
}

struct Word
{
    double xMin = 0, yMin = 0;
};

// The first word of the page with this text, in points from the top-left corner of the page.
std::optional<Word> findWord(const QString &pdf, const QString &text)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"[-\\d.]+\" yMax=\"[-\\d.]+\">([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(3) == text)
            return Word{m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    return std::nullopt;
}

QString pdfInfo(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Measured
{
    QPointF sender; // mm from the top-left corner of the printable area
    QPointF recipient;
    QPointF senderNominal; // where the placement put them, mm
    QPointF recipientNominal;
};

} // namespace

class TestCupsQueue : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Every printing call of this process talks to the private server only.
        qputenv("CUPS_SERVER", m_cups.socket().toLocal8Bit());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        m_cupsProblem = m_cups.start();
    }

    void pdfFilePrinter_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("feed");
        QTest::newRow("300 dpi, 110x220, left edge") << 300 << 110 << 220 << 1;
        QTest::newRow("1200 dpi, 110x220, left edge") << 1200 << 110 << 220 << 1;
        QTest::newRow("300 dpi, 114x162, centre") << 300 << 114 << 162 << 4;
        QTest::newRow("1200 dpi, 114x162, centre") << 1200 << 114 << 162 << 4;
    }
    void pdfFilePrinter()
    {
        QFETCH(int, dpi);
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(int, feed);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("envelope.pdf"));
        const Measured m = printEnvelope(pdfFilePrinterName(), dpi, height, width, feed, pdf, [&] { return pdf; });
        keep(pdf, QStringLiteral("file-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        if (QTest::currentTestFailed())
            return;
        checkPlacement(m);
        // The same envelope at any resolution lands on the same millimetres.
        const QString key = QStringLiteral("%1x%2/%3").arg(height).arg(width).arg(feed);
        if (m_byResolution.contains(key)) {
            const Measured &other = m_byResolution.value(key);
            QVERIFY(qAbs(other.sender.x() - m.sender.x()) < 0.05 && qAbs(other.sender.y() - m.sender.y()) < 0.05);
            QVERIFY(qAbs(other.recipient.x() - m.recipient.x()) < 0.05 &&
                    qAbs(other.recipient.y() - m.recipient.y()) < 0.05);
        }
        m_byResolution.insert(key, m);
    }

    void abortedJobLeavesNoFile()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("aborted.pdf"));
        auto service = createSystemPrintingService();
        service->setCurrentPrinter(pdfFilePrinterName());
        QVERIFY(service->needsOutputFileName());
        service->setOutputFileName(pdf);
        service->beginDoc();
        QVERIFY(service->printing());
        service->canvas().setFont(QStringLiteral("Liberation Sans"), 10, false, false);
        service->canvas().textOut(70, 290, QStringLiteral("Иванов"));
        service->abort();
        QVERIFY(!service->printing());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(service->needsOutputFileName()); // the name served that job only

        // The printer takes the next job.
        service->setOutputFileName(pdf);
        service->beginDoc();
        QVERIFY_THROWS_EXCEPTION(IoError, service->beginDoc()); // one job at a time
        service->canvas().textOut(70, 290, QStringLiteral("Иванов"));
        service->newPage();
        service->canvas().textOut(70, 290, QStringLiteral("Петренко"));
        service->endDoc();
        QVERIFY(pdfInfo(pdf).contains(QStringLiteral("Pages:           2")));
        QVERIFY(findWord(pdf, QStringLiteral("Петренко")));
    }

    void cupsQueue_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("feed");
        QTest::newRow("110x220, left edge") << 110 << 220 << 1;
        QTest::newRow("114x162, centre") << 114 << 162 << 4;
    }
    void cupsQueue()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(int, feed);
        if (!m_cupsProblem.isEmpty())
            QSKIP(qPrintable(m_cupsProblem));
        const QString outDir = cupsPdfOutDir();
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        QString produced;
        QString spooled;
        const Measured m = printEnvelope(QueueName, 0, height, width, feed, QString(), [&] {
            // Wait for the queue to finish the job and cups-pdf to write its file.
            for (int i = 0; i < 600 && produced.isEmpty(); ++i) {
                QTest::qWait(100);
                if (m_cups.pendingJobs() > 0)
                    continue;
                QDirIterator it(outDir, {QStringLiteral("*.pdf")}, QDir::Files);
                while (it.hasNext()) {
                    const QString f = it.next();
                    if (QFileInfo(f).lastModified() >= started && !m_seen.contains(f))
                        produced = f;
                }
            }
            if (produced.isEmpty()) {
                qWarning("%s", qPrintable(m_cups.errorLog()));
                return QString();
            }
            m_seen.insert(produced);
            // cups-pdf's Ghostscript turns the fonts into Type 3 fonts whose text pdftotext cannot
            // read back, so the positions are measured in the document the queue received and
            // printed (kept in the spool); the queue's output only has to be there, one A4 page.
            spooled = m_cups.lastSpooledDocument();
            return spooled;
        });
        keep(produced, QStringLiteral("cups-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        keep(spooled, QStringLiteral("cups-spooled-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        const QString info = pdfInfo(produced);
        QFile::remove(produced);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
        checkPlacement(m);
    }

private:
    // VELTORA_KEEP_PDF=folder keeps a copy of every printed PDF there, to look at.
    static void keep(const QString &pdf, QString name)
    {
        const QString folder = qEnvironmentVariable("VELTORA_KEEP_PDF");
        if (folder.isEmpty() || pdf.isEmpty())
            return;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]+")), QStringLiteral("_"));
        QDir().mkpath(folder);
        QFile::remove(QDir(folder).filePath(name));
        QFile::copy(pdf, QDir(folder).filePath(name));
    }

    template <typename WaitForFile>
    Measured printEnvelope(const QString &printer, int dpi, int height, int width, int feed, const QString &file,
                           WaitForFile waitForFile)
    {
        TestProgram program(true, createSystemPrintingService());
        settings::writeParfile(program.dir().workDir(), height, width);
        TMainform *main = program.start();
        AppContext &ctx = program.ctx();
        ctx.printing.setCurrentPrinter(printer);
        if (dpi > 0)
            ctx.printing.qprinter()->setResolution(dpi);
        if (!file.isEmpty())
            ctx.printing.setOutputFileName(file);

        main->Memo1()->setPlainText(QStringLiteral("Иванов Иван Иванович\nул. Шевченко, 12, кв. 5\nг. Киев\n01001"));
        main->Memo2()->setPlainText(
            QStringLiteral("Петренко Ольга Петровна\nпр. Науки, 45, кв. 17\nг. Харьков\n61000"));
        // Confirm the feed method, as the user does before the first print of a run.
        ctx.feedForm
            ->findChild<QRadioButton *>(feed == 4 ? QStringLiteral("RadioButton5") : QStringLiteral("RadioButton1"))
            ->setChecked(true);
        ctx.feedForm->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();

        main->N5Click();
        [&] { QVERIFY2(program.messages().all.isEmpty(), qPrintable(program.messages().all.join(u'\n'))); }();

        const QString pdf = waitForFile();
        Measured m;
        [&] { QVERIFY2(!pdf.isEmpty() && QFile::exists(pdf), qPrintable(QStringLiteral("no PDF from ") + printer)); }();
        const QPointF area = ctx.printing.qprinter()->pageLayout().paintRect(QPageLayout::Point).topLeft();
        const auto sender = findWord(pdf, QStringLiteral("Иванов"));
        const auto recipient = findWord(pdf, QStringLiteral("Петренко"));
        [&] {
            QVERIFY(sender);
            QVERIFY(recipient);
        }();
        if (!sender || !recipient)
            return m;
        const auto mm = [&](const Word &w) {
            return QPointF((w.xMin - area.x()) / PointsPerMm, (w.yMin - area.y()) / PointsPerMm);
        };
        m.sender = mm(*sender);
        m.recipient = mm(*recipient);
        const SharedState &s = program.state();
        m.senderNominal = QPointF(s.HomeX / PrintScale, s.HomeY / PrintScale);
        m.recipientNominal = QPointF(s.AddrX / PrintScale, s.AddrY / PrintScale);
        return m;
    }

    static void checkPlacement(const Measured &m)
    {
        const auto near = [](QPointF a, QPointF b) { return qAbs(a.x() - b.x()) <= 0.5 && qAbs(a.y() - b.y()) <= 0.5; };
        const auto show = [](QPointF p) {
            return QStringLiteral("(%1, %2) mm").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
        };
        QVERIFY2(near(m.sender, m.senderNominal),
                 qPrintable(QStringLiteral("sender at %1, placed at %2").arg(show(m.sender), show(m.senderNominal))));
        QVERIFY2(near(m.recipient, m.recipientNominal),
                 qPrintable(
                     QStringLiteral("recipient at %1, placed at %2").arg(show(m.recipient), show(m.recipientNominal))));
    }

    PrivateCups m_cups;
    QString m_cupsProblem;
    QHash<QString, Measured> m_byResolution;
    QSet<QString> m_seen;
};

QTEST_MAIN(TestCupsQueue)
#include "test_cupsqueue.moc"
