// The canvas of the system printing service keeps what it learns about texts within a job: the
// laid-out lines are remembered (boundedly) and drawn per page. What lands in the PDF is read back
// with pdftotext -bbox.

#include "common/PrivateCups.h"
#include "print/QtPrintingService.h"

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
        auto &canvas = static_cast<QtPrintCanvas &>(service.canvas());
        constexpr int PerPage = 10;
        const int pages = (QtPrintCanvas::MaxShapedTexts * 3 / 2) / PerPage;
        int n = 0;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                service.newPage();
            canvas.setFont(QStringLiteral("Liberation Sans"), 10, false, false);
            canvas.textOut(70, 290, Sender);
            canvas.setFont(QStringLiteral("Liberation Serif"), 12, true, false);
            for (int i = 0; i < PerPage; ++i)
                canvas.textOut(1800, 800 + 70 * i, numbered(n++));
            QVERIFY(canvas.shapedTexts() <= QtPrintCanvas::MaxShapedTexts);
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
};

QTEST_MAIN(TestPrintCanvas)
#include "test_printcanvas.moc"
