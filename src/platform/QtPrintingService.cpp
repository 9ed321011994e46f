#include "platform/QtPrintingService.h"

#include "logic/files/IoError.h"
#ifndef Q_OS_WIN
#include "platform/CupsQueue.h"
#endif

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

QtPrintingService::QtPrintingService()
    : m_pdfLayout(pdfPageLayout())
{
}

QtPrintingService::~QtPrintingService()
{
    if (m_running) {
        try {
            abort();
        } catch (...) {
        }
    }
}

QPrinter &QtPrintingService::printer() const
{
    if (!m_printer) {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_pdfChosen || p->printerName().isEmpty() || QPrinterInfo::availablePrinterNames().isEmpty())
            p->setOutputFormat(QPrinter::PdfFormat);
        // Only what was asked of the page carries over: a system printer chosen later keeps its own
        // page size.
        if (m_pdfChosen && m_portraitAsked)
            p->setPageOrientation(QPageLayout::Portrait);
        m_printer = std::move(p);
    }
    return *m_printer;
}

bool QtPrintingService::isPdfPrinter() const
{
    return pdfWithoutPrinter() || printer().outputFormat() == QPrinter::PdfFormat;
}

QPageLayout QtPrintingService::pageLayout() const
{
    if (isPdfPrinter()) {
        if (m_choice == PageChoice::Envelope && m_envelopeWidth > 0 && m_envelopeHeight > 0)
            return envelopePageLayout(m_envelopeWidth, m_envelopeHeight);
        return pdfWithoutPrinter() ? m_pdfLayout : printer().pageLayout();
    }
    if (const auto media = envelopeMedia()) {
        const QPageLayout envelope = envelopePageLayout(m_envelopeWidth, m_envelopeHeight);
        return QPageLayout(*media, envelope.orientation(), QMarginsF());
    }
    return printer().pageLayout();
}

void QtPrintingService::setEnvelopeSize(int widthMm, int heightMm)
{
    m_envelopeWidth = widthMm;
    m_envelopeHeight = heightMm;
}

std::optional<QPageSize> QtPrintingService::envelopeMedia() const
{
    if (m_choice != PageChoice::Envelope || m_envelopeWidth <= 0 || m_envelopeHeight <= 0 || isPdfPrinter())
        return std::nullopt;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer().printerName());
    for (const QPageSize &size : info.supportedPageSizes()) {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        const auto near = [](double a, int b) { return std::abs(a - b) <= 1.0; };
        if ((near(mm.width(), m_envelopeWidth) && near(mm.height(), m_envelopeHeight)) ||
            (near(mm.width(), m_envelopeHeight) && near(mm.height(), m_envelopeWidth)))
            return size;
    }
    return std::nullopt;
}

bool QtPrintingService::pageIsEnvelope() const
{
    if (isPdfPrinter())
        return m_choice == PageChoice::Envelope && m_envelopeWidth > 0 && m_envelopeHeight > 0;
    return envelopeMedia().has_value();
}

QString QtPrintingService::mediaDescription() const
{
    const QString page = describePage(pageLayout(), pageIsEnvelope());
    if (pageIsEnvelope() || isPdfPrinter())
        return page;
    return QCoreApplication::translate("PrintingService", "%1 (бумага принтера)").arg(page);
}

QStringList QtPrintingService::printers() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdfFilePrinterName());
    return names;
}

QString QtPrintingService::currentPrinter() const
{
    return isPdfPrinter() ? pdfFilePrinterName() : printer().printerName();
}

void QtPrintingService::setCurrentPrinter(const QString &name)
{
    if (m_running)
        throw IoError(QStringLiteral("Printing in progress"));
    if (name == pdfFilePrinterName()) {
        if (m_printer)
            m_printer->setOutputFormat(QPrinter::PdfFormat);
        else
            m_pdfChosen = true;
        return;
    }
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        throw IoError(QStringLiteral("Printer selected is not valid"));
    QPrinter &p = printer();
    m_pdfChosen = false;
    p.setOutputFileName(QString());
    p.setOutputFormat(QPrinter::NativeFormat);
    p.setPrinterName(name);
}

void QtPrintingService::setOutputFileName(const QString &path)
{
    m_outputFile = path;
}

bool QtPrintingService::needsOutputFileName() const
{
    return isPdfPrinter() && m_outputFile.isEmpty();
}

