#include "cli/BatchCommand.h"
#include "cli/BatchOptions.h"
#include "cli/MailingReport.h"

#include "logic/addresses/Regions.h"
#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/files/Codepage.h"
#include "logic/files/DataFolders.h"
#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/BookTransfer.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableMailing.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/Fonts.h"
#include "logic/print/NumberList.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Language.h"
#include "logic/state/PrintSettings.h"
#include "logic/state/SharedState.h"
#include "platform/PdfJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <limits>
#include <optional>

#ifdef Q_OS_WIN
#include "platform/QtPrintingService.h"
#else
#include "platform/CupsPrintingService.h"
#endif

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace batchcommand {

namespace {

// The system's printers without windows: CUPS on Unix; Qt PrintSupport on Windows, which has no CUPS.
std::unique_ptr<PrintingService> systemPrinting()
{
#ifdef Q_OS_WIN
    return createSystemPrintingService();
#else
    return std::make_unique<CupsPrintingService>();
#endif
}

QString translated(const char *text)
{
    return QCoreApplication::translate("veltora-batch", text);
}

void printErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// Reads a file of the user's that must exist; failures are bad input.
QByteArray readInputFile(const QString &path, const QString &what)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "%1 «%2»: %3")).arg(what, path, f.errorString()));
    return f.readAll();
}

// A file of the working directory that failed is bad input, named after the folder.
template <typename Load> auto fromWorkDir(Load &&load)
{
    try {
        return load();
    } catch (const WorkDirFileError &e) {
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "рабочая папка, «%1»: %2")).arg(e.fileName(), e.message()));
    }
}

// The settings of the print, the feed method and the sender, as the window's print reads them.
void loadSettings(const WorkDir &dir, SharedState &state)
{
    fromWorkDir([&] {
        loadPrintSettings(dir, state);
        readingWorkDirFile(settings::FeedMethodFile, [&] { return settings::readFeedMethod(dir); });
        readingWorkDirFile(QStringLiteral("User.txt"), [&] { return senderLines(dir, state.mainFont()); });
    });
}

void loadBook(const WorkDir &dir, SharedState &state)
{
    fromWorkDir([&] { readingWorkDirFile(addressbook::FileName, [&] { state.mailing().loadBook(dir); }); });
}

void loadRecipients(const Options &o, const WorkDir &dir, SharedState &state)
{
    switch (o.source) {
    case Options::Source::Book:
        loadBook(dir, state);
        state.mailing().source = SourceMode::AddressBook;
        state.setMailingList(state.mailing().bookNames());
        break;
    case Options::Source::Names: {
        loadBook(dir, state);
        state.mailing().source = SourceMode::AddressBook;
        const QByteArray bytes = readInputFile(o.namesFile, QStringLiteral("--names"));
        const QStringList lines = codepage::splitLines(decodeText(bytes, TableEncoding::Detect));
        QStringList list;
        int line = 0;
        for (const QString &name : lines) {
            ++line;
            if (name.trimmed().isEmpty())
                continue;
            if (!state.mailing().lookupBook(name))
                throw InputError(
                    translated(QT_TRANSLATE_NOOP("veltora-batch", "--names «%1», строка %2: «%3» нет в адресной книге"))
                        .arg(o.namesFile)
                        .arg(line)
                        .arg(name));
            list.append(name);
        }
        state.setMailingList(list);
        break;
    }
    case Options::Source::Table:
    case Options::Source::VCard:
        // Read as a stream (TableMailing): nothing of it goes into the state's mailing list.
        return;
    case Options::Source::None:
        break;
    }
    if (state.mailingList().isEmpty())
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "список рассылки пуст")));
}

// The working directory of --workdir, else the default one. A new or empty folder is prepared as
// the default one is: the installed defaults are copied into it. Reference data that it lacks is
// read from the installed defaults.
std::unique_ptr<WorkDir> openWorkDir(const QString &asked)
{
    const QString path = asked.isEmpty() ? defaultWorkDir() : asked;
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "--workdir «%1»: это не папка")).arg(path));
    if (asked.isEmpty() || !info.exists() || QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        seedWorkDir(defaultDataDir(), path);
    if (!QFileInfo(path).isDir())
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "--workdir «%1»: папку не удалось создать")).arg(path));
    auto dir = std::make_unique<WorkDir>(path);
    dir->setReferenceFallback(defaultDataDir(), postal::directoryFiles());
    return dir;
}

