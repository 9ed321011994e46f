// The canvas of the system printing service keeps what it learns about texts within a job: the
// laid-out lines are remembered (boundedly) and drawn per page. The "PDF file" printer writes the
// same document whether it goes through a QPrinter or not. What lands in the PDF is read back with
// pdftotext -bbox.

#include "logic/files/IoError.h"
#include "platform/QtPrintingService.h"
#include "support/PrivateCups.h"

#include <QPrinter>
#include <QRegularExpression>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Sender = QStringLiteral("Петренко Ольга Петровна");

QString numbered(int n)
{
    return QStringLiteral("Строка%1 адресата").arg(n);
}

// Words of the document by page: text -> top-left corner in points.
QList<QHash<QString, QPointF>> wordsByPage(const QString &pdf)
{
    QList<QHash<QString, QPointF>> pages;
    for (const cups::Word &w : cups::pdfWords(pdf)) {
        while (pages.size() < w.page)
            pages.append(QHash<QString, QPointF>());
        pages[w.page - 1].insert(w.text, QPointF(w.xMin, w.yMin));
    }
    return pages;
}

bool near(QPointF a, QPointF b)
{
    return qAbs(a.x() - b.x()) < 0.05 && qAbs(a.y() - b.y()) < 0.05;
}

// A two-page job on the "PDF file" printer; through the service's QPrinter when asked for first, as
// the printer set-up dialog does.
void printTwoPages(QtPrintingService &service, const QString &pdf, bool viaQPrinter)
{
    service.setCurrentPrinter(pdfFilePrinterName());
    if (viaQPrinter)
        QVERIFY(service.qprinter());
    service.setPortrait();
    service.setTitle(QStringLiteral("Велтора"));
    service.setOutputFileName(pdf);
    QCOMPARE(service.currentPrinter(), pdfFilePrinterName());
    service.beginDoc();
    service.canvas().setFont(QStringLiteral("Liberation Sans"), 10, false, false);
    service.canvas().textOut(70, 290, Sender);
    service.newPage();
    service.canvas().setFont(QStringLiteral("Liberation Serif"), 14, true, true);
    service.canvas().textOut(service.pageWidth() - 1500, 2500, numbered(1));
    service.endDoc();
}

QString infoWithoutDates(const QString &pdf)
{
    return cups::pdfInfo(pdf).remove(QRegularExpression(QStringLiteral("(Creation|Mod)Date:[^\n]*\n")));
}

} // namespace

class TestPrintCanvas : public QObject
{
    Q_OBJECT

    QTemporaryDir m_out;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // More distinct lines than the canvas keeps: every line still lands on its own page, and the
    // line repeated on every page at the same place, whether it was remembered or laid out anew.
    void manyDistinctLinesEachOnItsPage()
    {
        const QString pdf = m_out.filePath(QStringLiteral("many.pdf"));
        QtPrintingService service;
        service.setCurrentPrinter(pdfFilePrinterName());
        service.setOutputFileName(pdf);
        service.beginDoc();
        auto &canvas = static_cast<PdfCanvas &>(service.canvas());
        constexpr int PerPage = 10;
        const int pages = (PdfCanvas::MaxShapedTexts * 3 / 2) / PerPage;
        int n = 0;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                service.newPage();
            canvas.setFont(QStringLiteral("Liberation Sans"), 10, false, false);
            canvas.textOut(70, 290, Sender);
            canvas.setFont(QStringLiteral("Liberation Serif"), 12, true, false);
            for (int i = 0; i < PerPage; ++i)
                canvas.textOut(1800, 800 + 70 * i, numbered(n++));
            QVERIFY(canvas.shapedTexts() <= PdfCanvas::MaxShapedTexts);
        }
        service.endDoc();
        QCOMPARE(canvas.shapedTexts(), 0); // nothing learnt outlives the job

        const auto words = wordsByPage(pdf);
        QCOMPARE(words.size(), pages);
        const QPointF senderAt = words.at(0).value(QStringLiteral("Петренко"));
        const QPointF firstAt = words.at(0).value(QStringLiteral("Строка0"));
        n = 0;
        for (int page = 0; page < pages; ++page) {
            QVERIFY2(near(words.at(page).value(QStringLiteral("Петренко")), senderAt),
                     qPrintable(QString::number(page)));
            QCOMPARE(words.at(page).value(QStringLiteral("Строка%1").arg(n)).x(), firstAt.x());
            n += PerPage;
        }
    }

    // Without a QPrinter the file has the page, margins, resolution, title and creator that a
    // QPrinter gives it: every word at the same place, and the page the service reports is the
    // QPrinter's.
    void pdfFileAlikeWithAndWithoutQPrinter()
    {
        const QString direct = m_out.filePath(QStringLiteral("direct.pdf"));
        const QString viaPrinter = m_out.filePath(QStringLiteral("qprinter.pdf"));
        QtPrintingService a;
        printTwoPages(a, direct, false);
        QtPrintingService b;
        printTwoPages(b, viaPrinter, true);

        QCOMPARE(a.pageWidth(), b.pageWidth());
        QCOMPARE(a.pageLayout(), b.qprinter()->pageLayout());
        QCOMPARE(a.pageLayout(), a.qprinter()->pageLayout()); // made late, it prints on the same page
        QCOMPARE(a.currentPrinter(), pdfFilePrinterName());

        const auto words = wordsByPage(direct);
        QCOMPARE(words.size(), 2);
        QCOMPARE(words, wordsByPage(viaPrinter));
        const QString info = infoWithoutDates(direct);
        QVERIFY2(info.contains(QStringLiteral("Creator:         Велтора")), qPrintable(info));
        QCOMPARE(info, infoWithoutDates(viaPrinter));
    }

    // A job dropped half-way leaves no file, and a file that cannot be created fails the job before
    // it starts; the printer prints again afterwards.
    void pdfFileAbortAndUncreatableFile_data()
    {
        QTest::addColumn<bool>("viaQPrinter");
        QTest::newRow("without QPrinter") << false;
        QTest::newRow("through QPrinter") << true;
    }
    void pdfFileAbortAndUncreatableFile()
    {
        QFETCH(bool, viaQPrinter);
        QtPrintingService service;
        service.setCurrentPrinter(pdfFilePrinterName());
        if (viaQPrinter)
            service.qprinter();

        const QString dropped = m_out.filePath(QStringLiteral("dropped.pdf"));
        service.setOutputFileName(dropped);
        service.beginDoc();
        service.canvas().textOut(70, 290, Sender);
        service.newPage();
        service.abort();
        QVERIFY(!service.printing());
        QVERIFY(!QFile::exists(dropped));

        service.setOutputFileName(m_out.filePath(QStringLiteral("no such folder/x.pdf")));
        QVERIFY_THROWS_EXCEPTION(IoError, service.beginDoc());
        QVERIFY(!service.printing());
        QVERIFY(service.needsOutputFileName());

        const QString again = m_out.filePath(QStringLiteral("again.pdf"));
        service.setOutputFileName(again);
        service.beginDoc();
        service.canvas().textOut(70, 290, Sender);
        service.endDoc();
        QCOMPARE(wordsByPage(again).size(), 1);
    }
};

QTEST_MAIN(TestPrintCanvas)
#include "test_printcanvas.moc"
