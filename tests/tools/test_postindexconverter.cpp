// The converter of the postal operator's locality directory: the shipped postal code files are
// exactly what it makes from the source copy in the repository, every time.

#include "logic/addresses/PostalSearch.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace testing;

namespace {

QString converter()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../tools/convert_postindex"));
}

QString sourceCsv()
{
    return QDir(QStringLiteral(VELTORA_SOURCE_DIR))
        .filePath(QStringLiteral("tools/convert_postindex/source/ukrposhta-postindex-2025-03-26.csv"));
}

// Runs the converter; returns its exit code (-1 when it did not run to its end).
int runConverter(const QString &source, const QString &outDir, QString *errors = nullptr)
{
    QProcess p;
    p.start(converter(), {source, outDir});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitCode();
}

QStringList outputFiles()
{
    return QStringList{postal::regionListFile()} + postal::regionFiles();
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPostIndexConverter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QFile::exists(converter()), "build the convert_postindex target first"); }

    void deterministicAndShipped()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QCOMPARE(runConverter(sourceCsv(), first.path()), 0);
        QCOMPARE(runConverter(sourceCsv(), second.path()), 0);
        const QDir shipped(installedDataDir());
        for (const QString &name : outputFiles()) {
            const QByteArray made = fileBytes(QDir(first.path()).filePath(name));
            QVERIFY2(made == fileBytes(QDir(second.path()).filePath(name)), qPrintable(name));
            QVERIFY2(made == fileBytes(shipped.filePath(name)),
                     qPrintable(name + QStringLiteral(" differs from data/: run convert_postindex")));
        }
    }

    void everyLineIsAnEntry()
    {
        // What the window relies on: a leading space and a "<br>" in every line, CR LF line ends.
        const QDir shipped(installedDataDir());
        int entries = 0;
        for (const QString &name : postal::regionFiles()) {
            const QByteArray bytes = fileBytes(shipped.filePath(name));
            QVERIFY2(bytes.isEmpty() || bytes.endsWith("\r\n"), qPrintable(name));
            const QList<QByteArray> lines = bytes.split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
                const QByteArray &line = lines.at(i);
                QVERIFY2(line.startsWith(' ') && line.endsWith('\r') && line.contains("<br>"),
                         qPrintable(QStringLiteral("%1 line %2").arg(name).arg(i + 1)));
                ++entries;
            }
        }
        // Every locality of the source, less a pair that the source lists twice.
        QCOMPARE(entries, 28943);
    }

    void refusesBrokenSource_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown region") << QByteArray("Невідома,,Район,с. Село,12345,,,,Село,,12345")
                                        << QStringLiteral("unknown region");
        QTest::newRow("missing field") << QByteArray("Сумська,,Роменський,с. Село,12345,,,,Село,")
                                       << QStringLiteral("10 fields");
        QTest::newRow("bad postal code") << QByteArray("Сумська,,Роменський,с. Село,1234,,,,Село,,")
                                         << QStringLiteral("not five digits");
        QTest::newRow("unterminated quote")
            << QByteArray("Сумська,,Роменський,\"с. Село,12345,,,,Село,,") << QStringLiteral("кавычка не закрыта");
    }
    void refusesBrokenSource()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString csv = QDir(dir.path()).filePath(QStringLiteral("source.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("header,1,2,3,4,5,6,7,8,9,10\r\n"
                "Сумська,,Роменський,м. Ромни,42000,,,,Ромни,,42000\r\n" +
                record + "\r\n");
        f.close();
        const QString out = QDir(dir.path()).filePath(QStringLiteral("out"));
        QString errors;
        QCOMPARE(runConverter(csv, out, &errors), 1);
        QVERIFY2(errors.contains(error), qPrintable(errors));
        QVERIFY(!QDir(out).exists()); // nothing half written
    }
};

QTEST_GUILESS_MAIN(TestPostIndexConverter)
#include "test_postindexconverter.moc"
