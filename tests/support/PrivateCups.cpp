#include "support/PrivateCups.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

PrivateCups::~PrivateCups()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
}

QString PrivateCups::start()
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
    write(QStringLiteral("cupsd.conf"), QStringLiteral("Listen %1\n"
                                                       "LogLevel debug\n"
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
    return addQueue(QueueName, d.filePath(QStringLiteral("veltora.ppd")));
}

QString PrivateCups::addQueue(const QString &name, const QString &ppd)
{
    QProcess lpadmin;
    lpadmin.setProcessChannelMode(QProcess::MergedChannels);
    lpadmin.start(QStringLiteral("/usr/sbin/lpadmin"),
                  {QStringLiteral("-h"), socket(), QStringLiteral("-p"), name, QStringLiteral("-E"),
                   QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), ppd});
    lpadmin.waitForFinished(20000);
    if (lpadmin.exitCode() != 0)
        return QStringLiteral("lpadmin failed: %1").arg(QString::fromLocal8Bit(lpadmin.readAll()));
    return {};
}

QString PrivateCups::addSheetQueue()
{
    QFile ppdIn(m_dir.filePath(QStringLiteral("veltora.ppd")));
    if (!ppdIn.open(QIODevice::ReadOnly))
        return QStringLiteral("the server has not been started");
    QByteArray sheets;
    bool inCustomSize = false;
    for (const QByteArray &line : ppdIn.readAll().split('\n')) {
        if (line.startsWith("*CustomPageSize")) {
            inCustomSize = !line.endsWith('"') || line.count('"') < 2;
            continue;
        }
        if (inCustomSize) {
            inCustomSize = !line.startsWith("*End");
            continue;
        }
        if (line.contains("Env") || line.contains("CustomPageSize") || line.startsWith("*VariablePaperSize") ||
            line.startsWith("*MaxMedia"))
            continue;
        sheets += line + '\n';
    }
    writeBytes(QStringLiteral("sheets.ppd"), sheets);
    return addQueue(SheetQueueName, m_dir.filePath(QStringLiteral("sheets.ppd")));
}

namespace {

bool runAdmin(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool ok = p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!ok)
        qWarning("%s: %s", qPrintable(program), p.readAll().constData());
    return ok;
}

} // namespace

QString PrivateCups::addClassOfTwo()
{
    const QString problem = addQueue(SecondQueueName, m_dir.filePath(QStringLiteral("veltora.ppd")));
    const QString member = QStringLiteral("lpadmin -p %1 -c ") + ClassName;
    return !problem.isEmpty() || (admin(member.arg(QueueName)) && admin(member.arg(SecondQueueName)) &&
                                  admin(QStringLiteral("cupsenable ") + ClassName) &&
                                  admin(QStringLiteral("cupsaccept ") + ClassName))
               ? problem
               : QStringLiteral("the class could not be made");
}

bool PrivateCups::admin(const QString &command) const
{
    QStringList args = command.split(QLatin1Char(' '));
    const QString program = args.takeFirst();
    return runAdmin(program, QStringList{QStringLiteral("-h"), socket()} + args);
}

QHash<int, QString> PrivateCups::queuesOfJobs() const
{
    // The debug log names the queue as the first argument of a job's filters: [Job 12] argv[0]="VeltoraPDF2".
    static const QRegularExpression ranOn(QStringLiteral("\\[Job (\\d+)\\] argv\\[0\\]=\"([^\"]+)\""));
    QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
    QHash<int, QString> queues;
    for (auto it = ranOn.globalMatch(log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString());
         it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        queues.insert(m.captured(1).toInt(), m.captured(2));
    }
    return queues;
}

QString PrivateCups::spooledDocument(int id) const
{
    return m_dir.filePath(QStringLiteral("spool/d%1-001").arg(id, 5, 10, QLatin1Char('0')));
}

bool PrivateCups::rejectJobs(const QString &reason) const
{
    return runAdmin(QStringLiteral("cupsreject"),
                    {QStringLiteral("-h"), socket(), QStringLiteral("-r"), reason, QueueName});
}

bool PrivateCups::acceptJobs() const
{
    return runAdmin(QStringLiteral("cupsaccept"), {QStringLiteral("-h"), socket(), QueueName});
}

int PrivateCups::pendingJobs() const
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket(), QStringLiteral("-o")});
    lpstat.waitForFinished(10000);
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).count(QueueName);
}

QString PrivateCups::lastSpooledDocument() const
{
    const QFileInfoList files = QDir(m_dir.filePath(QStringLiteral("spool")))
                                    .entryInfoList({QStringLiteral("d*-001")}, QDir::Files, QDir::Time);
    return files.isEmpty() ? QString() : files.first().filePath();
}

QString PrivateCups::errorLog() const
{
    QFile f(m_dir.filePath(QStringLiteral("log/error_log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().right(3000)) : QString();
}

QString PrivateCups::waitForOutput(const QDateTime &since, const QSet<QString> &seen) const
{
    const QString outDir = cups::cupsPdfOutDir();
    for (int i = 0; i < 600; ++i) {
        QTest::qWait(100);
        if (pendingJobs() > 0)
            continue;
        QDirIterator it(outDir, {QStringLiteral("*.pdf")}, QDir::Files);
        while (it.hasNext()) {
            const QString f = it.next();
            if (QFileInfo(f).lastModified() >= since && !seen.contains(f))
                return f;
        }
    }
    qWarning("%s", qPrintable(errorLog()));
    return {};
}

void PrivateCups::write(const QString &name, const QString &text)
{
    writeBytes(name, text.toUtf8());
}

void PrivateCups::writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(m_dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

namespace cups {

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

QList<Word> pdfWords(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression item(QStringLiteral(
        "<page |<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"[-\\d.]+\">([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page")))
            ++page;
        else
            words.append(Word{m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(4), page,
                              m.captured(3).toDouble()});
    }
    return words;
}

std::optional<Word> findWord(const QString &pdf, const QString &text)
{
    for (const Word &w : pdfWords(pdf))
        if (w.text == text)
            return w;
    return std::nullopt;
}

QString pdfInfo(const QString &pdf)
{
    // Every PDF a test reads holds together for a reader stricter than poppler.
    if (!QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty()) {
        QProcess check;
        check.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        check.waitForFinished(60000);
        const QByteArray report = check.readAllStandardOutput();
        QTest::qVerify(check.exitCode() == 0, "qpdf --check", report.constData(), __FILE__, __LINE__);
    }
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QSizeF pdfPageSizeMm(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto m = size.match(pdfInfo(pdf));
    if (!m.hasMatch())
        return {};
    return QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) / PointsPerMm;
}

} // namespace cups

QString PrivateCups::startForThisProcess()
{
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    return start();
}

QString PrivateCupsTest::documentReceivedSince(const QDateTime &started)
{
    const QString produced = m_cups.waitForOutput(started, m_seen);
    if (produced.isEmpty())
        return QString();
    m_seen.insert(produced);
    QFile::remove(produced);
    return m_cups.lastSpooledDocument();
}

void PrivateCupsTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    m_cupsProblem = m_cups.startForThisProcess();
    if (m_everyCaseNeedsTheQueue && !m_cupsProblem.isEmpty())
        QSKIP(qPrintable(m_cupsProblem));
}
