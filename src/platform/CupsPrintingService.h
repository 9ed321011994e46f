#pragma once
// The printing service of veltora-batch: the printers of CUPS, reached through libcups, with the
// built-in "PDF file" printer. Qt Gui and libcups only: no Qt PrintSupport, hence no Qt Widgets.
//
// A job is drawn on the same canvas as the windows' PDF jobs and written into a PDF file (PdfJob): the "PDF file"
// printer's file, or for a system printer a temporary file on the printer's page (its default media and the media's
// margins) that is then submitted to the queue as application/pdf, with the title and the number of copies. That is
// what Qt's CUPS support does for the windows, so a printer receives the same kind of document from both.

#include "logic/print/PrintingService.h"
#include "platform/InterruptCleanup.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfJob.h"

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QFile;
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
    // standardOutputName() writes the "PDF file" printer's document to the standard output.
    void setOutputFileName(const QString &path) override { m_outputFile = path; }
    QString outputFileName() const override { return m_outputFile; }
    bool needsOutputFileName() const override;

    bool printing() const override { return m_job.running(); }
    int pageWidth() override;

    // Every page of this service is upright, or the envelope as it is.
    void setPortrait() override {}
    void setEnvelopeSize(int widthMm, int heightMm) override;
    void setPageChoice(PageChoice choice) override;
    bool pageIsEnvelope() const override;
    QString mediaDescription() const override;
    // The "PDF file" printer writes every copy as pages; a queue is asked for copies.
    bool makesCopies() const override { return !pdfFileChosen(); }
    void setCopies(int copies) override;
    void setTitle(const QString &title) override { m_title = title; }
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    int lastJobId() const override { return m_lastJobId; }

    PrintCanvas &canvas() override { return m_job.canvas(); }
    QStringList fontNames() override { return PainterCanvas::fontNames(); }

    // The page of the current printer. "PDF file": the envelope (PageChoice::Envelope), else A4 with
    // margins. A system printer: the media of the envelope's size when the queue offers it (a listed
    // size or a custom one it accepts), whole, without margins; A4 when asked for; else its default
    // media with the media's margins, as the queue reports them (A4 with the "PDF file" printer's
    // margins when it reports none).
    QPageLayout pageLayout() const;
    // The media a job on a system printer asks for by name ("iso_c5_162x229mm"); empty when the
    // queue's own default stays.
    QString requestedMedia() const;

private:
    bool pdfFileChosen() const { return currentPrinter() == pdfFilePrinterName(); }
    void forgetPage() { m_printerPage.reset(); }
    // Sends the finished temporary document to the current printer; IoError when it is refused.
    void submit();
    void finishJob();

    struct PrinterPage
    {
        QPageLayout layout;
        QByteArray media; // asked for with the job; empty: the queue's default
        bool envelope = false;
    };
    PrinterPage printerPage() const;

    mutable QString m_printer; // empty until chosen or the default is looked up
    mutable std::optional<PrinterPage> m_printerPage;
    int m_envelopeWidth = 0;
    int m_envelopeHeight = 0;
    PageChoice m_choice = PageChoice::Envelope;
    std::unique_ptr<QFile> m_standardOutput; // the document of "-o -"
    QString m_outputFile;
    QString m_title;
    int m_copies = 1;
    int m_lastJobId = 0;
    PdfJob m_job;
    // The document of a job for a system printer.
    std::unique_ptr<QTemporaryFile> m_spoolFile;
    RemovedOnInterrupt m_spoolCleanup; // until the document has been sent
};
