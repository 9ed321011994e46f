#include "platform/CupsPrintingService.h"

#include "logic/files/IoError.h"
#include "platform/CupsQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <cups/cups.h>

namespace {

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

IoError refused(const QString &printer, const QString &why)
{
    return IoError(QStringLiteral("The printer \"%1\" did not accept the document: %2").arg(printer, why));
}

// A page from a size and margins in hundredths of a millimetre, as CUPS gives them; none when they
// make no page.
std::optional<QPageLayout> layoutOf(int width, int length, int left, int top, int right, int bottom)
{
    if (width <= 0 || length <= 0 || left < 0 || right < 0 || top < 0 || bottom < 0 || left + right >= width ||
        top + bottom >= length)
        return std::nullopt;
    // A size within a few points of a standard one is that size, as Qt names the page of a PPD; the
    // printable area keeps its place and size from the top-left corner.
    const QPageSize page(QSizeF(width / 100.0, length / 100.0), QPageSize::Millimeter);
    const QSizeF paper = page.size(QPageSize::Millimeter);
    const QMarginsF margins(left / 100.0, top / 100.0, std::max(0.0, paper.width() - (width - right) / 100.0),
                            std::max(0.0, paper.height() - (length - bottom) / 100.0));
    return QPageLayout(page, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

int integerIn(ipp_t *collection, const char *name)
{
    ipp_attribute_t *attribute = collection ? ippFindAttribute(collection, name, IPP_TAG_INTEGER) : nullptr;
    return attribute ? ippGetInteger(attribute, 0) : -1;
}

// The printer's default media with its margins: the media the user chose for the destination
// (lpoptions), else the queue's media-col-default (as its PPD's default page size and imageable
// area make it), else its media-default by name. cupsGetDestMediaDefault is not asked: it answers
// with a size of the locale, US Letter, for a queue whose default is A4.
std::optional<QPageLayout> defaultMediaLayout(cups_dest_t *dest, cups_dinfo_t *info)
{
    std::optional<QPageLayout> layout;
    const auto byName = [&](const char *media) {
        cups_size_t size{};
        if (media && cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, media, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            layout = layoutOf(size.width, size.length, size.left, size.top, size.right, size.bottom);
    };
    byName(cupsGetOption("media", dest->num_options, dest->options));
    if (!layout) {
        if (ipp_attribute_t *col = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media-col")) {
            ipp_t *media = ippGetCollection(col, 0);
            ipp_attribute_t *sizeAttribute =
                media ? ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION) : nullptr;
            ipp_t *size = sizeAttribute ? ippGetCollection(sizeAttribute, 0) : nullptr;
            layout = layoutOf(integerIn(size, "x-dimension"), integerIn(size, "y-dimension"),
                              integerIn(media, "media-left-margin"), integerIn(media, "media-top-margin"),
                              integerIn(media, "media-right-margin"), integerIn(media, "media-bottom-margin"));
        }
    }
    if (!layout) {
        if (ipp_attribute_t *name = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media"))
            byName(ippGetString(name, 0, nullptr));
    }
    return layout;
}

// The destination's details from its queue, freed with it.
struct DestInfo
{
    explicit DestInfo(cups_dest_t *dest)
        : info(dest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest) : nullptr)
    {
    }
    ~DestInfo()
    {
        if (info)
            cupsFreeDestInfo(info);
    }
    DestInfo(const DestInfo &) = delete;
    DestInfo &operator=(const DestInfo &) = delete;
    cups_dinfo_t *info;
};

const char *const A4Media = "iso_a4_210x297mm";

} // namespace

CupsPrintingService::CupsPrintingService() = default;

CupsPrintingService::~CupsPrintingService()
{
    abort();
}

QStringList CupsPrintingService::printers() const
{
    QStringList names = CupsDestinations().names();
    names.append(pdfFilePrinterName());
    return names;
}

QString CupsPrintingService::currentPrinter() const
{
    if (m_printer.isEmpty()) {
        const CupsDestinations dests;
        const cups_dest_t *dest = dests.defaultDestination();
        m_printer = dest ? CupsDestinations::nameOf(*dest) : pdfFilePrinterName();
    }
    return m_printer;
}

void CupsPrintingService::setCurrentPrinter(const QString &name)
{
    if (printing())
        throw IoError(QStringLiteral("Printing in progress"));
    if (name != pdfFilePrinterName() && !CupsDestinations().find(name))
        throw IoError(QStringLiteral("Printer selected is not valid"));
    if (name != m_printer)
        forgetPage();
    m_printer = name;
}

void CupsPrintingService::setEnvelopeSize(int widthMm, int heightMm)
{
    if (widthMm != m_envelopeWidth || heightMm != m_envelopeHeight)
        forgetPage();
    m_envelopeWidth = widthMm;
    m_envelopeHeight = heightMm;
}

void CupsPrintingService::setPageChoice(PageChoice choice)
{
    if (choice != m_choice)
        forgetPage();
    m_choice = choice;
}

bool CupsPrintingService::pageIsEnvelope() const
{
    if (pdfFileChosen())
        return m_choice == PageChoice::Envelope && m_envelopeWidth > 0 && m_envelopeHeight > 0;
    if (!m_printerPage)
        m_printerPage = printerPage();
    return m_printerPage->envelope;
}

QString CupsPrintingService::requestedMedia() const
{
    if (pdfFileChosen())
        return {};
    if (!m_printerPage)
        m_printerPage = printerPage();
    return QString::fromUtf8(m_printerPage->media);
}

QString CupsPrintingService::mediaDescription() const
{
    const QString page = describePage(pageLayout(), pageIsEnvelope());
    if (pdfFileChosen() || pageIsEnvelope() || !requestedMedia().isEmpty())
        return page;
    return QCoreApplication::translate("PrintingService", "%1 (бумага принтера)").arg(page);
}

CupsPrintingService::PrinterPage CupsPrintingService::printerPage() const
{
    PrinterPage page{pdfPageLayout(), {}, false};
    const CupsDestinations dests;
    cups_dest_t *dest = dests.find(m_printer);
    const DestInfo details(dest);
    if (!dest || !details.info)
        return page;
    if (m_choice == PageChoice::Envelope && m_envelopeWidth > 0 && m_envelopeHeight > 0) {
        // The envelope as the printer lists it, across its feed as wide as the envelope or fed short
        // edge first (the queue turns the page onto it); else a custom size the printer takes.
        // CUPS answers with the nearest size it has: only the envelope's own is taken (a size in
        // whole points may be a few hundredths of a millimetre off).
        const auto sameSize = [](const cups_size_t &size, int width, int length) {
            return std::abs(size.width - width * 100) <= 50 && std::abs(size.length - length * 100) <= 50;
        };
        std::optional<cups_size_t> chosen;
        for (const bool across : {true, false}) {
            const int width = across ? m_envelopeWidth : m_envelopeHeight;
            const int length = across ? m_envelopeHeight : m_envelopeWidth;
            cups_size_t size{};
            if (cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, dest, details.info, width * 100, length * 100,
                                       CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
                sameSize(size, width, length)) {
                chosen = size;
                break;
            }
        }
        if (!chosen) {
            const QByteArray name =
                QStringLiteral("custom_%1x%2mm_%1x%2mm").arg(m_envelopeWidth).arg(m_envelopeHeight).toLatin1();
            cups_size_t size{};
            if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, details.info, name.constData(),
                                       CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
                sameSize(size, m_envelopeWidth, m_envelopeHeight))
                chosen = size;
        }
        if (chosen) {
            page.layout = envelopePageLayout(m_envelopeWidth, m_envelopeHeight);
            page.media = chosen->media;
            page.envelope = true;
            return page;
        }
    } else if (m_choice == PageChoice::A4) {
        cups_size_t size{};
        if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, details.info, A4Media, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
            if (const auto layout = layoutOf(size.width, size.length, size.left, size.top, size.right, size.bottom)) {
                page.layout = *layout;
                page.media = size.media;
                return page;
            }
        }
    }
    if (const auto layout = defaultMediaLayout(dest, details.info))
        page.layout = *layout;
    return page;
}

