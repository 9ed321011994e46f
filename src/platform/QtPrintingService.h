#pragma once
// The printing service of the windows: Qt PrintSupport over CUPS (or the system's spooler), with a
// built-in "PDF file" printer, and the QPrinter that the system's printer set-up dialogs work on.
//
// It is the library veltora_printsupport (see CMakeLists.txt here), apart from veltora_platform:
// Qt PrintSupport needs Qt Widgets, and only the windows link it. veltora-batch prints through
// CupsPrintingService instead.
//
// A QPrinter asks the system's print support for its default printer when it is made, which loads
// the spooler's client and tries to reach its server. "PDF file" chosen before anything needed a
// QPrinter prints without one, with the same page, margins, resolution and
// document details; the QPrinter is made when a set-up dialog asks for it (qprinter()) or a system
// printer is used, and from then on every job goes through it.
// Jobs for a printer are drawn on a PainterCanvas over the QPrinter; "PDF file" jobs are PdfJobs
// (their own canvas and PDF writer), on the QPrinter's page and resolution once there is a
// QPrinter, so that a failed job leaves the chosen file as it was.
// Before a job for a CUPS queue the queue is asked whether it takes jobs, and after it whether the
// job reached it (platform/CupsQueue): the QPrinter does not tell.

#include "logic/print/PrintingService.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfJob.h"

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

class QtPrintingService : public PrintingService
{
public:
    QtPrintingService();
    ~QtPrintingService() override;

    QStringList printers() const override;
    QString currentPrinter() const override;
    void setCurrentPrinter(const QString &name) override;
    void setOutputFileName(const QString &path) override;
    QString outputFileName() const override { return m_outputFile; }
    bool needsOutputFileName() const override;

    bool printing() const override { return m_running; }
    int pageWidth() override;

    void setPortrait() override;
    void setEnvelopeSize(int widthMm, int heightMm) override;
    void setPageChoice(PageChoice choice) override { m_choice = choice; }
    bool pageIsEnvelope() const override;
    QString mediaDescription() const override;
    // The "PDF file" printer writes every copy as pages; a system printer makes them.
    bool makesCopies() const override { return !isPdfPrinter(); }
    void setCopies(int copies) override;
    void setTitle(const QString &title) override;
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;

    PrintCanvas &canvas() override;
    QStringList fontNames() override;

    QPrinter *qprinter() override { return &printer(); }
    // The page of the current printer: for "PDF file" the envelope (PageChoice::Envelope) or A4;
    // for a system printer the page of its media of the envelope's size when it lists one, whole,
    // else the page it is set up with.
    QPageLayout pageLayout() const;

private:
    // Made at first use: asking the spooler for its printers can take a moment.
    QPrinter &printer() const;
    // Whether "PDF file" is chosen and no QPrinter has been made: jobs are PdfJobs on the service's own page.
    bool pdfWithoutPrinter() const { return m_pdfChosen && !m_printer; }
    bool isPdfPrinter() const;
    // The current system printer's page size equal to the envelope (either way round), if it lists one.
    std::optional<QPageSize> envelopeMedia() const;
    void finishJob();

    mutable std::unique_ptr<QPrinter> m_printer;
    // "PDF file" chosen while no QPrinter existed; the page that printer prints on.
    bool m_pdfChosen = false;
    QPageLayout m_pdfLayout;
    bool m_portraitAsked = false;
    int m_envelopeWidth = 0;
    int m_envelopeHeight = 0;
    PageChoice m_choice = PageChoice::Envelope;
    // The printer's own page while a job runs on its envelope media; put back when the job is over.
    std::optional<QPageLayout> m_ownLayout;
    PainterCanvas m_canvas;
    // The running job when it goes to the "PDF file" printer; else the painter on the QPrinter.
    PdfJob m_pdfJob;
    std::unique_ptr<QPainter> m_painter;
    QString m_outputFile;
    QString m_title;
    int m_copies = 1;
    bool m_running = false;
    int m_lastJobBefore = -1; // the queue's last job number before the running job
};

// The printing service of the system for the windows: a QtPrintingService.
std::unique_ptr<PrintingService> createSystemPrintingService();
