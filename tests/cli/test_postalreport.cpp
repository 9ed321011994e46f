// veltora-batch's checks before a mailing prints, as a user runs them: the postal code report of
// --check, the refusal of --strict, and the warning about table rows that share a key.

#include "support/BatchWorkDir.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace testing;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runBatch(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(batchEnvironment());
    p.start(QStringLiteral(VELTORA_BATCH_EXE), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

// Real localities: right (Ukrainian and Russian spelling), another town's code, a town named with
// another region, a code that does not exist, an address abroad; Коваль stands twice.
const QString Table = QStringLiteral("Коваль\tвул. Франка, 1\tм. Дрогобич\tЛьвівська обл.\t\t82100\r\n"
                                     "Бойко\tвул. Лесі, 2\tТрускавець\t\t\t82100\r\n"
                                     "Мельник\tул. Садовая, 3\tг. Трускавец\tЛьвовская область\tУкраина\t82200\r\n"
                                     "Ткач\tвул. Миру, 4\tЛуцьк\tРівненська обл.\t\t43002\r\n"
                                     "Шевчук\tвул. Лісова, 5\tДрогобич\t\tУкраїна\t82199\r\n"
                                     "Новак\tul. Długa 1\tGdańsk\t\tPolska\t80-001\r\n"
                                     "Коваль\tвул. Шевченка, 6\tДрогобич\t\t\t82100\r\n");
const QString Columns = QStringLiteral("0,-,-,1,2,-,3,4,5");

} // namespace

class TestPostalReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempWorkDir> m_dir;
    QString m_table;

    QStringList tableArgs(const QStringList &more) const
    {
        return QStringList{QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"), m_table,
                           QStringLiteral("--columns"), Columns} +
               more;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkDir>(); // the shipped postal directory with it
        writeBatchWorkDir(*m_dir);
        m_table = m_dir->filePath(QStringLiteral("mailing.tsv"));
        m_dir->write(QStringLiteral("mailing.tsv"), Table.toUtf8());
    }

    void checkReportsAndPrintsNothing()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r = runBatch(tableArgs({QStringLiteral("--check"), QStringLiteral("-o"), pdf}));
        QCOMPARE(r.status, 3);
        QVERIFY(!QFileInfo::exists(pdf));
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), QStringLiteral("2\t82100\tТрускавець\t82100 — Дрогобич, Львівська обл., а не Трускавець "
                                             "(Трускавець, Львівська обл.: 82200, 82208)"));
        QCOMPARE(lines.at(1), QStringLiteral("4\t43002\tЛуцьк\t43002 — Луцьк, Волинська обл., а не Рівненська обл."));
        QVERIFY2(lines.at(2).startsWith(QStringLiteral("5\t82199\tДрогобич\t82199 — такого индекса нет в справочнике")),
                 qPrintable(lines.at(2)));
        QVERIFY2(r.err.contains(QStringLiteral("проверено адресов 6, с ошибкой 3")), qPrintable(r.err));
        // Both rows of Коваль print the last one's address, and it is said.
        QVERIFY2(r.err.contains(QStringLiteral("строки 1 и 7: «Коваль»")), qPrintable(r.err));
    }

    void checkOfChosenEnvelopesAndOfTheBook()
    {
        // Only the selection is judged; with nothing wrong the status is 0 and no printer is needed.
        Run r = runBatch(tableArgs({QStringLiteral("--check"), QStringLiteral("--select"), QStringLiteral("1,3,6-7")}));
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.isEmpty());
        // The book's records are named by their names: Петров's 61000 is no code of Харків.
        r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("--check")});
        QCOMPARE(r.status, 3);
        QVERIFY2(r.out.startsWith(QStringLiteral("Петров Пётр\t61000\tХарьков\t61000 — такого индекса нет")),
                 qPrintable(r.out));
        QCOMPARE(r.out.count(QLatin1Char('\n')), 1);
    }

    void strictRefusesAMailingWithProblems()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("out.pdf"));
        Run r = runBatch(tableArgs({QStringLiteral("--strict"), QStringLiteral("-o"), pdf}));
        QCOMPARE(r.status, 3);
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains(QStringLiteral("--strict")), qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("а не Трускавець")), qPrintable(r.err));

        // One problem is enough: the first two rows hold only Бойко's.
        r = runBatch(tableArgs({QStringLiteral("--strict"), QStringLiteral("--select"), QStringLiteral("1-2"),
                                QStringLiteral("-o"), pdf}));
        QCOMPARE(r.status, 3);
        QVERIFY(!QFileInfo::exists(pdf));

        r = runBatch(tableArgs({QStringLiteral("--strict"), QStringLiteral("--select"), QStringLiteral("1,3"),
                                QStringLiteral("-o"), pdf}));
        QCOMPARE(r.status, 0);
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    // A working directory without the postal code directory reads the installed one.
    void installedDirectoryServesAWorkingDirectoryWithoutOne()
    {
        for (const QString &file :
             QDir(m_dir->path()).entryList({QStringLiteral("*.bsd"), QStringLiteral("oblrus.txt")}))
            m_dir->remove(file);
        const Run r = runBatch(tableArgs({QStringLiteral("--check")}));
        QCOMPARE(r.status, 3);
        QVERIFY2(r.out.contains(QStringLiteral("43002 — Луцьк, Волинська обл.")), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestPostalReport)
#include "test_postalreport.moc"
