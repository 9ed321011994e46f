#include "cli/BatchCommand.h"
#include "cli/BatchOptions.h"
#include "cli/MailingReport.h"

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
        throw InputError(QStringLiteral("%1 «%2»: %3").arg(what, path, f.errorString()));
    return f.readAll();
}

// A file of the working directory that failed is bad input, named after the folder.
template <typename Load> auto fromWorkDir(Load &&load)
{
    try {
        return load();
    } catch (const WorkDirFileError &e) {
        throw InputError(QCoreApplication::translate("veltora-batch", "рабочая папка / working directory, «%1»: %2")
                             .arg(e.fileName(), e.message()));
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
                throw InputError(QCoreApplication::translate("veltora-batch",
                                                             "--names «%1», строка %2: «%3» нет в адресной книге / "
                                                             "line %2: '%3' is not in the address book")
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
        throw InputError(
            QCoreApplication::translate("veltora-batch", "список рассылки пуст / the mailing list is empty"));
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
        QString workPath = o.workDir;
        if (workPath.isEmpty()) {
            workPath = defaultWorkDir();
            seedWorkDir(defaultDataDir(), workPath);
        }
        if (!QFileInfo(workPath).isDir())
            throw InputError(QCoreApplication::translate("veltora-batch", "--workdir «%1»: папки нет / no such folder")
                                 .arg(workPath));
        dir = std::make_unique<WorkDir>(workPath);
        installFontSubstitutes();
        state.setMainFont(mainWindowFont());
        loadSettings(*dir, state);
        if (state.envelopeWidth() == 0 || state.envelopeHeight() == 0)
            throw InputError(NoEnvelopeSizeMessage);
        state.setShifts(o.shifts);

        qsizetype listSize = 0;
        if (o.source == Options::Source::VCard) {
            // The contacts as a table of their own: name, street, locality, district, region,
            // country, postal code.
            int withoutAddress = 0;
            contactRows = booktransfer::contactsAsTextTable(booktransfer::readVCardFile(o.vcardFile), &withoutAddress);
            if (withoutAddress > 0)
                printErr(QCoreApplication::translate("veltora-batch",
                                                     "veltora-batch: --vcard «%1»: контактов без почтового адреса "
                                                     "(не печатаются) / contacts without a postal address (not "
                                                     "printed): %2")
                             .arg(o.vcardFile)
                             .arg(withoutAddress));
            table.emplace(contactRows->fileName(), TableEncoding::Utf8, booktransfer::ContactTableColumns,
                          TitleRow::Absent);
            listSize = table->size();
        } else if (o.source == Options::Source::Table) {
            table.emplace(
                o.tableFile, o.encoding, o.columns, o.header,
                [&] {
                    printErr(QCoreApplication::translate(
                                 "veltora-batch",
                                 "veltora-batch: --table «%1»: первая строка похожа на заголовки столбцов и не "
                                 "печатается (--no-header печатает её) / the first row looks like column titles "
                                 "and is not printed (--no-header prints it)")
                                 .arg(o.tableFile));
                },
                o.sheet);
            listSize = table->size();
        } else {
            loadRecipients(o, *dir, state);
            listSize = state.mailingList().size();
        }
        if (listSize > std::numeric_limits<int>::max())
            throw InputError(
                QCoreApplication::translate("veltora-batch", "слишком много строк / too many rows: %1").arg(listSize));
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
                printErr(QCoreApplication::translate(
                    "veltora-batch", "veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict) / "
                                     "nothing printed: the mailing has postal code problems (--strict)"));
                return PostalProblems;
            }
        }

        if (!printing) {
            ownPrinting = systemPrinting();
            printing = ownPrinting.get();
        }
        if (!o.output.isEmpty()) {
            const QFileInfo out(o.output);
            if (o.output == standardOutputName() && isatty(fileno(stdout)))
                throw InputError(QCoreApplication::translate(
                    "veltora-batch", "-o -: стандартный вывод — терминал, PDF направьте в файл или "
                                     "программу / the standard output is a terminal: send the PDF to a "
                                     "file or a program"));
            if (o.output != standardOutputName() && !out.absoluteDir().exists())
                throw InputError(
                    QCoreApplication::translate("veltora-batch", "-o «%1»: папки нет / the folder does not exist")
                        .arg(o.output));
            printing->setCurrentPrinter(pdfFilePrinterName());
        } else {
            if (!printing->printers().contains(o.printer))
                throw InputError(
                    QCoreApplication::translate(
                        "veltora-batch", "--printer «%1»: нет такого принтера; есть / no such printer; there are: %2")
                        .arg(o.printer, printing->printers().join(QStringLiteral(", "))));
            printing->setCurrentPrinter(o.printer);
        }
        printing->setPageChoice(o.page);
    } catch (const AppError &e) {
        printErr(QStringLiteral("veltora-batch: ") + e.message());
        return BadInput;
    }

    const bool showProgress = isatty(fileno(stderr));
    const BatchProgress progress = [&](int done, int total) {
        if (showProgress && (done % 50 == 0 || done == total)) {
            std::fprintf(stderr, "\rКонверт / envelope %d из / of %d", done, total);
            if (done == total)
                std::fputc('\n', stderr);
            std::fflush(stderr);
        }
        return true;
    };
    PrintOutcome outcome;
    try {
        // The "PDF file" printer writes FILE.pdf.part beside the file and puts it in place of the
        // file only when it is whole; a failure or an interrupt removes it (platform/PdfJob).
        if (!o.output.isEmpty())
            printing->setOutputFileName(o.output);
        if (table) {
            outcome = printEnvelopes(
                *printing, state, *dir, table->size(), chosen, o.copies,
                [&](int index) { state.setRecipientDetails(table->recipient(index)); }, progress);
        } else {
            outcome = printBatch(*printing, state, *dir, chosen, o.copies, progress);
        }
        if (outcome.kind != PrintOutcome::Kind::Printed)
            throw IoError(QCoreApplication::translate("veltora-batch",
                                                      "задание печати не выполнено / the print job did not complete"));
    } catch (const AppError &e) {
        printErr(QCoreApplication::translate("veltora-batch", "veltora-batch: ошибка печати / printing failed: ") +
                 e.message());
        return PrintFailure;
    } catch (const std::exception &e) {
        printErr(QCoreApplication::translate("veltora-batch", "veltora-batch: ошибка печати / printing failed: ") +
                 QString::fromLocal8Bit(e.what()));
        return PrintFailure;
    }
    const QString target = o.output.isEmpty() ? o.printer
                           : o.output == standardOutputName()
                               ? QCoreApplication::translate("veltora-batch", "стандартный вывод / standard output")
                               : o.output;
    const QString envelopes =
        language::inSourceLanguage()
            ? language::russianCount(chosen.size(), "конверт", "конверта", "конвертов")
            : QCoreApplication::translate("veltora-batch", "%n конвертов", nullptr, int(chosen.size()));
    const QString pages = language::inSourceLanguage()
                              ? language::russianCount(outcome.envelopes, "страница", "страницы", "страниц")
                              : QCoreApplication::translate("veltora-batch", "%n страниц", nullptr, outcome.envelopes);
    printErr(
        QCoreApplication::translate("veltora-batch", "%1 / envelopes → %2, %3 / pages").arg(envelopes, target, pages));
    return Success;
}

} // namespace batchcommand