bool CupsPrintingService::needsOutputFileName() const
{
    return pdfFileChosen() && m_outputFile.isEmpty();
}

QPageLayout CupsPrintingService::pageLayout() const
{
    if (pdfFileChosen())
        return pdfPageLayoutFor(m_envelopeWidth, m_envelopeHeight, m_choice);
    if (!m_printerPage)
        m_printerPage = printerPage();
    return m_printerPage->layout;
}

int CupsPrintingService::pageWidth()
{
    const QRectF area = pageLayout().paintRect(QPageLayout::Millimeter);
    return static_cast<int>(std::lround(area.width() * PrintScale));
}

void CupsPrintingService::setCopies(int copies)
{
    m_copies = std::max(1, copies);
}

void CupsPrintingService::beginDoc()
{
    if (printing())
        throw IoError(QStringLiteral("Printing in progress"));
    m_lastJobId = 0;
    if (pdfFileChosen()) {
        try {
            if (m_outputFile == standardOutputName()) {
                m_standardOutput = std::make_unique<QFile>();
                if (!m_standardOutput->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
                    throw IoError(QStringLiteral("Cannot write the document to the standard output"));
                m_job.beginDevice(m_standardOutput.get(), pageLayout(), m_title);
                return;
            }
            m_job.beginFile(m_outputFile, pageLayout(), m_title);
        } catch (const IoError &) {
            m_outputFile.clear();
            throw;
        }
        return;
    }
    if (!CupsDestinations().find(m_printer))
        throw IoError(QStringLiteral("Printer selected is not valid"));
    // A queue that refuses jobs is reported before anything is drawn.
    cupsqueue::checkAcceptingJobs(m_printer);
    const QPageLayout layout = pageLayout();
    m_spoolFile = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("veltora-XXXXXX.pdf")));
    if (!m_spoolFile->open()) {
        const QString why = m_spoolFile->errorString();
        m_spoolFile.reset();
        throw IoError(QStringLiteral("Cannot create a temporary file: %1").arg(why));
    }
    m_spoolFile->close(); // the job writes it by name; the file stays until the job is sent
    m_spoolCleanup.set(m_spoolFile->fileName());
    if (!m_job.begin(m_spoolFile->fileName(), layout, m_title)) {
        const QString file = m_spoolFile->fileName();
        m_spoolCleanup.clear();
        m_spoolFile.reset();
        throw IoError(QStringLiteral("Cannot create file \"%1\"").arg(file));
    }
}

