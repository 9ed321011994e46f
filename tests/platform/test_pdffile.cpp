// The "PDF file" printer of both printing services, told to write a file that exists: the file is
// replaced only by a whole new document. A job that fails (the disk full: a file size limit here)
// or is dropped leaves the old file as it was and nothing beside it, and the failure names the file
// and the system's reason.

#include "logic/files/IoError.h"
#include "platform/PdfJob.h"
#include "platform/QtPrintingService.h"
#include "support/FailingWrites.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#ifndef Q_OS_WIN
#include "platform/CupsPrintingService.h"
#endif

namespace {

using MakeService = std::function<std::unique_ptr<PrintingService>()>;

const QByteArray OldOutput = QByteArrayLiteral("the old output");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Draws `pages` pages of a few lines each.
void drawPages(PrintingService &service, int pages)
{
    service.canvas().setFont(QStringLiteral("Liberation Sans"), 12, false, false);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            service.newPage();
        for (int line = 0; line < 10; ++line)
            service.canvas().textOut(100, 100 + line * 80, QStringLiteral("Конверт %1, строка %2").arg(page).arg(line));
    }
}

} // namespace

Q_DECLARE_METATYPE(MakeService)

class TestPdfFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString prepareOldOutput()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("envelopes.pdf"));
        QFile f(pdf);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(OldOutput) != OldOutput.size())
            qFatal("cannot write %s", qPrintable(pdf));
        return pdf;
    }

    QStringList leftovers() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files);
        names.removeAll(QStringLiteral("envelopes.pdf"));
        return names;
    }

private slots:
    void services_data()
    {
        QTest::addColumn<MakeService>("make");
        QTest::newRow("windows, no QPrinter") << MakeService([] { return std::make_unique<QtPrintingService>(); });
        QTest::newRow("windows, QPrinter made by a set-up dialog") << MakeService([] {
            auto service = std::make_unique<QtPrintingService>();
            service->qprinter()->setResolution(300);
            return service;
        });
#ifndef Q_OS_WIN
        QTest::newRow("veltora-batch") << MakeService([] { return std::make_unique<CupsPrintingService>(); });
#endif
    }

    void services()
    {
        QFETCH(MakeService, make);
        const QString pdf = prepareOldOutput();
        const auto service = make();
        service->setCurrentPrinter(pdfFilePrinterName());

        // A dropped job.
        service->setOutputFileName(pdf);
        service->beginDoc();
        drawPages(*service, 2);
        service->abort();
        QCOMPARE(fileBytes(pdf), OldOutput);
        QCOMPARE(leftovers(), QStringList());

        // A job that cannot be written: every page goes through, the failure names the file and
        // the reason, at the page where it happened or at the end.
        if (FailingWrites::supported) {
            service->setOutputFileName(pdf);
            service->beginDoc();
            QString message;
            {
                FailingWrites full;
                try {
                    drawPages(*service, 60);
                    service->endDoc();
                } catch (const IoError &e) {
                    message = e.message();
                }
                if (service->printing())
                    service->abort();
            }
            QCOMPARE(
                message,
                QStringLiteral("Cannot write file \"%1\": %2").arg(pdf, QString::fromLocal8Bit(std::strerror(EFBIG))));
            QCOMPARE(fileBytes(pdf), OldOutput);
            QCOMPARE(leftovers(), QStringList());
        }

        // A whole job replaces the file.
        service->setOutputFileName(pdf);
        service->beginDoc();
        drawPages(*service, 3);
        service->endDoc();
        QVERIFY(fileBytes(pdf).startsWith("%PDF-"));
        QVERIFY(!service->printing());
        QCOMPARE(leftovers(), QStringList());
    }
};

QTEST_MAIN(TestPdfFile)
#include "test_pdffile.moc"
