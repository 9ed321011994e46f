// A batch printed on real printers: three envelopes chosen in the print setup dialog, through a
// print queue of a private CUPS server (cups-pdf) and through the built-in "PDF file" printer.
// The document has one page per envelope, in the order typed, each page the envelope itself, and on
// every page the first line of each block starts where the batch placement put it, whatever the feed
// method (pdftotext -bbox, within 0.5 mm).

#include "logic/files/SettingsFiles.h"
#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"
#include "platform/QtPrintingService.h"
#include "support/PrivateCups.h"
#include "support/TestSupport.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/print/PrintSetupDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testing;

class TestBatchQueue : public PrivateCupsTest
{
    Q_OBJECT
private slots:
    void batchOfThree_data()
    {
        QTest::addColumn<bool>("queue");
        QTest::addColumn<int>("feed");
        QTest::newRow("queue, left edge") << true << 1;
        QTest::newRow("queue, centre") << true << 4;
        QTest::newRow("PDF file, centre") << false << 4;
    }
    void batchOfThree()
    {
        QFETCH(bool, queue);
        QFETCH(int, feed);
        if (queue && !m_cupsProblem.isEmpty())
            QSKIP(qPrintable(m_cupsProblem));

        TestProgram program(true, createSystemPrintingService());
        WorkDir &dir = program.dir().workDir();
        settings::writeEnvelopeSize(dir, 110, 220);
        settings::writeFeedMethod(dir, FeedMethod(feed));
        dir.writeLines(QStringLiteral("user.txt"), {QStringLiteral("Отправитель"), QStringLiteral("г. Харьков")});
        program.start();
        AppContext &ctx = program.ctx();
        SharedState &s = program.state();
        // Records of real localities with their postal codes: the print setup asks nothing before it prints.
        s.mailing().setBookLines(bookRecord({"Андреев", "ул. Липовая, 1", "Киев", "", "", "", "01001"}) +
                                 bookRecord({"Борисова", "пр. Мира, 2", "Львов", "", "", "", "79002"}) +
                                 bookRecord({"Васильев", "ул. Садовая, 3", "Одесса", "", "", "", "65001"}));
        s.setMailingList({QStringLiteral("Андреев"), QStringLiteral("Борисова"), QStringLiteral("Васильев")});

        QTemporaryDir out;
        const QString file = out.filePath(QStringLiteral("batch.pdf"));
        ctx.printing.setCurrentPrinter(queue ? PrivateCups::QueueName : pdfFilePrinterName());
        if (!queue)
            ctx.printing.setOutputFileName(file);
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

        // As the user does it: "Печать", the numbers 3,1-2, OK.
        PrintSetupDialog::open(ctx, program.feedMethodDialog(), program.mainWindow());
        PrintSetupDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<PrintSetupDialog *>(w); d && d->isVisible())
                dialog = d;
        QVERIFY(dialog);
        dialog->numbersButton()->click();
        dialog->numberEdit()->setText(QStringLiteral("3,1-2"));
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        QVERIFY2(program.messages().all.isEmpty(), qPrintable(program.messages().all.join(u'\n')));

        QString measured = file;
        if (queue) {
            const QString produced = m_cups.waitForOutput(started, m_seen);
            QVERIFY2(!produced.isEmpty(), "the queue wrote no PDF");
            m_seen.insert(produced);
            const QString info = cups::pdfInfo(produced);
            QFile::remove(produced);
            QVERIFY2(info.contains(QStringLiteral("Pages:           3")), qPrintable(info));
            // cups-pdf's output holds no readable text: positions are measured in the document the
            // queue received.
            measured = m_cups.lastSpooledDocument();
        }
        QVERIFY(QFile::exists(measured));
        QVERIFY2(cups::pdfInfo(measured).contains(QStringLiteral("Pages:           3")),
                 qPrintable(cups::pdfInfo(measured)));

        // The queue lists the DL envelope and the PDF's page is the envelope: the page is the
        // envelope itself, placed from its corner, and the feed method moves nothing.
        QVERIFY(ctx.printing.pageIsEnvelope());
        const QPointF area(0, 0);
        const BlockAnchors a =
            printPlacement(placementInput(s, FeedMethod::LeftEdge, ctx.printing.pageWidth()), PlacementKind::Batch);
        const QPointF sender(a.senderX / PrintScale, a.senderY / PrintScale);
        const QPointF recipient(a.recipientX / PrintScale, a.recipientY / PrintScale);
        const QList<cups::Word> words = cups::pdfWords(measured);
        const QStringList order{QStringLiteral("Васильев"), QStringLiteral("Андреев"), QStringLiteral("Борисова")};
        for (int page = 1; page <= 3; ++page) {
            std::optional<QPointF> senderAt, recipientAt;
            for (const cups::Word &w : words) {
                if (w.page != page)
                    continue;
                const QPointF mm((w.xMin - area.x()) / cups::PointsPerMm, (w.yMin - area.y()) / cups::PointsPerMm);
                if (w.text == QStringLiteral("Отправитель"))
                    senderAt = mm;
                else if (w.text == order.at(page - 1))
                    recipientAt = mm;
            }
            QVERIFY2(senderAt && recipientAt, qPrintable(QStringLiteral("page %1 lacks its blocks").arg(page)));
            const auto near = [](QPointF a, QPointF b) {
                return qAbs(a.x() - b.x()) <= 0.5 && qAbs(a.y() - b.y()) <= 0.5;
            };
            QVERIFY2(
                near(*senderAt, sender),
                qPrintable(
                    QStringLiteral("page %1: sender at %2, %3 mm").arg(page).arg(senderAt->x()).arg(senderAt->y())));
            QVERIFY2(near(*recipientAt, recipient), qPrintable(QStringLiteral("page %1: recipient at %2, %3 mm")
                                                                   .arg(page)
                                                                   .arg(recipientAt->x())
                                                                   .arg(recipientAt->y())));
        }
        QCOMPARE(ctx.printing.pageWidth(), 2948);
        QCOMPARE(a.senderX, 70);
    }
};

QTEST_MAIN(TestBatchQueue)
#include "test_batchqueue.moc"
