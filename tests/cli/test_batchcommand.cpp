// veltora-batch as a user runs it: arguments, tables in two encodings, selections, exit status.

#include "support/BatchWorkDir.h"
#include "support/PrivateCups.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

using namespace testing;

namespace {

struct Run
{
    int status = -1;
    QString err;
    QString out;
};

void startBatch(QProcess &p, const QStringList &args, const QProcessEnvironment &env = batchEnvironment())
{
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELTORA_BATCH_EXE), args);
}

// Runs the command; `shellPrefix`, when given, runs in a shell first (limits of the process) and
// the command is exec'ed from it.
Run runBatch(const QStringList &args, const QString &shellPrefix = QString(),
             const QProcessEnvironment &env = batchEnvironment())
{
    QProcess p;
    if (shellPrefix.isEmpty()) {
        startBatch(p, args, env);
    } else {
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("/bin/sh"),
                QStringList{QStringLiteral("-c"), shellPrefix + QStringLiteral("; exec \"$0\" \"$@\""),
                            QStringLiteral(VELTORA_BATCH_EXE)} +
                    args);
    }
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError()), QString::fromLocal8Bit(p.readAllStandardOutput())};
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

QString pdfInfo(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkDir>();
        writeBatchWorkDir(*m_dir);
    }

    // The help and the messages speak one language: --lang, else the system's; English for any other.
    void oneLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("system"); // LANG
        QTest::addColumn<QString>("has");    // letters of the language
        QTest::addColumn<QString>("lacks");  // letters and words of the others
        // A row: its name; the arguments; LANG; what it has; what it lacks.
        for (const QString &row : {QStringLiteral("ru;--lang ru;uk_UA;[ыэъ];[іїєґ]|\\b(the|is|of)\\b| / "),
                                   QStringLiteral("uk;--lang=uk;ru_RU.UTF-8;[іїєґ];[ыэъё]|\\b(the|is|of)\\b| / "),
                                   QStringLiteral("en;--lang en;ru_RU;\\bthe\\b;[\\x{0400}-\\x{04FF}«»“”]"),
                                   QStringLiteral("--lang de;--lang de;ru_RU;\\bthe\\b;[\\x{0400}-\\x{04FF}«»“”]"),
                                   QStringLiteral("LANG=de;;de_DE.UTF-8;\\bthe\\b;[\\x{0400}-\\x{04FF}«»“”]"),
                                   QStringLiteral("LANG=uk;;uk_UA.UTF-8;[іїєґ];[ыэъё]|\\b(the|is|of)\\b| / ")}) {
            const QStringList c = row.split(QLatin1Char(';'));
            QTest::newRow(qPrintable(c.at(0))) << c.at(1) << c.at(2) << c.at(3) << c.at(4);
        }
    }
    void oneLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, system);
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        QString said;
        for (QString args : QStringLiteral("--help|--book --frob|--book --select 1;2 -o OUT|--book --printer Nope|"
                                           "--table nope.csv --columns 0 -o OUT|--book --select 2 -o OUT")
                                .split(QLatin1Char('|'))) {
            args =
                QStringLiteral("%1 --workdir %2 %3").arg(lang, m_dir->path(), args.replace(QStringLiteral("OUT"), out));
            const Run r =
                runBatch(args.split(QLatin1Char(' '), Qt::SkipEmptyParts), QString(), batchEnvironment(system));
            said += r.out + r.err;
        }
        QFETCH(QString, has);
        QFETCH(QString, lacks);
        QVERIFY2(said.contains(QRegularExpression(has)) && !said.contains(QRegularExpression(lacks)), qPrintable(said));
        QVERIFY2(said.count(QStringLiteral("nope.csv")) == 1 && said.contains(QStringLiteral("--split N")) &&
                     said.contains(QStringLiteral("man veltora-batch")) &&
                     said.contains(QStringLiteral(" → %1, ").arg(out)),
                 qPrintable(said));
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
        QTest::newRow("copies 0") << QStringList{QStringLiteral("--book"), QStringLiteral("--copies"),
                                                 QStringLiteral("0"), QStringLiteral("-o"), QStringLiteral("x.pdf")}
                                  << QStringLiteral("--copies");
        QTest::newRow("shift below its range")
            << QStringList{QStringLiteral("--book"), QStringLiteral("--shift-home"), QStringLiteral("-245,0"),
                           QStringLiteral("-o"), QStringLiteral("x.pdf")}
            << QStringLiteral("--shift-home X");
        QTest::newRow("select malformed")
            << QStringList{QStringLiteral("--book"), QStringLiteral("--select"), QStringLiteral("1;2"),
                           QStringLiteral("-o"), QStringLiteral("x.pdf")}
            << QStringLiteral("--select «1;2»");
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
        QTest::newRow("PDF file without a file")
            << QStringList{QStringLiteral("--book"), QStringLiteral("--printer"), QStringLiteral("PDF file")}
            << QStringLiteral("-o ФАЙЛ.pdf");
        QTest::newRow("page") << QStringList{QStringLiteral("--book"), QStringLiteral("--page"), QStringLiteral("a5"),
                                             QStringLiteral("-o"), QStringLiteral("x.pdf")}
                              << QStringLiteral("--page");
        QTest::newRow("header and no header") << QStringList{QStringLiteral("--table"),   QStringLiteral("t.txt"),
                                                             QStringLiteral("--columns"), Columns,
                                                             QStringLiteral("--header"),  QStringLiteral("--no-header"),
                                                             QStringLiteral("-o"),        QStringLiteral("x.pdf")}
                                              << QStringLiteral("--no-header");
        QTest::newRow("header without a table") << QStringList{QStringLiteral("--book"), QStringLiteral("--header"),
                                                               QStringLiteral("-o"), QStringLiteral("x.pdf")}
                                                << QStringLiteral("--header");
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

    // A platform whose fonts name no family (Qt's minimal one draws boxes) does not bring the
    // batch printer down: it prints what the platform can draw.
    void platformWithoutFontFamilies()
    {
        const QString out = m_dir->filePath(QStringLiteral("boxes.pdf"));
        const Run r =
            runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("-o"), out},
                     QStringLiteral("QT_QPA_PLATFORM=minimal; export QT_QPA_PLATFORM"));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), 2);
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

    // An output that exists is replaced only by a whole new one: a selection of nothing is refused
    // before anything is touched; a write that fails (the disk full: here a file size limit) names
    // the file and the reason. Neither leaves the old file changed or a part file behind.
    void outputKept_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("shellPrefix");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty selection") << QStringList{QStringLiteral("--select"), QStringLiteral("2-1")} << QString()
                                         << 2 << QStringLiteral("--select «2-1»: выбор пуст");
