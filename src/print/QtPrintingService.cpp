#include "QtPrintingService.h"

#include "app/IoError.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Printer units per inch: 13.4 per millimetre.
constexpr double UnitsPerInch = PrintScale * 25.4;

// A PDF job compresses every page with a fresh zlib stream: a few hundred kilobytes allocated,
// cleared and freed per page. With glibc's defaults those blocks come from fresh mappings or a heap
// that is trimmed after every page, and the job spends most of its time in page faults. Keeping
// such blocks on the heap, and the heap untrimmed, makes them reused instead.
void keepAllocatorWarm()
{
#if defined(__GLIBC__)
    static const bool done = [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
        return true;
    }();
    (void)done;
#endif
}

} // namespace

// ---- canvas -------------------------------------------------------------------------------------

void QtPrintCanvas::attach(QPainter *painter, int dpi)
{
    m_painter = painter;
    if (dpi != m_dpi)
        m_fonts.clear(); // sizes below depend on the resolution
    m_dpi = dpi;
    m_current = nullptr;
    const qreal scale = dpi / UnitsPerInch;
    painter->setTransform(QTransform::fromScale(scale, scale));
    painter->setPen(Qt::black);
}

void QtPrintCanvas::detach()
{
    m_painter = nullptr;
    m_current = nullptr;
}

void QtPrintCanvas::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    m_face = face;
    m_size = pointSize > 0 ? pointSize : 8;
    m_bold = bold;
    m_italic = italic;
    m_current = nullptr;
}

const QtPrintCanvas::FontEntry &QtPrintCanvas::entry()
{
    if (m_current)
        return *m_current;
    const QString key = QStringLiteral("%1|%2|%3%4").arg(m_face).arg(m_size).arg(int(m_bold)).arg(int(m_italic));
    auto it = m_fonts.find(key);
    if (it == m_fonts.end() || !m_painter) {
        FontEntry e;
        e.font = QFont(m_face);
        // The painter draws in printer units, scaled up to device pixels by dpi / UnitsPerInch; a
        // point size divided by the same factor keeps the text at its true size on paper.
        const int dpi = m_dpi > 0 ? m_dpi : 1200;
        e.font.setPointSizeF(m_size * UnitsPerInch / dpi);
        e.font.setBold(m_bold);
        e.font.setItalic(m_italic);
        e.font.setUnderline(false);
        e.font.setStrikeOut(false);
        e.font.setKerning(true);
        // Metrics in printer units: the font resolved for the painter's device gives pixel sizes
        // of point size * dpi / 72, which are printer units here.
        const QFontMetricsF metrics = m_painter ? QFontMetricsF(e.font, m_painter->device()) : QFontMetricsF(e.font);
        e.ascent = metrics.ascent();
        e.height = static_cast<int>(std::lround(metrics.height()));
        if (!m_painter) { // outside a job: measured, not kept
            m_scratch = e;
            return m_scratch;
        }
        it = m_fonts.insert(key, e);
    }
    m_current = &it.value();
    if (m_painter)
        m_painter->setFont(m_current->font);
    return *m_current;
}

int QtPrintCanvas::textHeight(const QString &)
{
    return entry().height;
}

void QtPrintCanvas::textOut(int x, int y, const QString &text)
{
    const FontEntry &e = entry();
    if (!m_painter || text.isEmpty())
        return;
    if (m_painter->font() != e.font)
        m_painter->setFont(e.font);
    m_painter->drawText(QPointF(x, y + e.ascent), text);
}

// ---- service ------------------------------------------------------------------------------------

QtPrintingService::QtPrintingService() = default;

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
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_printer->printerName().isEmpty() || QPrinterInfo::availablePrinterNames().isEmpty())
            m_printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *m_printer;
}

bool QtPrintingService::isPdfPrinter() const
{
    return printer().outputFormat() == QPrinter::PdfFormat;
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
    QPrinter &p = printer();
    if (name == pdfFilePrinterName()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        return;
    }
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        throw IoError(QStringLiteral("Printer selected is not valid"));
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
    const QRectF area = printer().pageLayout().paintRect(QPageLayout::Millimeter);
    return static_cast<int>(std::lround(area.width() * PrintScale));
}

void QtPrintingService::setPortrait()
{
    printer().setPageOrientation(QPageLayout::Portrait);
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
    keepAllocatorWarm();
    QPrinter &p = printer();
    const bool pdf = isPdfPrinter();
    if (pdf) {
        if (m_outputFile.isEmpty())
            throw IoError(QStringLiteral("No output file for the printer \"%1\"").arg(pdfFilePrinterName()));
        p.setOutputFileName(m_outputFile);
    } else {
        if (!p.isValid())
            throw IoError(QStringLiteral("Printer selected is not valid"));
        p.setOutputFileName(QString());
    }
    p.setDocName(m_title);
    p.setCreator(m_title);
    p.setCopyCount(m_copies);
    p.setFullPage(false);

    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&p)) {
        const QString file = m_outputFile;
        m_outputFile.clear();
        if (pdf)
            throw IoError(QStringLiteral("Cannot create file \"%1\"").arg(file));
        throw IoError(QStringLiteral("Printer selected is not valid"));
    }
    m_running = true;
    m_canvas.attach(m_painter.get(), p.resolution());
}

void QtPrintingService::newPage()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    if (!printer().newPage())
        throw IoError(QStringLiteral("The printer refused a new page"));
}

void QtPrintingService::finishJob()
{
    m_canvas.detach();
    m_running = false;
    m_outputFile.clear();
}

void QtPrintingService::endDoc()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    const bool ok = m_painter->end();
    const bool failed = printer().printerState() == QPrinter::Error;
    const QString file = m_outputFile;
    finishJob();
    if (!ok || failed)
        throw IoError(file.isEmpty() ? QStringLiteral("The printer did not accept the document")
                                     : QStringLiteral("Cannot write file \"%1\"").arg(file));
}

void QtPrintingService::abort()
{
    if (!m_running)
        return;
    QPrinter &p = printer();
    const bool pdf = isPdfPrinter();
    const QString file = m_outputFile;
    p.abort();
    if (m_painter->isActive())
        m_painter->end();
    finishJob();
    if (pdf && !file.isEmpty())
        QFile::remove(file); // nothing half-printed stays behind
}

QStringList QtPrintingService::fontNames()
{
    QStringList names;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        if (!QFontDatabase::isPrivateFamily(family))
            names.append(family);
    }
    return names;
}

std::unique_ptr<PrintingService> createSystemPrintingService()
{
    return std::make_unique<QtPrintingService>();
}
