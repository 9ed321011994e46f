// The printing service of veltora-batch on a private CUPS server (one cups-pdf queue whose A4 page
// has a printable area 10 mm in from the left and the top, 15 mm from the bottom): the printers and
// the page the queue reports, jobs that land on the queue where they were drawn, and jobs the
// queue refuses or that are dropped. The spooled document is read back with pdftotext -bbox.

#include "logic/files/IoError.h"
#include "platform/CupsPrintingService.h"
#include "platform/CupsQueue.h"
#include "support/PrivateCups.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The queue's printable area, from its PPD's ImageableArea ("28.35 42.52 566.93 813.65" on A4).
const QRectF PrintableMm(QPointF(28.35, 842 - 813.65) / cups::PointsPerMm,
                         QPointF(566.93, 842 - 42.52) / cups::PointsPerMm);

// Attributes of a job as the queue holds them: the media, the copies and how they are collated.
struct JobAttributes
{
    QString media;
    int copies = 0;
    QString collation;
};

JobAttributes jobAttributes(int job)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    JobAttributes a;
    if (ipp_attribute_t *media = response ? ippFindAttribute(response, "media", IPP_TAG_ZERO) : nullptr)
        a.media = QString::fromUtf8(ippGetString(media, 0, nullptr));
    if (ipp_attribute_t *copies = response ? ippFindAttribute(response, "copies", IPP_TAG_INTEGER) : nullptr)
        a.copies = ippGetInteger(copies, 0);
    if (ipp_attribute_t *handling =
            response ? ippFindAttribute(response, "multiple-document-handling", IPP_TAG_ZERO) : nullptr)
        a.collation = QString::fromUtf8(ippGetString(handling, 0, nullptr));
    ippDelete(response);
    return a;
}

QStringList spoolFiles()
{
    return QDir::temp().entryList({QStringLiteral("veltora-*.pdf")}, QDir::Files);
}

} // namespace

class TestCupsPrinting : public PrivateCupsTest
{
    Q_OBJECT
public:
    TestCupsPrinting()
        : PrivateCupsTest(true)
    {
    }

private slots:
    // The queue is listed before the built-in printer, and its page is its default media with the
    // margins of the PPD: the width that the placement works with is the printable area's.
    void printersAndTheQueuesPage()
    {
        CupsPrintingService service;
        const QStringList printers = service.printers();
        QVERIFY2(printers.contains(PrivateCups::QueueName), qPrintable(printers.join(u',')));
        QCOMPARE(printers.constLast(), pdfFilePrinterName());

        service.setCurrentPrinter(PrivateCups::QueueName);
        QCOMPARE(service.currentPrinter(), PrivateCups::QueueName);
        QVERIFY(!service.needsOutputFileName());
        const QPageLayout page = service.pageLayout();
        QCOMPARE(page.pageSize().id(), QPageSize::A4);
        const QRectF area = page.paintRect(QPageLayout::Millimeter);
        QVERIFY2(qAbs(area.left() - PrintableMm.left()) < 0.1 && qAbs(area.top() - PrintableMm.top()) < 0.1 &&
                     qAbs(area.width() - PrintableMm.width()) < 0.1 && qAbs(area.height() - PrintableMm.height()) < 0.1,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 mm")
                                .arg(area.left())
                                .arg(area.top())
                                .arg(area.width())
                                .arg(area.height())));
        QCOMPARE(service.pageWidth(), qRound(PrintableMm.width() * PrintScale));

