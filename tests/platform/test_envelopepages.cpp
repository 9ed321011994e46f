// A group mailing printed by the "PDF file" printer of both printing services, for every envelope
// of the catalogue: the page is the envelope (its size across and down, no margins, not rotated),
// and both blocks land where they stand on the envelope, the centre feed moving nothing. Read back
// with pdfinfo and pdftotext -bbox.

#include "logic/envelope/EnvelopeSizes.h"
#include "logic/files/SettingsFiles.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/Fonts.h"
#include "logic/state/SharedState.h"
#include "platform/CupsPrintingService.h"
#include "platform/QtPrintingService.h"
#include "support/BatchWorkDir.h"
#include "support/PrivateCups.h"
#include "support/TestSupport.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace testing;

namespace {

// pdfinfo's page size in millimetres, and whether the page is turned.
struct PageInfo
{
    QSizeF mm;
    int rotation = -1;
};

PageInfo pageInfo(const QString &pdf)
{
    PageInfo p;
    p.mm = cups::pdfPageSizeMm(pdf);
    const auto rotation = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(cups::pdfInfo(pdf));
    if (rotation.hasMatch())
        p.rotation = rotation.captured(1).toInt();
    return p;
}

enum class Service { Batch, Windows, WindowsAfterPrinterDialog };

} // namespace

class TestEnvelopePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        installFontSubstitutes();
    }

    void everyEnvelopeOfTheCatalogue_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (const EnvelopeSizeRow &row : EnvelopeSizeTable) {
            const QString size = QStringLiteral("%1x%2").arg(row.widthMm).arg(row.heightMm);
            QTest::newRow(qPrintable(QStringLiteral("veltora-batch ") + size))
                << int(Service::Batch) << row.widthMm << row.heightMm;
            QTest::newRow(qPrintable(QStringLiteral("windows ") + size))
                << int(Service::Windows) << row.widthMm << row.heightMm;
        }
        // Once the system's printer dialog has been open, the windows' PDFs go through a QPrinter.
        QTest::newRow("windows after the printer dialog 229x324")
            << int(Service::WindowsAfterPrinterDialog) << 324 << 229;
    }
    void everyEnvelopeOfTheCatalogue()
    {
        QFETCH(int, service);
        QFETCH(int, width);
        QFETCH(int, height);
        TempWorkDir dir;
        writeBatchWorkDir(dir);
        dir.write(QStringLiteral("envs"), settings::int32Record(qint32(FeedMethod::Centre)));

        std::unique_ptr<PrintingService> printing;
        if (Service(service) == Service::Batch) {
            printing = std::make_unique<CupsPrintingService>();
        } else {
            auto windows = std::make_unique<QtPrintingService>();
            if (Service(service) == Service::WindowsAfterPrinterDialog)
                windows->qprinter();
            printing = std::move(windows);
        }
        printing->setCurrentPrinter(pdfFilePrinterName());
        const QString pdf = dir.filePath(QStringLiteral("mailing.pdf"));
        printing->setOutputFileName(pdf);

        SharedState state;
        state.setMainFont(mainWindowFont());
        state.setEnvelope(EnvelopeShape::Standard, width, height);
        state.setSenderFont(FontSetting{QStringLiteral("Liberation Sans"), 10, false, false});
        state.setRecipientFont(FontSetting{QStringLiteral("Liberation Sans"), 12, true, false});
        state.mailing().loadBook(dir.workDir());
        state.mailing().source = SourceMode::AddressBook;
        state.setMailingList(state.mailing().bookNames());
        const PrintOutcome outcome = printBatch(*printing, state, dir.workDir(), {1, 0}, 1);
        QCOMPARE(outcome.kind, PrintOutcome::Kind::Printed);

        const PageInfo page = pageInfo(pdf);
        QVERIFY2(qAbs(page.mm.width() - width) < 0.3 && qAbs(page.mm.height() - height) < 0.3,
                 qPrintable(cups::pdfInfo(pdf)));
        QCOMPARE(page.rotation, 0);

        const QList<cups::Word> words = cups::pdfWords(pdf);
        QVERIFY(!words.isEmpty());
        for (const cups::Word &w : words)
            QVERIFY2(w.xMin >= 0 && w.yMin >= 0 && w.xMin < page.mm.width() * cups::PointsPerMm &&
                         w.yMin < page.mm.height() * cups::PointsPerMm,
                     qPrintable(w.text));
        // The sender from 70 units (5.2 mm) across; the recipient 80 mm in from the right edge, on the
        // first page the second recipient of the book.
        const auto mmOf = [](double points) { return points / cups::PointsPerMm; };
        std::optional<cups::Word> sender;
        std::optional<cups::Word> recipient;
        for (const cups::Word &w : words) {
            if (w.page == 1 && w.text == QStringLiteral("ООО") && !sender)
                sender = w;
            if (w.page == 1 && w.text == QStringLiteral("Сидорова") && !recipient)
                recipient = w;
        }
        QVERIFY(sender && recipient);
        QVERIFY2(qAbs(mmOf(sender->xMin) - 70 / PrintScale) < 0.6, qPrintable(QString::number(mmOf(sender->xMin))));
        QVERIFY2(qAbs(mmOf(recipient->xMin) - (width - 80)) < 0.6, qPrintable(QString::number(mmOf(recipient->xMin))));
        QVERIFY2(qAbs(mmOf(recipient->yMin) - (height - 49)) < 1.5, qPrintable(QString::number(mmOf(recipient->yMin))));
    }

    // Asked for A4, the "PDF file" printer writes the upright A4 sheet with its margins.
    void a4WhenAskedFor()
    {
        CupsPrintingService printing;
        printing.setCurrentPrinter(pdfFilePrinterName());
        printing.setEnvelopeSize(229, 162);
        QVERIFY(printing.pageIsEnvelope());
        printing.setPageChoice(PageChoice::A4);
        QVERIFY(!printing.pageIsEnvelope());
        QCOMPARE(printing.pageLayout(), pdfPageLayout());
        printing.setPageChoice(PageChoice::Envelope);
        QCOMPARE(printing.pageLayout().fullRect(QPageLayout::Millimeter).size(), QSizeF(229, 162));
        QCOMPARE(printing.pageLayout().margins(), QMarginsF());
    }
};

QTEST_MAIN(TestEnvelopePages)
#include "test_envelopepages.moc"
