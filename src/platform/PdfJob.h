#pragma once
// A print job written into a PDF file as its pages are made (PdfDocument), drawn on a PdfCanvas
// (Qt Gui only). It is what the built-in "PDF file" printer writes, in every printing service, and
// what CupsPrintingService sends to a system printer.

#include "logic/print/PrintingService.h"
#include "platform/InterruptCleanup.h"
#include "platform/PdfCanvas.h"
#include "platform/PdfDocument.h"

#include <QPageLayout>
#include <QString>
#include <memory>

class IoError;
class QFile;
class QIODevice;

// The page and resolution of the "PDF file" printer: what a QPrinter in high resolution writes a
// PDF file with. The resolution is the one fonts are measured at.
constexpr int PdfResolution = 1200;
QPageLayout pdfPageLayout();
// A page that is the envelope itself: its width across, its height down (landscape when the width is
// the long side), no margins.
QPageLayout envelopePageLayout(int widthMm, int heightMm);
// The page of the "PDF file" printer for an envelope and a choice of page; A4 while no envelope
// size is known.
QPageLayout pdfPageLayoutFor(int widthMm, int heightMm, PageChoice choice);
// How the print setup window names a page: "конверт 229 × 162 мм" or "A4 210 × 297 мм".
QString describePage(const QPageLayout &layout, bool isEnvelope);

// The output file name that stands for the standard output (veltora-batch's "-o -").
inline QString standardOutputName()
{
    return QStringLiteral("-");
}

// The file that a job of the "PDF file" printer writes before it replaces `path`: beside it, so that
// the rename stays on one file system.
QString pdfPartFileName(const QString &path);

class PdfJob
{
public:
    PdfJob();
    // A running job is dropped.
    ~PdfJob();
    PdfJob(const PdfJob &) = delete;
    PdfJob &operator=(const PdfJob &) = delete;

    // Starts a job of the "PDF file" printer for `path`, on `layout` at `resolution`. The job is
    // written into pdfPartFileName(path), which replaces `path` only when the job ends whole: a job
    // that fails or is dropped leaves an existing file untouched and nothing beside it. IoError
    // when no file is named or the file cannot be created.
    void beginFile(const QString &path, const QPageLayout &layout, const QString &title,
                   int resolution = PdfResolution);
    // Starts writing `path` itself (a temporary document) on `layout` at PdfResolution and attaches
    // the canvas; false when the file cannot be created.
    bool begin(const QString &path, const QPageLayout &layout, const QString &title);
    // Starts writing into `device` (standard output), which stays the caller's; IoError when it
    // cannot be written. A failure cannot be taken back there: what was written stays written.
    void beginDevice(QIODevice *device, const QPageLayout &layout, const QString &title);
    bool running() const { return m_running; }
    PdfCanvas &canvas() { return m_canvas; }

    // Ends the page (the canvas's gathered text goes on it) and starts the next; IoError naming the
    // file and the reason when it cannot be written (the disk is full).
    void newPage();
    // Ends the job and closes the file (for beginFile(), puts it in place of the target); IoError
    // naming the file and the reason when it could not be written whole, and what was written is
    // then removed.
    void end();
    // Drops the job and removes what it wrote.
    void abort();

private:
    bool open(const QString &path, const QPageLayout &layout, const QString &title, int resolution);
    bool attachWriter(QIODevice *device, const QPageLayout &layout, const QString &title, int resolution);
    // The error of a failed write, naming the file the user knows.
    IoError writeError();
    bool deviceFailed() const;
    void finish();

    PdfCanvas m_canvas;
    PdfDocument m_document;
    bool m_running = false;
    std::unique_ptr<QFile> m_file; // the file written, or null when writing into a device
    QIODevice *m_device = nullptr; // what the document is written into: m_file or the caller's device
    QString m_target;              // the file that the written one replaces; empty when it is written in place
    RemovedOnInterrupt m_interruptCleanup;
};
