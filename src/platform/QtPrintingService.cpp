#include "platform/QtPrintingService.h"

#include "logic/files/IoError.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Printer units per inch: 13.4 per millimetre.
constexpr double UnitsPerInch = PrintScale * 25.4;

// What a QPrinter in high resolution writes a PDF file with: its resolution and its page.
constexpr int PdfResolution = 1200;
QPageLayout pdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

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
    detach();
    m_painter = painter;
    m_dpi = dpi;
    const qreal scale = dpi / UnitsPerInch;
    painter->setTransform(QTransform::fromScale(scale, scale));
    painter->setPen(Qt::black);
}

void QtPrintCanvas::detach()
{
    // Fonts resolve for the job's device, and the fonts installed may change between jobs: what was
    // learnt about them serves one job.
    m_pending.clear();
    m_fineFonts.clear();
    m_fonts.clear();
    m_shapedCount = 0;
    m_painter = nullptr;
    m_current = nullptr;
}

void QtPrintCanvas::setFont(const QString &face, int pointSize, bool bold, bool italic)
{
    FontKey key{face, pointSize > 0 ? pointSize : 8, bold, italic};
    if (key == m_key)
        return;
    m_key = std::move(key);
    m_current = nullptr;
}

QtPrintCanvas::FontEntry QtPrintCanvas::makeEntry() const
{
    FontEntry e;
    e.font = QFont(m_key.face);
    // The painter draws in printer units, scaled up to device pixels by dpi / UnitsPerInch; a
    // point size divided by the same factor keeps the text at its true size on paper.
    const int dpi = m_dpi > 0 ? m_dpi : 1200;
    e.font.setPointSizeF(m_key.size * UnitsPerInch / dpi);
    e.font.setBold(m_key.bold);
    e.font.setItalic(m_key.italic);
    e.font.setUnderline(false);
    e.font.setStrikeOut(false);
    e.font.setKerning(true);
    // Metrics in printer units: the font resolved for the painter's device gives pixel sizes
    // of point size * dpi / 72, which are printer units here.
    const QFontMetricsF metrics = m_painter ? QFontMetricsF(e.font, m_painter->device()) : QFontMetricsF(e.font);
    e.ascent = metrics.ascent();
    e.height = static_cast<int>(std::lround(metrics.height()));
    return e;
}

