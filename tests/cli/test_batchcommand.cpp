// veltora-batch as a user runs it: arguments, tables in two encodings, selections, exit status.

#include "support/TestSupport.h"

#include <QProcess>
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELTORA_BATCH_EXE), args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

const QString Table = QStringLiteral("Шевченко Тарас\tвул. Хрещатик, 1\tКиїв\t01001\r\n"
                                     "Українка Леся\tвул. Франка, 5\tЛьвів\t79000\r\n"
                                     "Франко Іван\tпр. Миру, 12\tОдеса\t65000\r\n");
const QString Columns = QStringLiteral("0,-,-,1,2,-,-,-,3");

} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkDir>();
        m_dir->write(QStringLiteral("user.txt"), cp1251(QStringLiteral("ООО Велтора\r\nул. Садовая, 1\r\nКиев")));
        m_dir->write(
            QStringLiteral("Book.txt"),
            crlfLines({QStringLiteral("%Петров Пётр"), QStringLiteral("#ул. Ленина, 3"), QStringLiteral("#Харьков"),
                       QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#61000"),
                       QStringLiteral("%Сидорова Анна"), QStringLiteral("#ул. Мира, 7"), QStringLiteral("#Полтава"),
                       QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#36000")}));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        QTest::newRow("no source") << QStringList{QStringLiteral("-o"), QStringLiteral("x.pdf")}
                                   << QStringLiteral("--book");
        QTest::newRow("no output") << QStringList{QStringLiteral("--book")} << QStringLiteral("--printer");
        QTest::newRow("unknown") << QStringList{QStringLiteral("--book"), QStringLiteral("--frobnicate")}
                                 << QStringLiteral("--frobnicate");
        QTest::newRow("copies") << QStringList{QStringLiteral("--book"), QStringLiteral("--copies"),
                                               QStringLiteral("51"), QStringLiteral("-o"), QStringLiteral("x.pdf")}
                                << QStringLiteral("--copies");
        QTest::newRow("select malformed")
            << QStringList{QStringLiteral("--book"), QStringLiteral("--select"), QStringLiteral("1;2"),
                           QStringLiteral("-o"), QStringLiteral("x.pdf")}
            << QStringLiteral("Ошибка!!!");
        QTest::newRow("select outside") << QStringList{QStringLiteral("--book"), QStringLiteral("--select"),
                                                       QStringLiteral("1,5"), QStringLiteral("-o"),
                                                       QStringLiteral("x.pdf")}
                                        << QStringLiteral("5");
        QTest::newRow("shift range") << QStringList{QStringLiteral("--book"), QStringLiteral("--shift-addr"),
                                                    QStringLiteral("101,0"), QStringLiteral("-o"),
                                                    QStringLiteral("x.pdf")}
                                     << QStringLiteral("--shift-addr");
        QTest::newRow("table without columns") << QStringList{QStringLiteral("--table"), QStringLiteral("t.txt"),
                                                              QStringLiteral("-o"), QStringLiteral("x.pdf")}
                                               << QStringLiteral("--columns");
        QTest::newRow("unknown printer") << QStringList{QStringLiteral("--book"), QStringLiteral("--printer"),
                                                        QStringLiteral("Nope")}
                                         << QStringLiteral("Nope");
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        const QString out = m_dir->filePath(QStringLiteral("x.pdf"));
        for (QString &a : args)
            if (a == QLatin1String("x.pdf"))
                a = out;
        const Run r = runBatch(QStringList{QStringLiteral("--workdir"), m_dir->path()} + args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }

    void badTableSaysRowAndColumn()
    {
        const QString table = m_dir->filePath(QStringLiteral("t.csv"));
        QFile f(table);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("Шевченко;Київ;01001\n;Львів;79000\n").toUtf8());
        f.close();
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r =
            runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"), table,
                      QStringLiteral("--columns"), QStringLiteral("0,-,-,-,1,-,-,-,2"), QStringLiteral("-o"), out});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QStringLiteral("строка 2, столбец 1")), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }

    void sameTableInTwoEncodingsPrintsTheSame()
    {
        QStringList texts;
        for (const QByteArray &bytes : {cp1251(Table), Table.toUtf8(), QByteArray("\xEF\xBB\xBF") + Table.toUtf8()}) {
            const QString table = m_dir->filePath(QStringLiteral("table.txt"));
            m_dir->write(QStringLiteral("table.txt"), bytes);
            const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
            const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"), table,
                                    QStringLiteral("--columns"), Columns, QStringLiteral("-o"), out});
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QCOMPARE(pdfPages(out), 3);
            QVERIFY(!QFile::exists(out + QStringLiteral(".part")));
            texts.append(pdfText(out));
        }
        QCOMPARE(texts.at(0), texts.at(1));
        QCOMPARE(texts.at(0), texts.at(2));
        QVERIFY(texts.at(0).contains(QStringLiteral("Українка Леся")));
        QVERIFY(texts.at(0).contains(QStringLiteral("ООО Велтора")));
    }

    void selectionPrintsInItsOrder()
    {
        m_dir->write(QStringLiteral("table.txt"), Table.toUtf8());
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"),
                                m_dir->filePath(QStringLiteral("table.txt")), QStringLiteral("--columns"), Columns,
                                QStringLiteral("--select"), QStringLiteral("3,1-2,3"), QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), 4);
        const QString text = pdfText(out);
        const QStringList pages = text.split(QLatin1Char('\f'));
        QVERIFY(pages.at(0).contains(QStringLiteral("Франко Іван")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Шевченко Тарас")));
        QVERIFY(pages.at(2).contains(QStringLiteral("Українка Леся")));
        QVERIFY(pages.at(3).contains(QStringLiteral("Франко Іван")));
    }

    void bookAndNames()
    {
        const QString out = m_dir->filePath(QStringLiteral("book.pdf"));
        Run r =
            runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), 2);
        QVERIFY(pdfText(out).contains(QStringLiteral("Сидорова Анна")));

        m_dir->write(QStringLiteral("names.txt"), QStringLiteral("Сидорова Анна\nНикто\n").toUtf8());
        r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--names"),
                      m_dir->filePath(QStringLiteral("names.txt")), QStringLiteral("-o"), out});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QStringLiteral("Никто")) && r.err.contains(QStringLiteral("2")), qPrintable(r.err));
    }

    void missingWorkingFileIsBadInput_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("named");
        QTest::newRow("sender") << QStringLiteral("user.txt") << QStringLiteral("«User.txt»");
        QTest::newRow("book") << QStringLiteral("Book.txt") << QStringLiteral("«Book.txt»");
        QTest::newRow("envelope size") << QStringLiteral("parfile") << QStringLiteral("«parfile»");
        QTest::newRow("envelope type") << QStringLiteral("envtip") << QStringLiteral("«envtip»");
        QTest::newRow("sender font") << QStringLiteral("HomeFont") << QStringLiteral("«HomeFont»");
        QTest::newRow("recipient font") << QStringLiteral("AddrFont") << QStringLiteral("«AddrFont»");
        QTest::newRow("feed method") << QStringLiteral("envs") << QStringLiteral("«envs»");
    }
    void missingWorkingFileIsBadInput()
    {
        QFETCH(QString, file);
        QFETCH(QString, named);
        m_dir->remove(file);
        QVERIFY(!m_dir->exists(file));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"),
                                QStringLiteral("-o"), m_dir->filePath(QStringLiteral("out.pdf"))});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(named), qPrintable(r.err));
    }

    void helpInBothLanguages()
    {
        const QProcess::ExitStatus ok = QProcess::NormalExit;
        QProcess p;
        p.start(QStringLiteral(VELTORA_BATCH_EXE), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), ok);
        QCOMPARE(p.exitCode(), 0);
        const QString help = QString::fromLocal8Bit(p.readAllStandardOutput());
        for (const char *word : {"--table", "--columns", "--select", "--copies", "--shift-home", "--printer",
                                 "--workdir", "Печать", "Printing", "Exit status"})
            QVERIFY2(help.contains(QString::fromUtf8(word)), word);
    }

private:
    std::unique_ptr<TempWorkDir> m_dir;
};

QTEST_MAIN(TestBatchCommand)
#include "test_batchcommand.moc"
