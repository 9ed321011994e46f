// Envelopes into a PDF file through the real printing service: one page per envelope, a sender
// block of five lines and a recipient block of seven, each in its own font, as a batch print
// draws them. Reports the time of 1,000 and 10,000 pages and the peak memory of the process.

#include "BenchSupport.h"

#include "logic/files/SettingsFiles.h"
#include "logic/print/Placement.h"
#include "platform/QtPrintingService.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <ctime>

namespace {

void printEnvelopes(PrintingService &service, const QString &file, int pages)
{
    const FontSetting home{QStringLiteral("Liberation Sans"), 10, false, false};
    const FontSetting addr{QStringLiteral("Liberation Serif"), 12, true, false};
    const QStringList sender{QStringLiteral("Иванов Иван Иванович"), QStringLiteral("ул. Шевченко, 12, кв. 5"),
                             QStringLiteral("г. Киев"), QStringLiteral("Украина"), QStringLiteral("01001")};
    service.setCurrentPrinter(pdfFilePrinterName());
    service.setOutputFileName(file);
    service.setPortrait();
    service.setTitle(QStringLiteral("Велтора"));
    service.beginDoc();
    PrintCanvas &canvas = service.canvas();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            service.newPage();
        setCanvasFont(canvas, home);
        printBlock(canvas, 70, 290, sender);
        QStringList recipient{QStringLiteral("Петренко Ольга Петровна %1").arg(page + 1),
                              QStringLiteral("пр. Науки, 45, кв. %1").arg(page % 300 + 1),
                              QStringLiteral("г. Харьков"),
                              QStringLiteral("Харьковская обл."),
                              QStringLiteral("Украина"),
                              QStringLiteral("61000"),
                              QStringLiteral("тел. 057-000-%1").arg(page % 1000, 3, 10, QLatin1Char('0'))};
        printRecipientBlock(canvas, addr, 1876, 817, recipient);
    }
    service.endDoc();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("envelopes.pdf"));
    auto service = createSystemPrintingService();

    bool ok = true;
    const double ms1k = bench::bestMs(3, [&] { printEnvelopes(*service, file, 1000); });
    ok &= bench::report(QStringLiteral("PDF: 1,000 envelopes"), QStringLiteral("< 200 ms"), ms1k, 200,
                        QStringLiteral("ms"));
    const std::clock_t cpu0 = std::clock();
    const double ms10k = bench::bestMs(1, [&] { printEnvelopes(*service, file, 10000); });
    const double cpuMs10k = 1000.0 * double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    ok &= bench::report(QStringLiteral("PDF: 10,000 envelopes"), QStringLiteral("< 1500 ms"), ms10k, 1500,
                        QStringLiteral("ms"));
    // Processor time of the same job: what the wall time is on a machine with nothing else to do.
    ok &= bench::report(QStringLiteral("PDF: 10,000 envelopes, processor time"), QStringLiteral("< 1500 ms"), cpuMs10k,
                        1500, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("PDF: 10,000 envelopes, peak memory"), QStringLiteral("< 150 MB"),
                        bench::peakRssMb(), 150, QStringLiteral("MB"));
    std::printf("# file of 10,000 pages: %.1f MB\n", QFileInfo(file).size() / 1e6);
    return ok ? 0 : 1;
}
