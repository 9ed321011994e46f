#pragma once
// The printing service of veltora-batch: the printers of CUPS, reached through libcups, with the
// built-in "PDF file" printer. Qt Gui and libcups only: no Qt PrintSupport, hence no Qt Widgets.
//
// A job is drawn on the same canvas as in the windows' service and written into a PDF file by a
// QPdfWriter (PdfJob): the "PDF file" printer's file, or for a system printer a temporary file on
// the printer's page (its default media and the media's margins) that is then submitted to the
// queue as application/pdf, with the title and the number of copies. That is what Qt's CUPS
// support does for the windows, so a printer receives the same kind of document from both.

#include "logic/print/PrintingService.h"
#include "platform/InterruptCleanup.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfJob.h"

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QTemporaryFile;

class CupsPrintingService : public PrintingService
{
public:
    CupsPrintingService();
    ~CupsPrintingService() override;

    QStringList printers() const override;
    // Until a printer is chosen: the system's default printer, or "PDF file" when it has none.
    QString currentPrinter() const override;
    void setCurrentPrinter(const QString &name) override;
    void setOutputFileName(const QString &path) override { m_outputFile = path; }
    QString outputFileName() const override { return m_outputFile; }
    bool needsOutputFileName() const override;

    bool printing() const override { return m_job.running(); }
    int pageWidth() override;

    // Every page of this service is upright.
    void setPortrait() override {}
    void setCopies(int copies) override;
    void setTitle(const QString &title) override { m_title = title; }
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;

    PrintCanvas &canvas() override { return m_canvas; }
    QStringList fontNames() override { return PainterCanvas::fontNames(); }

    // The page of the current printer: for a system printer its default media with the media's
    // margins, as the queue reports them; A4 with the "PDF file" printer's margins when it reports none.
    QPageLayout pageLayout() const;

private:
    bool pdfFileChosen() const { return currentPrinter() == pdfFilePrinterName(); }
    // Sends the finished temporary document to the current printer; IoError when it is refused.
    void submit();
    void finishJob();

    mutable QString m_printer; // empty until chosen or the default is looked up
    mutable std::optional<QPageLayout> m_printerLayout;
    QString m_outputFile;
    QString m_title;
    int m_copies = 1;
    PainterCanvas m_canvas;
    PdfJob m_job{m_canvas};
    // The document of a job for a system printer.
    std::unique_ptr<QTemporaryFile> m_spoolFile;
    RemovedOnInterrupt m_spoolCleanup; // until the document has been sent
};