void CupsPrintingService::newPage()
{
    if (!printing())
        throw IoError(QStringLiteral("Printer is not currently printing"));
    m_job.newPage();
}

void CupsPrintingService::endDoc()
{
    if (!printing())
        throw IoError(QStringLiteral("Printer is not currently printing"));
    try {
        m_job.end();
        if (m_spoolFile)
            submit();
    } catch (const IoError &) {
        finishJob();
        throw;
    }
    finishJob();
}

void CupsPrintingService::submit()
{
    const CupsDestinations dests;
    cups_dest_t *dest = dests.find(m_printer);
    if (!dest)
        throw IoError(QStringLiteral("Printer selected is not valid"));
    // The destination's own options (an instance's, the user's lpoptions) go with the job, as lp
    // sends them; then the copies.
    int count = 0;
    cups_option_t *options = nullptr;
    for (int i = 0; i < dest->num_options; ++i)
        count = cupsAddOption(dest->options[i].name, dest->options[i].value, count, &options);
    count = cupsAddOption("copies", QByteArray::number(m_copies).constData(), count, &options);
    if (m_copies > 1)
        count = cupsAddOption("multiple-document-handling", "separate-documents-collated-copies", count, &options);
    const QByteArray media = requestedMedia().toUtf8();
    if (!media.isEmpty())
        count = cupsAddOption("media", media.constData(), count, &options);
    const QByteArray title = m_title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, dest->name, title.constData(), count, options);
    cupsFreeOptions(count, options);
    if (job <= 0) {
        const QString why = lastCupsError();
        cupsqueue::checkAcceptingJobs(m_printer); // the queue's own reason when it stopped taking jobs
        throw refused(m_printer, why);
    }

    const auto fail = [&](const QString &why) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, dest->name, job, 0);
        return refused(m_printer, why);
    };
    QFile document(m_spoolFile->fileName());
    if (!document.open(QIODevice::ReadOnly))
        throw fail(document.errorString());
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, dest->name, job, title.constData(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        throw fail(lastCupsError());
    bool sent = true;
    QString why;
    for (;;) {
        const QByteArray chunk = document.read(64 * 1024);
        if (chunk.isEmpty()) {
            if (document.error() != QFileDevice::NoError) {
                sent = false;
                why = document.errorString();
            }
            break;
        }
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, chunk.constData(), size_t(chunk.size())) != HTTP_STATUS_CONTINUE) {
            sent = false;
            why = lastCupsError();
            break;
        }
    }
    // Finishing the document also ends the request after a failed write.
    const ipp_status_t status = cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name);
    if (sent && status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        sent = false;
        why = lastCupsError();
    }
    if (!sent)
        throw fail(why);
    m_lastJobId = job;
}

void CupsPrintingService::abort()
{
    if (!printing())
        return;
    m_job.abort();
    finishJob();
}

void CupsPrintingService::finishJob()
{
    m_standardOutput.reset();
    m_outputFile.clear();
    m_spoolCleanup.clear();
    m_spoolFile.reset();
}
