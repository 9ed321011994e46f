// The envelope of the main window printed on real printers: through a print queue of a private
// CUPS server (cups-pdf) and through the built-in "PDF file" printer at two resolutions. Where the
// first sender line and the first recipient line start is measured in the produced PDF with
// pdftotext -bbox, in millimetres from the printable area, and compared with the placement.

#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "platform/QtPrintingService.h"
#include "support/PrivateCups.h"
#include "support/TestSupport.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"

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
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <pwd.h>
#include <unistd.h>

using namespace testing;

namespace {

struct Measured
{
    QPointF sender; // mm from the top-left corner of the printable area (of the envelope's own page)
    QPointF recipient;
    QPointF senderNominal; // where the placement put them, mm
    QPointF recipientNominal;
    bool envelopePage = false; // the page was the envelope itself (a PDF, or media the queue lists)
    QSizeF pageMm;             // the page of the document measured
};

} // namespace

class TestCupsQueue : public PrivateCupsTest
{
    Q_OBJECT
private slots:
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
        // Untouched resolution: no QPrinter is made before the job, and the page read afterwards
        // from the QPrinter made then is the one printed on.
        QTest::newRow("default, 110x220, left edge") << 0 << 110 << 220 << 1;
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
        // The page is the envelope: its width across, its height down.
        QVERIFY(m.envelopePage);
        QVERIFY2(qAbs(m.pageMm.width() - width) < 0.5 && qAbs(m.pageMm.height() - height) < 0.5,
                 qPrintable(cups::pdfInfo(pdf)));
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
        QVERIFY(cups::pdfInfo(pdf).contains(QStringLiteral("Pages:           2")));
        QVERIFY(cups::findWord(pdf, QStringLiteral("Петренко")));
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
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        QString produced;
        QString spooled;
        const Measured m = printEnvelope(PrivateCups::QueueName, 0, height, width, feed, QString(), [&] {
            produced = m_cups.waitForOutput(started, m_seen);
            if (produced.isEmpty())
                return QString();
            m_seen.insert(produced);
            // cups-pdf's Ghostscript turns the fonts into Type 3 fonts whose text pdftotext cannot
            // read back, so the positions are measured in the document the queue received and
            // printed (kept in the spool); the queue's output only has to be there, one A4 page.
            spooled = m_cups.lastSpooledDocument();
            return spooled;
        });
        keep(produced, QStringLiteral("cups-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        keep(spooled, QStringLiteral("cups-spooled-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        const QString info = cups::pdfInfo(produced);
        QFile::remove(produced);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));
        // The queue lists the DL envelope (110 x 220) and not C6 (114 x 162), which prints on its A4.
        QCOMPARE(m.envelopePage, width == 220 && height == 110);
        if (m.envelopePage)
            QVERIFY2(qAbs(m.pageMm.width() - width) < 0.5 && qAbs(m.pageMm.height() - height) < 0.5,
                     qPrintable(cups::pdfInfo(spooled)));
        else
            QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
        checkPlacement(m);
    }

    // A queue that refuses jobs: the print of the main window reports it with the printer's name and
    // reason, and nothing reaches the queue. A queue that stops taking jobs while the job is drawn:
    // the job's end reports it, as the QPrinter does not.
    void refusingQueue()
    {
        if (!m_cupsProblem.isEmpty())
            QSKIP(qPrintable(m_cupsProblem));
        const QString reason = QStringLiteral("Замятие бумаги");
        const QString expected =
            QStringLiteral("The printer \"%1\" is not accepting jobs: %2").arg(PrivateCups::QueueName, reason);
        {
            TestProgram program(true, createSystemPrintingService());
            settings::writeEnvelopeSize(program.dir().workDir(), 110, 220);
            MainWindow *main = program.start();
            program.ctx().printing.setCurrentPrinter(PrivateCups::QueueName);
            main->recipientBox()->setPlainText(QStringLiteral("Петренко Ольга Петровна\nг. Харьков"));
            program.feedMethodDialog()->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
            QVERIFY(m_cups.rejectJobs(reason));
            main->printEnvelope();
            QVERIFY(m_cups.acceptJobs());
            QVERIFY2(program.messages().all.join(u'\n').contains(expected),
                     qPrintable(program.messages().all.join(u'\n')));
            QVERIFY(!program.printing().printing());
            QCOMPARE(m_cups.pendingJobs(), 0);
        }

        auto service = createSystemPrintingService();
        service->setCurrentPrinter(PrivateCups::QueueName);
        service->beginDoc();
        service->canvas().textOut(70, 290, QStringLiteral("Иванов"));
        QVERIFY(m_cups.rejectJobs(reason));
        QString message;
        try {
            service->endDoc();
        } catch (const IoError &e) {
            message = e.message();
        }
        QVERIFY(m_cups.acceptJobs());
        QCOMPARE(message, expected);
        QVERIFY(!service->printing());
        QCOMPARE(m_cups.pendingJobs(), 0);
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
        settings::writeEnvelopeSize(program.dir().workDir(), height, width);
        MainWindow *main = program.start();
        AppContext &ctx = program.ctx();
        ctx.printing.setCurrentPrinter(printer);
        if (dpi > 0)
            ctx.printing.qprinter()->setResolution(dpi);
        if (!file.isEmpty())
            ctx.printing.setOutputFileName(file);

        main->senderBox()->setPlainText(
            QStringLiteral("Иванов Иван Иванович\nул. Шевченко, 12, кв. 5\nг. Киев\n01001"));
        main->recipientBox()->setPlainText(
            QStringLiteral("Петренко Ольга Петровна\nпр. Науки, 45, кв. 17\nг. Харьков\n61000"));
        // Confirm the feed method, as the user does before the first print of a run.
        program.feedMethodDialog()
            ->findChild<QRadioButton *>(feed == 4 ? QStringLiteral("centreButton") : QStringLiteral("leftEdgeButton"))
            ->setChecked(true);
        program.feedMethodDialog()->findChild<QPushButton *>(QStringLiteral("okButton"))->click();

        main->printEnvelope();
        [&] { QVERIFY2(program.messages().all.isEmpty(), qPrintable(program.messages().all.join(u'\n'))); }();

        const QString pdf = waitForFile();
        Measured m;
        [&] { QVERIFY2(!pdf.isEmpty() && QFile::exists(pdf), qPrintable(QStringLiteral("no PDF from ") + printer)); }();
        // On the envelope's own page the blocks are placed from its corner and the feed moves nothing.
        m.envelopePage = ctx.printing.pageIsEnvelope();
        m.pageMm = cups::pdfPageSizeMm(pdf);
        const QPointF area =
            m.envelopePage ? QPointF() : ctx.printing.qprinter()->pageLayout().paintRect(QPageLayout::Point).topLeft();
        const auto sender = cups::findWord(pdf, QStringLiteral("Иванов"));
        const auto recipient = cups::findWord(pdf, QStringLiteral("Петренко"));
        [&] {
            QVERIFY(sender);
            QVERIFY(recipient);
        }();
        if (!sender || !recipient)
            return m;
        const auto mm = [&](const cups::Word &w) {
            return QPointF((w.xMin - area.x()) / cups::PointsPerMm, (w.yMin - area.y()) / cups::PointsPerMm);
        };
        m.sender = mm(*sender);
        m.recipient = mm(*recipient);
        const BlockAnchors a =
            printPlacement(placementInput(program.state(), m.envelopePage ? FeedMethod::LeftEdge : FeedMethod(feed),
                                          ctx.printing.pageWidth()),
                           PlacementKind::Single);
        m.senderNominal = QPointF(a.senderX / PrintScale, a.senderY / PrintScale);
        m.recipientNominal = QPointF(a.recipientX / PrintScale, a.recipientY / PrintScale);
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

    QHash<QString, Measured> m_byResolution;
};

QTEST_MAIN(TestCupsQueue)
#include "test_cupsqueue.moc"