int QtPrintingService::pageWidth()
{
    const QRectF area = pageLayout().paintRect(QPageLayout::Millimeter);
    return static_cast<int>(std::lround(area.width() * PrintScale));
}

void QtPrintingService::setPortrait()
{
    if (pageIsEnvelope())
        return; // the envelope's page is as the envelope lies
    if (pdfWithoutPrinter()) {
        m_pdfLayout.setOrientation(QPageLayout::Portrait);
        m_portraitAsked = true;
    } else {
        printer().setPageOrientation(QPageLayout::Portrait);
    }
}

void QtPrintingService::setCopies(int copies)
{
    m_copies = std::max(1, copies);
}

void QtPrintingService::setTitle(const QString &title)
{
    m_title = title;
}

void QtPrintingService::beginDoc()
{
    if (m_running)
        throw IoError(QStringLiteral("Printing in progress"));
    if (isPdfPrinter()) {
        // The PDF goes through a PdfJob on the QPrinter's page and resolution when there is one: it
        // writes beside the chosen file and replaces it only when whole, and it tells why a write
        // failed, where the QPrinter's PDF engine truncates the file first and says nothing.
        const QPageLayout layout = pageLayout();
        const int resolution = pdfWithoutPrinter() ? PdfResolution : printer().resolution();
        try {
            m_pdfJob.beginFile(m_outputFile, layout, m_title, resolution);
        } catch (const IoError &) {
            m_outputFile.clear();
            throw;
        }
        m_running = true;
        return;
    }
    QPrinter &p = printer();
    if (!p.isValid())
        throw IoError(QStringLiteral("Printer selected is not valid"));
#ifndef Q_OS_WIN
    // The QPrinter hands the document to CUPS at the end and does not say whether the queue took
    // it: a queue that refuses jobs is reported before the job, and the job is looked for after it.
    cupsqueue::checkAcceptingJobs(p.printerName());
    m_lastJobBefore = cupsqueue::lastJobNumber(p.printerName());
#endif
    p.setOutputFileName(QString());
    p.setDocName(m_title);
    p.setCreator(m_title);
    p.setCopyCount(m_copies);
    p.setCollateCopies(true);
    // On the envelope's own media the blocks are placed from the envelope's corner, as in a PDF.
    const bool envelope = pageIsEnvelope();
    if (envelope) {
        m_ownLayout = p.pageLayout();
        p.setPageLayout(pageLayout());
    }
    p.setFullPage(envelope);

    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&p)) {
        finishJob();
        throw IoError(QStringLiteral("Printer selected is not valid"));
    }
    m_running = true;
    m_canvas.attach(m_painter.get(), p.resolution());
}

void QtPrintingService::newPage()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    if (m_pdfJob.running()) {
        m_pdfJob.newPage();
        return;
    }
    m_canvas.flush();
    if (!printer().newPage())
        throw IoError(QStringLiteral("The printer refused a new page"));
}

void QtPrintingService::finishJob()
{
    if (m_ownLayout) {
        printer().setPageLayout(*m_ownLayout);
        m_ownLayout.reset();
    }
    m_canvas.detach();
    m_running = false;
    m_outputFile.clear();
}

void QtPrintingService::endDoc()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    if (m_pdfJob.running()) {
        try {
            m_pdfJob.end();
        } catch (const IoError &) {
            finishJob();
            throw;
        }
        finishJob();
        return;
    }
    m_canvas.flush();
    const bool ok = m_painter->end();
    const bool failed = printer().printerState() == QPrinter::Error;
    finishJob();
    if (!ok || failed)
        throw IoError(QStringLiteral("The printer did not accept the document"));
#ifndef Q_OS_WIN
    cupsqueue::checkJobQueued(printer().printerName(), m_lastJobBefore);
#endif
}

void QtPrintingService::abort()
{
    if (!m_running)
        return;
    if (m_pdfJob.running()) {
        m_pdfJob.abort();
        finishJob();
        return;
    }
    printer().abort();
    if (m_painter->isActive())
        m_painter->end();
    finishJob();
}

PrintCanvas &QtPrintingService::canvas()
{
    if (m_pdfJob.running())
        return m_pdfJob.canvas();
    return m_canvas;
}

QStringList QtPrintingService::fontNames()
{
    return PainterCanvas::fontNames();
}

std::unique_ptr<PrintingService> createSystemPrintingService()
{
    return std::make_unique<QtPrintingService>();
}
