#pragma once
// The printing service: printers, jobs and the canvas that a job draws on.
//
// Positions on the canvas are in printer units of 1/13.4 mm (PrintScale); the canvas maps them to
// the device, so that a position lands at its nominal millimetres at every resolution. Font sizes
// are true points. The real service wraps Qt PrintSupport (QtPrintingService); tests use a
// recording double.

#include <QString>
#include <QStringList>

class QPrinter;

constexpr double PrintScale = 13.4; // printer units per millimetre

// The built-in printer that writes a PDF file, so that a machine without printers still prints.
inline QString pdfFilePrinterName()
{
    return QStringLiteral("PDF file");
}

// What the pages of a job are made of.
enum class PageChoice {
    Envelope, // the envelope itself: the PDF page, or the printer's media of the envelope's size when it has one
    A4,       // A4 portrait with the "PDF file" printer's margins; a system printer is asked for A4
    Printer,  // the printer's own paper as it is set up; for the "PDF file" printer, A4
};

class PrintCanvas
{
public:
    virtual ~PrintCanvas() = default;
    virtual void setFont(const QString &face, int pointSize, bool bold, bool italic) = 0;
    // Height of a line of text in the current font, in printer units.
    virtual int textHeight(const QString &text) = 0;
    // Draws text with its top-left corner at (x, y), in printer units.
    virtual void textOut(int x, int y, const QString &text) = 0;
};

class PrintingService
{
public:
    virtual ~PrintingService() = default;

    // Every printer of the system, then the built-in "PDF file" printer.
    virtual QStringList printers() const = 0;
    virtual QString currentPrinter() const = 0;
    virtual void setCurrentPrinter(const QString &name) = 0;
    // Where the "PDF file" printer writes. The name serves one job: ending or aborting the job clears it.
    virtual void setOutputFileName(const QString &path) = 0;
    virtual QString outputFileName() const { return {}; }
    // Whether a job on the current printer needs an output file name that has not been set yet.
    virtual bool needsOutputFileName() const { return false; }

    // Whether a job of this program is running.
    virtual bool printing() const = 0;
    // Width of the printable area in printer units.
    virtual int pageWidth() = 0;

    virtual void setPortrait() = 0;
    // The envelope of the next jobs, in mm, the long side first (set by every print before the
    // page width is asked), and what their pages are made of (PageChoice::Envelope until set).
    virtual void setEnvelopeSize(int widthMm, int heightMm)
    {
        (void)widthMm;
        (void)heightMm;
    }
    virtual void setPageChoice(PageChoice choice) { (void)choice; }
    // Whether the page of the current printer is the envelope itself: the blocks are placed from its
    // corner and the feed method shifts nothing.
    virtual bool pageIsEnvelope() const { return false; }
    // The paper a job on the current printer uses, as the print setup window shows it.
    virtual QString mediaDescription() const { return {}; }
    // Whether the printer makes the copies asked by setCopies itself; when it does not (a PDF file),
    // the caller repeats the pages.
    virtual bool makesCopies() const { return true; }
    virtual void setCopies(int copies) = 0;
    virtual void setTitle(const QString &title) = 0;
    // A job: beginDoc, pages separated by newPage, then endDoc; abort drops a job that failed
    // half-way so that nothing of it is printed. Each throws IoError when the printer refuses.
    virtual void beginDoc() = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    virtual void abort() = 0;
    // The number the print system gave the last job that endDoc sent (the CUPS job id); 0 when it
    // gives none (a PDF file, a service that cannot tell).
    virtual int lastJobId() const { return 0; }

    virtual PrintCanvas &canvas() = 0;
    // The current printer's font names.
    virtual QStringList fontNames() = 0;

    // The Qt printer behind the current printer, for the system's printer set-up dialogs; null in
    // services that have none. Changes made there (printer, page, resolution) hold for later jobs.
    virtual QPrinter *qprinter() { return nullptr; }
};