#ifdef Q_OS_UNIX
        // sh's ulimit -f counts blocks of 512 bytes: 4 KiB, less than a page of the document.
        QTest::newRow("write fails") << QStringList{QStringLiteral("--select"), QStringLiteral("2,1")}
                                     << QStringLiteral("trap '' XFSZ; ulimit -f 8") << 1
                                     << QStringLiteral("\"OUT\": ") + QString::fromLocal8Bit(std::strerror(EFBIG));
#endif
    }
    void outputKept()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, shellPrefix);
        QFETCH(int, status);
        QFETCH(QString, says);
        const QString out = m_dir->filePath(QStringLiteral("keep.pdf"));
        const QStringList book{QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book")};
        Run r = runBatch(book + QStringList{QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QByteArray old = fileBytes(out);
        QCOMPARE(pdfPages(out), 2);

        r = runBatch(book + args + QStringList{QStringLiteral("-o"), out}, shellPrefix);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(says.replace(QStringLiteral("OUT"), out)), qPrintable(r.err));
        QCOMPARE(fileBytes(out), old);
        QVERIFY(!QFile::exists(out + QStringLiteral(".part")));
    }

#ifdef Q_OS_UNIX
    // Interrupted half-way through a long mailing, the command ends by the signal and leaves the
    // old output as it was and no part file.
    void interruptLeavesNoPartFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void interruptLeavesNoPartFile()
    {
        QFETCH(int, signal);
        QByteArray rows;
        for (int i = 1; i <= 20000; ++i)
            rows += QStringLiteral("Получатель %1\tул. Садовая, %1\tКиев\t01001\r\n").arg(i).toUtf8();
        m_dir->write(QStringLiteral("table.txt"), rows);
        const QString out = m_dir->filePath(QStringLiteral("keep.pdf"));
        const QString part = out + QStringLiteral(".part");
        m_dir->write(QStringLiteral("keep.pdf"), QByteArray("the old output"));

        QProcess p;
        startBatch(p, {QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"),
                       m_dir->filePath(QStringLiteral("table.txt")), QStringLiteral("--columns"), Columns,
                       QStringLiteral("-o"), out});
        QVERIFY(p.waitForStarted());
        // Pages are being written once the part file has grown.
        QElapsedTimer waited;
        waited.start();
        while (QFileInfo(part).size() == 0 && p.state() == QProcess::Running && waited.elapsed() < 60000)
            QTest::qWait(10);
        QVERIFY2(QFileInfo(part).size() > 0, "the part file never grew");
        QVERIFY(::kill(pid_t(p.processId()), signal) == 0);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QCOMPARE(p.exitCode(), signal);
        QVERIFY(!QFile::exists(part));
        QCOMPARE(fileBytes(out), QByteArray("the old output"));
    }
#endif

    // How the rows of a table become envelopes: blank rows are skipped wherever they stand, a first
    // row of titles is skipped when asked or when it looks like one (and said so), a column that no
    // row has is refused before anything is written.
    void tableRows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("firstWords"); // the recipient on each page, in order
        QTest::addColumn<QString>("says");           // in the messages; empty: nothing about titles

        const QString titles = QStringLiteral("Фамилия;Улица;Город;Индекс\n");
        const QString rows = QStringLiteral("Шевченко Тарас;вул. Хрещатик, 1;Київ;01001\n"
                                            "Франко Іван;пр. Миру, 12;Одеса;65000\n");
        const QString columns = QStringLiteral("0,-,-,1,2,-,-,-,3");
        const QStringList both{QStringLiteral("Шевченко"), QStringLiteral("Франко")};
        QTest::newRow("blank rows") << QStringLiteral(";;;\nШевченко Тарас;вул. Хрещатик, 1;Київ;01001\n\n"
                                                      " ; ;;\nФранко Іван;пр. Миру, 12;Одеса;65000\n;;;;;;\n")
                                    << columns << QStringList() << 0 << both << QString();
        QTest::newRow("titles detected") << titles + rows << columns << QStringList() << 0 << both
                                         << QStringLiteral("заголовки");
        QTest::newRow("titles by their postal code") << QStringLiteral("Кому;Куда;Где;Код\n") + rows << columns
                                                     << QStringList() << 0 << both << QStringLiteral("заголовки");
        QTest::newRow("titles printed with --no-header")
            << titles + rows << columns << QStringList{QStringLiteral("--no-header")} << 0
            << QStringList{QStringLiteral("Фамилия"), QStringLiteral("Шевченко"), QStringLiteral("Франко")}
            << QString();
        QTest::newRow("--header skips a recipient") << rows << columns << QStringList{QStringLiteral("--header")} << 0
                                                    << QStringList{QStringLiteral("Франко")} << QString();
        QTest::newRow("plain rows are not titles") << rows << columns << QStringList() << 0 << both << QString();
        QTest::newRow("column no row has") << rows << QStringLiteral("0,-,-,1,2,-,-,-,4") << QStringList() << 2
                                           << QStringList() << QStringLiteral("столбца 4 (счёт с 0)");
        QTest::newRow("column only a title has")
            << QStringLiteral("Фамилия;Улица;Город;Индекс;Страна\n") + rows << QStringLiteral("0,-,-,1,2,-,-,4,3")
            << QStringList() << 2 << QStringList() << QStringLiteral("столбцов: 4");
        QTest::newRow("only titles") << titles << columns << QStringList() << 2 << QStringList()
                                     << QStringLiteral("пуст");
        QTest::newRow("blank key after titles")
            << titles + QStringLiteral(";ул. Мира, 1;Киев;01001\n") << columns << QStringList() << 2 << QStringList()
            << QStringLiteral("строка 2, столбец 1");
    }
    void tableRows()
    {
        QFETCH(QString, table);
        QFETCH(QString, columns);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QStringList, firstWords);
        QFETCH(QString, says);
        m_dir->write(QStringLiteral("t.csv"), table.toUtf8());
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r = runBatch(QStringList{QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"),
                                           m_dir->filePath(QStringLiteral("t.csv")), QStringLiteral("--columns"),
                                           columns, QStringLiteral("-o"), out} +
                               options);
        QVERIFY2(r.status == status, qPrintable(r.err));
        if (says.isEmpty())
            QVERIFY2(!r.err.contains(QStringLiteral("заголовки")), qPrintable(r.err));
        else
            QVERIFY2(r.err.contains(says), qPrintable(r.err));
        if (status != 0) {
            QVERIFY(!QFile::exists(out));
            return;
        }
        QCOMPARE(pdfPages(out), firstWords.size());
        const QStringList pages = pdfText(out).split(QLatin1Char('\f'));
        for (int i = 0; i < firstWords.size(); ++i)
            QVERIFY2(pages.at(i).contains(firstWords.at(i)), qPrintable(pages.at(i)));
    }

    // Workbooks (their first sheet or a named one) and vCard contacts as recipients.
    void workbooksAndContacts_data()
    {
        QTest::addColumn<QStringList>("args"); // a fixture's name stands for its path
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("firstWords");
        QTest::addColumn<QString>("says");
        const QString xlsx = QStringLiteral("mailing/workbook.xlsx"), ods = QStringLiteral("mailing/workbook.ods");
        QTest::newRow(".xlsx, first sheet") << QStringList{QStringLiteral("--table"), xlsx, QStringLiteral("--columns"),
                                                           QStringLiteral("0,1,-,2,3,-,-,-,4")}
                                            << 0
                                            << QStringList{QStringLiteral("01001"), QStringLiteral("Петров"),
                                                           QStringLiteral("Петров"), QStringLiteral("49000")}
                                            << QStringLiteral("заголовки");
        QTest::newRow(".ods, named sheet")
            << QStringList{QStringLiteral("--table"),   ods,
                           QStringLiteral("--sheet"),   QStringLiteral("Прочее"),
                           QStringLiteral("--columns"), QStringLiteral("0,1,-,-,-,-,-,-,-")}
            << 0 << QStringList{QStringLiteral("второй лист")} << QString();
        QTest::newRow("no such sheet") << QStringList{QStringLiteral("--table"),   ods,
                                                      QStringLiteral("--sheet"),   QStringLiteral("Нет"),
                                                      QStringLiteral("--columns"), QStringLiteral("0,1,-,-,-,-,-,-,-")}
                                       << 2 << QStringList() << QStringLiteral("Адреса, Прочее");
        QTest::newRow("--sheet without --table")
            << QStringList{QStringLiteral("--book"), QStringLiteral("--sheet"), QStringLiteral("A")} << 2
            << QStringList() << QStringLiteral("--sheet");
        QTest::newRow("phone contacts") << QStringList{QStringLiteral("--vcard"),
                                                       QStringLiteral("addresses/phone-3.0.vcf")}
                                        << 0
                                        << QStringList{QStringLiteral("Шевченко"), QStringLiteral("Петренко"),
                                                       QStringLiteral("Коваль")}
                                        << QStringLiteral("контактов без почтового адреса (не печатаются): 1");
        QTest::newRow("desktop contacts")
            << QStringList{QStringLiteral("--vcard"), QStringLiteral("addresses/desktop-4.0.vcf")} << 0
            << QStringList{QStringLiteral("Мельник"), QStringLiteral("Броварський")} << QString();
        QTest::newRow("a table as contacts") << QStringList{QStringLiteral("--vcard"), xlsx} << 2 << QStringList()
                                             << QStringLiteral("это не файл vCard");
    }
    void workbooksAndContacts()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, firstWords);
        QFETCH(QString, says);
        for (QString &a : args)
            if (a.contains(QLatin1Char('/')))
                a = fixturePath(a);
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r =
            runBatch(QStringList{QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("-o"), out} + args);
        QVERIFY2(r.status == status, qPrintable(r.err));
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        QCOMPARE(QFile::exists(out), status == 0);
        if (status != 0)
            return;
        QCOMPARE(pdfPages(out), firstWords.size());
        const QStringList pages = pdfText(out).split(QLatin1Char('\f'));
        for (int i = 0; i < firstWords.size(); ++i)
            QVERIFY2(pages.at(i).contains(firstWords.at(i)), qPrintable(pages.at(i)));
    }

    // Two rows with one surname are two recipients, each with the address of its own row.
    void rowsSharingASurnameKeepTheirAddresses()
    {
        m_dir->write(QStringLiteral("t.txt"), QStringLiteral("Иванов\tул. Первая, 1\tКиев\t01001\n"
                                                             "Иванов\tул. Вторая, 2\tЛьвов\t79000\n")
                                                  .toUtf8());
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"),
                                m_dir->filePath(QStringLiteral("t.txt")), QStringLiteral("--columns"), Columns,
                                QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList pages = pdfText(out).split(QLatin1Char('\f'));
        QVERIFY(pages.at(0).contains(QStringLiteral("Первая")) && !pages.at(0).contains(QStringLiteral("Вторая")));
        QVERIFY(pages.at(1).contains(QStringLiteral("Вторая")) && !pages.at(1).contains(QStringLiteral("Первая")));
    }

    // Copies in a PDF are pages: the whole selection again for every copy, as a printer collates.
    // The summary line counts envelopes and pages.
    void copiesAreCollatedPages()
    {
        m_dir->write(QStringLiteral("table.txt"), Table.toUtf8());
        const QString out = m_dir->filePath(QStringLiteral("out.pdf"));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--table"),
                                m_dir->filePath(QStringLiteral("table.txt")), QStringLiteral("--columns"), Columns,
                                QStringLiteral("--select"), QStringLiteral("3,1"), QStringLiteral("--copies"),
                                QStringLiteral("3"), QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), 6);
        const QStringList pages = pdfText(out).split(QLatin1Char('\f'));
        for (int i = 0; i < 6; ++i)
            QVERIFY2(
                pages.at(i).contains(i % 2 == 0 ? QStringLiteral("Франко Іван") : QStringLiteral("Шевченко Тарас")),
                qPrintable(QString::number(i)));
        QVERIFY2(r.err.contains(QStringLiteral("2 конверта → %1, 6 страниц").arg(out)), qPrintable(r.err));
        QVERIFY(!pdfInfo(out).contains(QStringLiteral("NumCopies")));
    }

    // "-o -" writes the document to the standard output, and nothing else goes there.
    void pdfToStandardOutput()
    {
        QProcess p;
        startBatch(p, {QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"), QStringLiteral("-o"),
                       QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(err));
        const QByteArray pdf = p.readAllStandardOutput();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        m_dir->write(QStringLiteral("stdout.pdf"), pdf);
        QCOMPARE(pdfPages(m_dir->filePath(QStringLiteral("stdout.pdf"))), 2);
        QVERIFY2(err.contains(QStringLiteral("2 конверта → стандартный вывод")), qPrintable(err));
        QVERIFY(!QFile::exists(QStringLiteral("-")) && !QFile::exists(QStringLiteral("-.part")));
    }

    void versionAndNamedPdfPrinter()
    {
        QProcess p;
        p.start(QStringLiteral(VELTORA_BATCH_EXE), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromLatin1(p.readAllStandardOutput()).trimmed(),
                 QStringLiteral("veltora-batch " VELTORA_VERSION));

        // The built-in printer named together with its file is that file.
        const QString out = m_dir->filePath(QStringLiteral("named.pdf"));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"),
                                QStringLiteral("--printer"), QStringLiteral("PDF file"), QStringLiteral("-o"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), 2);
    }

    // "--page printer" keeps the printer's paper: for a file, the A4 sheet instead of the envelope.
    void printerPageOfAFileIsA4()
    {
        const QString pdf = m_dir->filePath(QStringLiteral("sheet.pdf"));
        const Run r = runBatch({QStringLiteral("--workdir"), m_dir->path(), QStringLiteral("--book"),
                                QStringLiteral("--page"), QStringLiteral("printer"), QStringLiteral("-o"), pdf});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QSizeF page = cups::pdfPageSizeMm(pdf);
        QVERIFY2(qAbs(page.width() - 210) < 0.5 && qAbs(page.height() - 297) < 0.5, qPrintable(pdfInfo(pdf)));
    }

    // A new folder is prepared as a working directory and prints; --split writes a file per job.
    void newWorkingDirectoryAndAFilePerJob()
    {
        m_dir->write(QStringLiteral("t.txt"), Table.repeated(15).toUtf8());
        const QStringList mailing = QStringLiteral("--workdir %1/new --table %1/t.txt --columns %2 --split 10 -o")
                                        .arg(m_dir->path(), Columns)
                                        .split(QLatin1Char(' '));
        Run r = runBatch(mailing + QStringList{m_dir->filePath(QStringLiteral("m-%02d.pdf"))});
        QVERIFY2(r.status == 0 && QFile::exists(m_dir->filePath(QStringLiteral("new/parfile"))), qPrintable(r.err));
        for (const int job : {1, 2, 3, 4, 5, 6})
            QCOMPARE(pdfPages(m_dir->filePath(QStringLiteral("m-0%1.pdf").arg(job))), job < 5 ? 10 : job == 5 ? 5 : -1);
        r = runBatch(mailing + QStringList{m_dir->filePath(QStringLiteral("m-%d-%d.pdf"))});
        QVERIFY2(r.status == 2 && r.err.contains(QStringLiteral("--split")), qPrintable(r.err));
    }

private:
    std::unique_ptr<TempWorkDir> m_dir;
};

QTEST_MAIN(TestBatchCommand)
#include "test_batchcommand.moc"
