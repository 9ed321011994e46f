// veltora-batch as a whole process: 1,000 and 10,000 envelopes from an address book of 100,000 lines
// into a PDF; wall time, peak memory of the process, and how the cost grows with the count.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray cp1251(const QString &text)
{
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

struct Result
{
    double ms = 0;
    double peakMb = 0;
};

Result runOnce(const QString &exe, const QStringList &args)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(exe, args);
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        qFatal("veltora-batch failed: %s", p.readAllStandardError().constData());
    Result r;
    r.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage); // the largest child so far
    r.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString exe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/veltora-batch"));
    QTemporaryDir work;
    const QDir dir(work.path());
    for (const QString &name : QDir(qEnvironmentVariable("VELTORA_DATA")).entryList(QDir::Files))
        QFile::copy(QDir(qEnvironmentVariable("VELTORA_DATA")).filePath(name), dir.filePath(name));
    writeFile(dir.filePath(QStringLiteral("envtip")), QByteArray("\x02\0\0\0", 4));
    writeFile(dir.filePath(QStringLiteral("parfile")), QByteArray("\x6e\0\0\0\xdc\0\0\0", 8));
    writeFile(dir.filePath(QStringLiteral("envs")), QByteArray("\x04\0\0\0", 4));
    writeFile(dir.filePath(QStringLiteral("user.txt")),
              cp1251(QStringLiteral("ООО «Велтора»\r\nул. Садовая, 1, оф. 12\r\nг. Киев\r\n01001")));
    QString book;
    for (int i = 0; i < 14286; ++i) {
        book += QStringLiteral("%Петренко Ольга Петровна №%1\r\n#ул. Шевченко, %2, кв. %3\r\n#г. Белая Церковь\r\n"
                               "#Белоцерковский район\r\n#Киевская область\r\n#Украина\r\n#%4\r\n")
                    .arg(i)
                    .arg(i % 150 + 1)
                    .arg(i % 70 + 1)
                    .arg(9100 + i % 900, 5, 10, QLatin1Char('0'));
    }
    writeFile(dir.filePath(QStringLiteral("Book.txt")), cp1251(book));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    auto run = [&](int count) {
        Result best{1e300, 0};
        for (int i = 0; i < 3; ++i) {
            const Result r = runOnce(exe, {QStringLiteral("--workdir"), work.path(), QStringLiteral("--book"),
                                           QStringLiteral("--select"), QStringLiteral("1-%1").arg(count),
                                           QStringLiteral("-o"), pdf});
            if (r.ms < best.ms)
                best = r;
        }
        return best;
    };
    const Result one = run(1000);
    const Result ten = run(10000);
    bool ok = bench::report(QStringLiteral("veltora-batch, 1,000 envelopes (whole process)"), QStringLiteral("-"),
                            one.ms, 1e9, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("veltora-batch, 10,000 envelopes (whole process)"), QStringLiteral("< 1500 ms"),
                        ten.ms, 1500, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("veltora-batch, peak memory"), QStringLiteral("< 150 MB"), ten.peakMb, 150,
                        QStringLiteral("MB"));
    ok &= bench::report(QStringLiteral("veltora-batch, 10,000 / 1,000 cost"), QStringLiteral("<= 11"), ten.ms / one.ms,
                        11, QStringLiteral("x"));
    return ok ? 0 : 1;
}
