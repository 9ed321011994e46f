#include "platform/PdfJob.h"

#include "logic/files/IoError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QPageLayout pdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

QPageLayout envelopePageLayout(int widthMm, int heightMm)
{
    const bool landscape = widthMm > heightMm;
    const QSizeF upright = landscape ? QSizeF(heightMm, widthMm) : QSizeF(widthMm, heightMm);
    // The envelope's own size, not the nearest standard one: the page is the envelope.
    const QPageSize size(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

QPageLayout pdfPageLayoutFor(int widthMm, int heightMm, PageChoice choice)
{
    if (choice == PageChoice::Envelope && widthMm > 0 && heightMm > 0)
        return envelopePageLayout(widthMm, heightMm);
    return pdfPageLayout();
}

QString describePage(const QPageLayout &layout, bool isEnvelope)
{
    const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
    const QString size =
        QCoreApplication::translate("PrintingService", "%1 × %2 мм").arg(qRound(mm.width())).arg(qRound(mm.height()));
    if (isEnvelope)
        return QCoreApplication::translate("PrintingService", "конверт %1").arg(size);
    return QStringLiteral("%1 %2").arg(layout.pageSize().name(), size);
}

PdfJob::PdfJob() = default;

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
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_interruptCleanup.set(path);
    if (!attachWriter(file.get(), layout, title, resolution)) {
        file->close();
        file->remove();
        m_interruptCleanup.clear();
        return false;
    }
    m_file = std::move(file);
    return true;
}

bool PdfJob::attachWriter(QIODevice *device, const QPageLayout &layout, const QString &title, int resolution)
{
    // A PDF file holds one copy: copies are pages of their own (printBatch).
    // The page in points from its millimetres: Qt's points are whole, and an envelope's page is the
    // envelope to a hundredth of a millimetre.
    constexpr qreal PointsPerMm = 72 / 25.4;
    const QRectF page = layout.fullRect(QPageLayout::Millimeter);
    const QPointF origin = layout.paintRect(QPageLayout::Millimeter).topLeft() * PointsPerMm;
    if (!m_document.begin(device, page.size() * PointsPerMm, title, title))
        return false;
    m_device = device;
    m_running = true;
    m_canvas.attach(&m_document, page.height() * PointsPerMm, origin, resolution);
    return true;
}

void PdfJob::beginDevice(QIODevice *device, const QPageLayout &layout, const QString &title)
{
    abort();
    if (!device || !device->isWritable() || !attachWriter(device, layout, title, PdfResolution))
        throw IoError(QStringLiteral("Cannot write the document to the standard output"));
}

IoError PdfJob::writeError()
{
    if (!m_file)
        return IoError(
            QStringLiteral("Cannot write the document to the standard output: %1").arg(m_device->errorString()));
    // A write that stopped part-way (the disk filled during it) leaves no reason behind; the next
    // write fails at once and gives it. The file is removed anyway.
    m_file->write("\n", 1);
    m_file->flush();
    const QString file = m_target.isEmpty() ? m_file->fileName() : m_target;
    return IoError(QStringLiteral("Cannot write file \"%1\": %2").arg(file, m_file->errorString()));
}

bool PdfJob::deviceFailed() const
{
    if (m_file)
        return m_file->error() != QFileDevice::NoError;
    const auto *file = qobject_cast<const QFileDevice *>(m_device);
    return file && file->error() != QFileDevice::NoError;
}

void PdfJob::newPage()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.finishPage();
    if (m_document.failed() || deviceFailed())
        throw writeError();
}

void PdfJob::finish()
{
    m_canvas.detach();
    m_running = false;
    m_file.reset();
    m_device = nullptr;
    m_target.clear();
    m_interruptCleanup.clear();
}

void PdfJob::end()
{
    if (!m_running)
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_canvas.finishPage();
    // The document fails only where the device does: a failure is the device's, with its reason.
    const bool painted = m_document.end();
    if (!m_file) {
        auto *file = qobject_cast<QFileDevice *>(m_device);
        const bool written = painted && (!file || (file->flush() && file->error() == QFileDevice::NoError));
        if (!written) {
            const IoError error = writeError();
            finish();
            throw error;
        }
        finish();
        return;
    }
    const bool written = painted && m_file->flush() && m_file->error() == QFileDevice::NoError;
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
    if (!target.isEmpty())
        why = replaceFile(path, target);
    if (!why.isEmpty())
        QFile::remove(path);
    finish();
    if (!why.isEmpty())
        throw IoError(QStringLiteral("Cannot write file \"%1\": %2").arg(target.isEmpty() ? path : target, why));
}

void PdfJob::abort()
{
    if (!m_running)
        return;
    if (m_file) {
        m_file->close();
        m_file->remove();
    }
    finish();
}