// The printers a --printer may name: the system's queues and classes ("PDF file" is -o).
QString queuesText(const PrintingService &printing)
{
    QStringList queues = printing.printers();
    queues.removeAll(pdfFilePrinterName());
    if (queues.isEmpty())
        return translated(
            QT_TRANSLATE_NOOP("veltora-batch", "в системе нет ни одного принтера; PDF-файл пишет -o ФАЙЛ.pdf"));
    return translated(QT_TRANSLATE_NOOP("veltora-batch", "есть: %1")).arg(queues.join(QStringLiteral(", ")));
}

QString envelopesCount(qsizetype n)
{
    return language::inSourceLanguage() ? language::russianCount(n, "конверт", "конверта", "конвертов")
                                        : QCoreApplication::translate("veltora-batch", "%n конвертов", nullptr, int(n));
}

} // namespace

int run(const QStringList &arguments, PrintingService *printingOverride)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return Success;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        std::fputs("veltora-batch " VELTORA_VERSION "\n", stdout);
        return Success;
    }
    Options o;
    SharedState state;
    std::unique_ptr<WorkDir> dir;
    std::unique_ptr<QTemporaryFile> contactRows; // --vcard: the contacts as a table
    std::optional<TableMailing> table;
    QList<int> chosen;
    std::unique_ptr<PrintingService> ownPrinting;
    PrintingService *printing = printingOverride;
    try {
        o = parseArguments(arguments);
        dir = openWorkDir(o.workDir);
        installFontSubstitutes();
        state.setMainFont(mainWindowFont());
        loadSettings(*dir, state);
        if (state.envelopeWidth() == 0 || state.envelopeHeight() == 0)
            throw InputError(noEnvelopeSizeMessage());
        state.setShifts(o.shifts);

        qsizetype listSize = 0;
        if (o.source == Options::Source::VCard) {
            // The contacts as a table of their own: name, street, locality, district, region,
            // country, postal code.
            int withoutAddress = 0;
            contactRows = booktransfer::contactsAsTextTable(booktransfer::readVCardFile(o.vcardFile), &withoutAddress);
            if (withoutAddress > 0)
                printErr(translated(QT_TRANSLATE_NOOP("veltora-batch", "veltora-batch: --vcard «%1»: контактов без "
                                                                       "почтового адреса (не печатаются): %2"))
                             .arg(o.vcardFile)
                             .arg(withoutAddress));
            table.emplace(contactRows->fileName(), TableEncoding::Utf8, booktransfer::ContactTableColumns,
                          TitleRow::Absent);
            listSize = table->size();
        } else if (o.source == Options::Source::Table) {
            table.emplace(
                o.tableFile, o.encoding, o.columns, o.header,
                [&] {
                    printErr(
                        translated(QT_TRANSLATE_NOOP("veltora-batch",
                                                     "veltora-batch: --table «%1»: первая строка похожа на "
                                                     "заголовки столбцов и не печатается (--no-header печатает её)"))
                            .arg(o.tableFile));
                },
                o.sheet);
            listSize = table->size();
        } else {
            loadRecipients(o, *dir, state);
            listSize = state.mailingList().size();
        }
        if (listSize > std::numeric_limits<int>::max())
            throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "слишком много строк: %1")).arg(listSize));
        chosen = selection(o, int(listSize));
        if (table)
            warnAboutSharedKeys(table->sharedKeys());
        if (o.check || o.strict) {
            std::FILE *report = o.check ? stdout : stderr;
            const int problems =
                table ? writePostalReport(*dir, chosen, report, [&](int index) { return table->postalAddress(index); })
                      : writePostalReport(state, *dir, chosen, report);
            if (o.check)
                return problems > 0 ? PostalProblems : Success;
            if (problems > 0) {
                printErr(translated(QT_TRANSLATE_NOOP(
                    "veltora-batch", "veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict)")));
                return PostalProblems;
            }
        }

        if (!printing) {
            ownPrinting = systemPrinting();
            printing = ownPrinting.get();
        }
        if (!o.output.isEmpty()) {
            const QFileInfo out(o.split > 0 ? jobFileName(o.output, 1) : o.output);
            if (o.output == standardOutputName() && isatty(fileno(stdout)))
                throw InputError(translated(QT_TRANSLATE_NOOP(
                    "veltora-batch", "-o -: стандартный вывод — терминал, PDF направьте в файл или программу")));
            if (o.output != standardOutputName() && !out.absoluteDir().exists())
                throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "-o «%1»: папки нет")).arg(o.output));
            printing->setCurrentPrinter(pdfFilePrinterName());
        } else {
            if (o.printer == pdfFilePrinterName() || !printing->printers().contains(o.printer))
                throw InputError(
                    translated(QT_TRANSLATE_NOOP("veltora-batch", "--printer «%1»: нет такого принтера; %2"))
                        .arg(o.printer, queuesText(*printing)));
            printing->setCurrentPrinter(o.printer);
        }
        printing->setPageChoice(o.page);
    } catch (const AppError &e) {
        printErr(QStringLiteral("veltora-batch: ") + e.message());
        return BadInput;
    }

    const bool showProgress = isatty(fileno(stderr));
    int printedBefore = 0; // envelopes of the jobs already sent
    const BatchProgress progress = [&](int done, int total) {
        (void)total;
        const int envelope = printedBefore + done;
        if (showProgress && (envelope % 50 == 0 || envelope == chosen.size())) {
            std::fputs((QLatin1Char('\r') + translated(QT_TRANSLATE_NOOP("veltora-batch", "Конверт %1 из %2")))
                           .arg(envelope)
                           .arg(chosen.size())
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            if (envelope == chosen.size())
                std::fputc('\n', stderr);
            std::fflush(stderr);
        }
        return true;
    };
    // Each job is one document: a queue (or the members of a class) prints it whole, its envelopes in
    // order and its copies collated; with --split every job of a file has its own file.
    const QList<QList<int>> jobs = jobsOf(chosen, o.split);
    int pages = 0;
    qsizetype sent = 0; // jobs sent
    try {
        for (const QList<int> &job : jobs) {
            // The "PDF file" printer writes FILE.pdf.part beside the file and puts it in place of the
            // file only when it is whole; a failure or an interrupt removes it (platform/PdfJob).
            const QString file = o.split > 0 && !o.output.isEmpty() ? jobFileName(o.output, int(sent) + 1) : o.output;
            if (!file.isEmpty())
                printing->setOutputFileName(file);
            const PrintOutcome outcome =
                table ? printEnvelopes(
                            *printing, state, *dir, table->size(), job, o.copies,
                            [&](int index) { state.setRecipientDetails(table->recipient(index)); }, progress)
                      : printBatch(*printing, state, *dir, job, o.copies, progress);
            if (outcome.kind != PrintOutcome::Kind::Printed)
                throw IoError(translated(QT_TRANSLATE_NOOP("veltora-batch", "задание печати не выполнено")));
            ++sent;
            printedBefore += int(job.size());
            pages += outcome.envelopes;
            if (o.split > 0) {
                const QString where = file.isEmpty() ? o.printer : file;
                const int id = printing->lastJobId();
                printErr(
                    (id > 0 ? translated(QT_TRANSLATE_NOOP("veltora-batch", "задание %1 (CUPS %2): конверты %3 → %4"))
                                  .arg(sent)
                                  .arg(id)
                            : translated(QT_TRANSLATE_NOOP("veltora-batch", "задание %1: конверты %3 → %4")).arg(sent))
                        .arg(numberlist::listText(job), where));
            }
        }
    } catch (const std::exception &e) {
        const AppError *appError = dynamic_cast<const AppError *>(&e);
        printErr(translated(QT_TRANSLATE_NOOP("veltora-batch", "veltora-batch: ошибка печати: ")) +
                 (appError ? appError->message() : QString::fromLocal8Bit(e.what())));
        if (o.split > 0) {
            QList<int> left;
            for (qsizetype j = sent; j < jobs.size(); ++j)
                left += jobs.at(j);
            printErr(translated(QT_TRANSLATE_NOOP("veltora-batch", "veltora-batch: отправлено заданий: %1 из %2; "
                                                                   "не напечатанные конверты печатает --select %3"))
                         .arg(sent)
                         .arg(jobs.size())
                         .arg(numberlist::listText(left)));
        }
        return PrintFailure;
    }
    const QString target =
        o.split > 0                        ? (language::inSourceLanguage()
                                                  ? language::russianCount(jobs.size(), "задание", "задания", "заданий")
                                                  : QCoreApplication::translate("veltora-batch", "%n заданий", nullptr, int(jobs.size())))
        : o.output.isEmpty()               ? o.printer
        : o.output == standardOutputName() ? translated(QT_TRANSLATE_NOOP("veltora-batch", "стандартный вывод"))
                                           : o.output;
    const QString pagesText = language::inSourceLanguage()
                                  ? language::russianCount(pages, "страница", "страницы", "страниц")
                                  : QCoreApplication::translate("veltora-batch", "%n страниц", nullptr, pages);
    printErr(QStringLiteral("%1 → %2, %3").arg(envelopesCount(chosen.size()), target, pagesText));
    return Success;
}

} // namespace batchcommand
