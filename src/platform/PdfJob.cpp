#include "platform/PdfJob.h"

#include "logic/files/IoError.h"

#include <QFile>
#include <QPdfWriter>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

QPageLayout pdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

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

PdfJob::PdfJob(PainterCanvas &canvas)
    : m_canvas(canvas)
{
}

PdfJob::~PdfJob()
{
    abort();
}

void PdfJob::beginFile(const QString &path, const QPageLayout &layout, const QString &title)
{
    if (path.isEmpty())
        throw IoError(QStringLiteral("No output file for the printer \"%1\"").arg(pdfFilePrinterName()));
    if (!begin(path, layout, title))
        throw IoError(QStringLiteral("Cannot create file \"%1\"").arg(path));
}

bool PdfJob::begin(const QString &path, const QPageLayout &layout, const QString &title)
{
    abort();
    keepAllocatorWarm();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(PdfResolution);
    writer->setPageLayout(layout);
    writer->setTitle(title);
    writer->setCreator(title);
    // A PDF file holds one copy, as QPrinter writes it.
    if (!m_painter.begin(writer.get())) {
        file->close();
        file->remove();
        return false;
    }
    m_file = std::move(file);
    m_writer = std::move(writer);
    m_canvas.attach(&m_painter, m_writer->resolution());
    return true;
}

void PdfJob::newPage()
{
    m_canvas.flush();
    if (!m_writer || !m_writer->newPage())
        throw IoError(QStringLiteral("The printer refused a new page"));
}

void PdfJob::finish()
{
    m_canvas.detach();
    m_writer.reset();
    m_file.reset();
}

void PdfJob::end()
{
    if (!m_writer)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.flush();
    const bool painted = m_painter.end();
    const bool written = m_file->flush() && m_file->error() == QFileDevice::NoError;
    m_file->close();
    const QString path = m_file->fileName();
    if (!painted || !written)
        m_file->remove(); // nothing half-written stays behind
    finish();
    if (!painted || !written)
        throw IoError(QStringLiteral("Cannot write file \"%1\"").arg(path));
}

void PdfJob::abort()
{
    if (!m_writer)
        return;
    if (m_painter.isActive())
        m_painter.end();
    m_file->close();
    m_file->remove();
    finish();
}