        // Back on the built-in printer: its own page and an output file again.
        service.setCurrentPrinter(pdfFilePrinterName());
        QVERIFY(service.needsOutputFileName());
        QCOMPARE(service.pageLayout(), pdfPageLayout());
    }

    void unknownPrinterIsRefused()
    {
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::QueueName);
        try {
            service.setCurrentPrinter(QStringLiteral("NoSuchQueue"));
            QFAIL("an unknown printer was taken");
        } catch (const IoError &e) {
            QCOMPARE(e.message(), QStringLiteral("Printer selected is not valid"));
        }
        QCOMPARE(service.currentPrinter(), PrivateCups::QueueName);
    }

    // Two pages sent to the queue: the queue prints them, and in the document it received every
    // line starts at its millimetres from the printable area; the temporary document is gone.
    void jobLandsWhereItWasDrawn()
    {
        const QStringList spoolBefore = spoolFiles();
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::QueueName);
        service.setTitle(QStringLiteral("Велтора"));
        service.beginDoc();
        QVERIFY(service.printing());
        service.canvas().setFont(QStringLiteral("Liberation Sans"), 12, false, false);
        service.canvas().textOut(qRound(20 * PrintScale), qRound(30 * PrintScale), QStringLiteral("Андреев"));
        service.newPage();
        service.canvas().textOut(qRound(50 * PrintScale), qRound(70 * PrintScale), QStringLiteral("Борисова"));
        service.endDoc();
        QVERIFY(!service.printing());
        QCOMPARE(spoolFiles(), spoolBefore);

        const QString spooled = documentReceivedSince(started);
        QVERIFY(!spooled.isEmpty());
        const QString info = cups::pdfInfo(spooled);
        QVERIFY2(info.contains(QStringLiteral("Pages:           2")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Title:           Велтора")), qPrintable(info));
        const auto first = cups::findWord(spooled, QStringLiteral("Андреев"));
        const auto second = cups::findWord(spooled, QStringLiteral("Борисова"));
        QVERIFY(first && second);
        QCOMPARE(first->page, 1);
        QCOMPARE(second->page, 2);
        const auto at = [](const cups::Word &w) {
            return QPointF(w.xMin / cups::PointsPerMm, w.yMin / cups::PointsPerMm) - PrintableMm.topLeft();
        };
        const auto near = [](QPointF a, QPointF b) { return qAbs(a.x() - b.x()) <= 0.5 && qAbs(a.y() - b.y()) <= 0.5; };
        QVERIFY2(near(at(*first), QPointF(20, 30)),
                 qPrintable(QStringLiteral("%1,%2").arg(at(*first).x()).arg(at(*first).y())));
        QVERIFY2(near(at(*second), QPointF(50, 70)),
                 qPrintable(QStringLiteral("%1,%2").arg(at(*second).x()).arg(at(*second).y())));
    }

    // A queue that accepts no jobs is reported with its name and reason before anything is drawn,
    // and one that stops taking jobs while the job is drawn refuses the document; nothing stays
    // behind and the service takes the next job. A dropped job sends nothing.
    void refusedAndDroppedJobs()
    {
        const QStringList spoolBefore = spoolFiles();
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::QueueName);
        const auto message = [](auto &&call) {
            try {
                call();
            } catch (const IoError &e) {
                return e.message();
            }
            return QString();
        };

        QVERIFY(m_cups.rejectJobs(QStringLiteral("Бумага кончилась")));
        const QString before = message([&] { service.beginDoc(); });
        QVERIFY(m_cups.acceptJobs());
        QCOMPARE(
            before,
            QStringLiteral("The printer \"%1\" is not accepting jobs: Бумага кончилась").arg(PrivateCups::QueueName));
        QVERIFY(!service.printing());

        service.beginDoc();
        service.canvas().textOut(100, 100, QStringLiteral("Отказ"));
        QVERIFY(m_cups.rejectJobs(QStringLiteral("Бумага кончилась")));
        const QString during = message([&] { service.endDoc(); });
        QVERIFY(m_cups.acceptJobs());
        QVERIFY2(during.contains(QStringLiteral("\"%1\"").arg(PrivateCups::QueueName)) &&
                     during.contains(QStringLiteral("Бумага кончилась")),
                 qPrintable(during));
        QVERIFY(!service.printing());
        QCOMPARE(spoolFiles(), spoolBefore);
        QCOMPARE(m_cups.pendingJobs(), 0);

        const QString lastSpooled = m_cups.lastSpooledDocument();
        service.beginDoc();
        service.canvas().textOut(100, 100, QStringLiteral("Брошено"));
        service.abort();
        QVERIFY(!service.printing());
        QCOMPARE(spoolFiles(), spoolBefore);
        QCOMPARE(m_cups.pendingJobs(), 0);
        QCOMPARE(m_cups.lastSpooledDocument(), lastSpooled);
    }

    // A queue that offers the envelope's size (cups-pdf's PPD lists DL and C5, both upright) gets a
    // job that asks for it: the page is the envelope, landscape, without margins, the
    // placement starts at its corner, and the job carries the media and the collated copies. A
    // queue for sheets only keeps its own paper, and says so.
    void envelopeMediaOnTheQueue_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("media");
        QTest::newRow("DL") << 220 << 110 << QStringLiteral("iso_dl_110x220mm");
        QTest::newRow("C5") << 229 << 162 << QStringLiteral("iso_c5_162x229mm");
    }
    void envelopeMediaOnTheQueue()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, media);
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::QueueName);
        service.setEnvelopeSize(width, height);
        QVERIFY(service.pageIsEnvelope());
        QVERIFY2(service.requestedMedia().startsWith(media), qPrintable(service.requestedMedia()));
        QCOMPARE(service.pageLayout().fullRect(QPageLayout::Millimeter).size(), QSizeF(width, height));
        QCOMPARE(service.pageLayout().margins(), QMarginsF());
        QCOMPARE(service.pageWidth(), qRound(width * PrintScale));
        QVERIFY2(service.mediaDescription().contains(QStringLiteral("конверт %1 × %2 мм").arg(width).arg(height)),
                 qPrintable(service.mediaDescription()));

        service.setCopies(2);
        service.setTitle(QStringLiteral("Велтора"));
        service.beginDoc();
        service.canvas().setFont(QStringLiteral("Liberation Sans"), 12, false, false);
        service.canvas().textOut(qRound(20 * PrintScale), qRound(30 * PrintScale), QStringLiteral("Андреев"));
        service.endDoc();
        const int job = cupsqueue::lastJobNumber(PrivateCups::QueueName);
        const JobAttributes attributes = jobAttributes(job);
        QVERIFY2(attributes.media.startsWith(media), qPrintable(attributes.media));
        QCOMPARE(attributes.copies, 2);
        QCOMPARE(attributes.collation, QStringLiteral("separate-documents-collated-copies"));

        const QString spooled = documentReceivedSince(started);
        QVERIFY(!spooled.isEmpty());
        const QSizeF page = cups::pdfPageSizeMm(spooled);
        QVERIFY2(qAbs(page.width() - width) < 0.3 && qAbs(page.height() - height) < 0.3,
                 qPrintable(cups::pdfInfo(spooled)));
        const auto word = cups::findWord(spooled, QStringLiteral("Андреев"));
        QVERIFY(word);
        QVERIFY(qAbs(word->xMin / cups::PointsPerMm - 20) <= 0.5);
        QVERIFY(qAbs(word->yMin / cups::PointsPerMm - 30) <= 0.5);
    }

    // An envelope a millimetre off a listed size (DL, 220 x 110) is not sent as that size: the queue,
    // which lists no such size, keeps its own paper.
    void envelopeOffAListedSize()
    {
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::QueueName);
        service.setEnvelopeSize(221, 110);
        QVERIFY2(!service.pageIsEnvelope(), qPrintable(service.requestedMedia()));
        QCOMPARE(service.pageLayout().pageSize().id(), QPageSize::A4);
    }

    void sheetQueueKeepsItsPaper()
    {
        const QString problem = m_cups.addSheetQueue();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        CupsPrintingService service;
        service.setCurrentPrinter(PrivateCups::SheetQueueName);
        service.setEnvelopeSize(220, 110);
        QVERIFY2(!service.pageIsEnvelope(), qPrintable(service.requestedMedia()));
        QVERIFY(service.requestedMedia().isEmpty());
        QCOMPARE(service.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(service.mediaDescription(), QStringLiteral("A4 210 × 297 мм (бумага принтера)"));

        // Asked for A4, the queue is asked for it by name.
        service.setPageChoice(PageChoice::A4);
        QCOMPARE(service.requestedMedia(), QStringLiteral("iso_a4_210x297mm"));
        QVERIFY(!service.pageIsEnvelope());
    }

    // The built-in printer of this service writes its file as the windows' service does (PdfJob):
    // the file named for the job, which serves that job only.
    void pdfFilePrinter()
    {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("envelope.pdf"));
        CupsPrintingService service;
        service.setCurrentPrinter(pdfFilePrinterName());
        QVERIFY_THROWS_EXCEPTION(IoError, service.beginDoc()); // no file named
        service.setOutputFileName(pdf);
        service.beginDoc();
        service.canvas().textOut(qRound(20 * PrintScale), qRound(30 * PrintScale), QStringLiteral("Андреев"));
        service.endDoc();
        QVERIFY(service.needsOutputFileName());
        const auto word = cups::findWord(pdf, QStringLiteral("Андреев"));
        QVERIFY(word);
        const QPointF origin = pdfPageLayout().paintRect(QPageLayout::Point).topLeft();
        QVERIFY(qAbs((word->xMin - origin.x()) / cups::PointsPerMm - 20) <= 0.5);
        QVERIFY(qAbs((word->yMin - origin.y()) / cups::PointsPerMm - 30) <= 0.5);
    }
};

QTEST_MAIN(TestCupsPrinting)
#include "test_cupsprinting.moc"