QtPrintCanvas::FontEntry &QtPrintCanvas::entry()
{
    if (m_current)
        return *m_current;
    if (!m_painter) { // outside a job: measured, not kept
        m_scratch = makeEntry();
        return m_scratch;
    }
    auto it = m_fonts.find(m_key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(m_key, makeEntry()).first;
    m_current = &it->second;
    return *m_current;
}

int QtPrintCanvas::textHeight(const QString &)
{
    return entry().height;
}

const QtPrintCanvas::Run &QtPrintCanvas::shape(FontEntry &e, const QString &text)
{
    if (const auto known = e.shaped.constFind(text); known != e.shaped.cend())
        return *known;
    if (m_shapedCount >= MaxShapedTexts) {
        for (auto &font : m_fonts)
            font.second.shaped.clear();
        m_shapedCount = 0;
    }
    // Laid out as the painter lays out a single line of text: no wrapping, the painter's direction.
    QTextLayout layout(text, e.font, m_painter->device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(m_painter->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();

    // A text in one font is kept as its glyphs; a text that takes glyphs from other fonts too (the
    // font lacks some of its characters) is left to the painter, so that its glyphs stay in reading
    // order for whoever extracts the text.
    Run shaped;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() == 1) {
        const QPointF baseline(0, line.y() + line.ascent());
        shaped = Run{runs.front().rawFont(), runs.front().glyphIndexes(), runs.front().positions()};
        for (QPointF &p : shaped.positions)
            p -= baseline;
    }
    ++m_shapedCount;
    return *e.shaped.insert(text, std::move(shaped));
}

void QtPrintCanvas::textOut(int x, int y, const QString &text)
{
    FontEntry &e = entry();
    if (!m_painter || text.isEmpty())
        return;
    const QPointF origin(x, y + e.ascent);
    const Run &run = shape(e, text);
    if (!run.font.isValid()) {
        flush();
        m_painter->setFont(e.font);
        m_painter->drawText(origin, text);
        return;
    }
    // Gathered per font and drawn at the end of the page: one text object per font instead of one
    // per line keeps the page's content, and the work of compressing it, small.
    if (m_pending.isEmpty() || !(m_pending.constLast().font == run.font))
        m_pending.append(Run{run.font, {}, {}});
    Run &into = m_pending.last();
    into.glyphs.append(run.glyphs);
    into.positions.reserve(into.positions.size() + run.positions.size());
    for (const QPointF &p : run.positions)
        into.positions.append(p + origin);
}

const QRawFont &QtPrintCanvas::fineFont(const QRawFont &font)
{
    for (const auto &known : std::as_const(m_fineFonts))
        if (known.first == font)
            return known.second;
    QRawFont fine = font;
    fine.setPixelSize(font.pixelSize() * FineUnits);
    m_fineFonts.append({font, fine.pixelSize() == font.pixelSize() * FineUnits ? fine : QRawFont()});
    return m_fineFonts.constLast().second;
}

void QtPrintCanvas::flush()
{
    if (m_painter && !m_pending.isEmpty()) {
        // Glyph positions are whole 64ths of a printer unit. The PDF engine writes a position per
        // glyph, and in 64ths they are whole numbers: shorter to write and to compress. The font
        // scaled up by as much keeps every glyph the same on paper.
        const QTransform units = m_painter->transform();
        const QTransform fineUnits = QTransform::fromScale(1.0 / FineUnits, 1.0 / FineUnits) * units;
        for (const Run &run : std::as_const(m_pending)) {
            QGlyphRun glyphs;
            const QRawFont &fine = fineFont(run.font);
            if (fine.isValid()) {
                m_finePositions.resize(run.positions.size());
                for (qsizetype i = 0; i < run.positions.size(); ++i) {
                    const QPointF &p = run.positions.at(i);
                    m_finePositions[i] = QPointF(qRound(p.x() * FineUnits), qRound(p.y() * FineUnits));
                }
                glyphs.setRawFont(fine);
                glyphs.setRawData(run.glyphs.constData(), m_finePositions.constData(), int(run.glyphs.size()));
                m_painter->setTransform(fineUnits);
            } else {
                glyphs.setRawFont(run.font);
                glyphs.setRawData(run.glyphs.constData(), run.positions.constData(), int(run.glyphs.size()));
                m_painter->setTransform(units);
            }
            m_painter->drawGlyphRun(QPointF(), glyphs);
        }
        m_painter->setTransform(units);
    }
    m_pending.clear();
}

// ---- service ------------------------------------------------------------------------------------

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
    return pdfWithoutPrinter() ? m_pdfLayout : printer().pageLayout();
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
    keepAllocatorWarm();
    if (pdfWithoutPrinter()) {
        if (m_outputFile.isEmpty())
            throw IoError(QStringLiteral("No output file for the printer \"%1\"").arg(pdfFilePrinterName()));
        if (!beginPdfWriter()) {
            const QString file = m_outputFile;
            m_outputFile.clear();
            throw IoError(QStringLiteral("Cannot create file \"%1\"").arg(file));
        }
        m_running = true;
        m_canvas.attach(m_painter.get(), m_pdfWriter->resolution());
        return;
    }
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

bool QtPrintingService::beginPdfWriter()
{
    auto file = std::make_unique<QFile>(m_outputFile);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(PdfResolution);
    writer->setPageLayout(m_pdfLayout);
    writer->setTitle(m_title);
    writer->setCreator(m_title);
    // A PDF file holds one copy, as QPrinter writes it.
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(writer.get())) {
        file->close();
        file->remove();
        return false;
    }
    m_pdfFile = std::move(file);
    m_pdfWriter = std::move(writer);
    return true;
}

void QtPrintingService::newPage()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.flush();
    if (m_pdfWriter ? !m_pdfWriter->newPage() : !printer().newPage())
        throw IoError(QStringLiteral("The printer refused a new page"));
}

void QtPrintingService::finishJob()
{
    m_canvas.detach();
    m_running = false;
    m_outputFile.clear();
    m_pdfWriter.reset();
    m_pdfFile.reset();
}

void QtPrintingService::endDoc()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.flush();
    const bool ok = m_painter->end();
    bool failed = false;
    if (m_pdfWriter) {
        failed = !m_pdfFile->flush() || m_pdfFile->error() != QFileDevice::NoError;
        m_pdfFile->close();
        if (failed)
            m_pdfFile->remove();
    } else {
        failed = printer().printerState() == QPrinter::Error;
    }
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
    const bool pdf = m_pdfWriter || isPdfPrinter();
    const QString file = m_outputFile;
    if (!m_pdfWriter)
        printer().abort();
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
