#include "platform/PdfJob.h"

#include "logic/files/IoError.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

QString pdfPartFileName(const QString &path)
{
    return path + QStringLiteral(".part");
}

namespace {

// Puts `from` in place of `to` in one step: `to` is the old file or the new one, never missing
// (rename(2) on Unix; QFile::rename refuses to replace a file). Empty on success, else the reason.
QString replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return qt_error_string(int(GetLastError()));
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return qt_error_string(errno);
#endif
}

} // namespace

void PdfJob::beginFile(const QString &path, const QPageLayout &layout, const QString &title, int resolution)
{
    if (path.isEmpty())
        throw IoError(QStringLiteral("No output file for the printer \"%1\"").arg(pdfFilePrinterName()));
    if (!open(pdfPartFileName(path), layout, title, resolution))
        throw IoError(QStringLiteral("Cannot create file \"%1\"").arg(path));
    m_target = path;
}

bool PdfJob::begin(const QString &path, const QPageLayout &layout, const QString &title)
{
    return open(path, layout, title, PdfResolution);
}

bool PdfJob::open(const QString &path, const QPageLayout &layout, const QString &title, int resolution)
{
    abort();
    keepAllocatorWarm();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_interruptCleanup.set(path);
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(resolution);
    writer->setPageLayout(layout);
    writer->setTitle(title);
    writer->setCreator(title);
    // A PDF file holds one copy, as QPrinter writes it.
    if (!m_painter.begin(writer.get())) {
        file->close();
        file->remove();
        m_interruptCleanup.clear();
        return false;
    }
    m_file = std::move(file);
    m_writer = std::move(writer);
    m_canvas.attach(&m_painter, m_writer->resolution());
    return true;
}

IoError PdfJob::writeError()
{
    // A write that stopped part-way (the disk filled during it) leaves no reason behind; the next
    // write fails at once and gives it. The file is removed anyway.
    m_file->write("\n", 1);
    m_file->flush();
    const QString file = m_target.isEmpty() ? m_file->fileName() : m_target;
    return IoError(QStringLiteral("Cannot write file \"%1\": %2").arg(file, m_file->errorString()));
}

void PdfJob::newPage()
{
    if (!m_writer)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.flush();
    const bool started = m_writer->newPage();
    if (m_file->error() != QFileDevice::NoError)
        throw writeError();
    if (!started)
        throw IoError(QStringLiteral("The printer refused a new page"));
}

void PdfJob::finish()
{
    m_canvas.detach();
    m_writer.reset();
    m_file.reset();
    m_target.clear();
    m_interruptCleanup.clear();
}

void PdfJob::end()
{
    if (!m_writer)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.flush();
    const bool painted = m_painter.end();
    const bool written = m_file->flush() && m_file->error() == QFileDevice::NoError;
    if (!written) {
        const IoError error = writeError();
        m_file->close();
        m_file->remove(); // nothing half-written stays behind
        finish();
        throw error;
    }
    m_file->close();
    const QString path = m_file->fileName();
    const QString target = m_target;
    QString why;
    if (!painted)
        why = QStringLiteral("the document could not be finished");
    else if (!target.isEmpty())
        why = replaceFile(path, target);
    if (!why.isEmpty())
        QFile::remove(path);
    finish();
    if (!why.isEmpty())
        throw IoError(QStringLiteral("Cannot write file \"%1\": %2").arg(target.isEmpty() ? path : target, why));
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
