#include "cli/BatchCommand.h"
#include "cli/MailingReport.h"

#include "logic/addresses/BookRecord.h"
#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/files/Codepage.h"
#include "logic/files/DataFolders.h"
#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"
#include "logic/mailing/TableFile.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/Fonts.h"
#include "logic/print/NumberList.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
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

// Bad arguments or input: exit status 2 with the message.
class InputError : public AppError
{
public:
    using AppError::AppError;
};

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

struct Options
{
    QString workDir;
    enum class Source { None, Book, Names, Table } source = Source::None;
    QString namesFile;
    QString tableFile;
    QString columns;
    TableEncoding encoding = TableEncoding::Detect;
    std::optional<QString> select;
    int copies = 1;
    BlockShifts shifts;
    QString printer;
    QString output;
    bool check = false;  // --check: the postal code report instead of the print
    bool strict = false; // --strict: a mailing with postal code problems is not printed
};

int parseNumber(const QString &text, const QString &option, int low, int high)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        throw InputError(QStringLiteral("%1: «%2» — нужно целое число от %3 до %4 / "
                                        "a whole number from %3 to %4 expected")
                             .arg(option, text)
                             .arg(low)
                             .arg(high));
    return v;
}

// A shift "X,Y" in preview steps, within the ranges of the preview's arrows.
void parseShift(const QString &text, const QString &option, int &x, int &y)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        throw InputError(QStringLiteral("%1: «%2» — нужно X,Y / X,Y expected").arg(option, text));
    x = parseNumber(parts.at(0), option + QStringLiteral(" X"), ShiftXMinimum, ShiftXMaximum);
    y = parseNumber(parts.at(1), option + QStringLiteral(" Y"), ShiftYMinimum, ShiftYMaximum);
}

Options parseArguments(const QStringList &args)
{
    Options o;
    auto value = [&](int &i) -> QString {
        const QString &name = args.at(i);
        if (i + 1 >= args.size())
            throw InputError(QStringLiteral("%1: не хватает значения / a value is missing").arg(name));
        return args.at(++i);
    };
    auto setSource = [&](Options::Source s, const QString &name) {
        if (o.source != Options::Source::None)
            throw InputError(QStringLiteral("%1: источник получателей уже задан (--book, --names, --table — только "
                                            "один) / the recipients' source is already given")
                                 .arg(name));
        o.source = s;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--workdir")) {
            o.workDir = value(i);
        } else if (a == QLatin1String("--book")) {
            setSource(Options::Source::Book, a);
        } else if (a == QLatin1String("--names")) {
            setSource(Options::Source::Names, a);
            o.namesFile = value(i);
        } else if (a == QLatin1String("--table")) {
            setSource(Options::Source::Table, a);
            o.tableFile = value(i);
        } else if (a == QLatin1String("--columns")) {
            o.columns = value(i);
        } else if (a == QLatin1String("--encoding")) {
            const QString e = value(i).toLower();
            if (e == QLatin1String("utf-8") || e == QLatin1String("utf8"))
                o.encoding = TableEncoding::Utf8;
            else if (e == QLatin1String("cp1251") || e == QLatin1String("windows-1251"))
                o.encoding = TableEncoding::Cp1251;
            else
                throw InputError(
                    QStringLiteral("--encoding: «%1» — нужно utf-8 или cp1251 / utf-8 or cp1251 expected").arg(e));
        } else if (a == QLatin1String("--select")) {
            o.select = value(i);
        } else if (a == QLatin1String("--copies")) {
            o.copies = parseNumber(value(i), a, 1, 50);
        } else if (a == QLatin1String("--shift-home")) {
            parseShift(value(i), a, o.shifts.homeX, o.shifts.homeY);
        } else if (a == QLatin1String("--shift-addr")) {
            parseShift(value(i), a, o.shifts.addrX, o.shifts.addrY);
        } else if (a == QLatin1String("--printer")) {
            o.printer = value(i);
        } else if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            o.output = value(i);
        } else if (a == QLatin1String("--check")) {
            o.check = true;
        } else if (a == QLatin1String("--strict")) {
            o.strict = true;
        } else {
            throw InputError(
                QStringLiteral("неизвестный параметр «%1» (см. --help) / unknown argument '%1' (see --help)").arg(a));
        }
    }
    if (o.source == Options::Source::None)
        throw InputError(QStringLiteral("не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ / "
                                        "no recipients: give --book, --names FILE or --table FILE"));
    if (o.source == Options::Source::Table && o.columns.isEmpty())
        throw InputError(QStringLiteral("--table требует --columns / --table needs --columns"));
    if (o.source != Options::Source::Table && (!o.columns.isEmpty() || o.encoding != TableEncoding::Detect))
        throw InputError(
            QStringLiteral("--columns и --encoding — только с --table / --columns and --encoding go with --table"));
    if (!o.check && o.printer.isEmpty() == o.output.isEmpty())
        throw InputError(QStringLiteral("нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf / "
                                        "give exactly one of --printer NAME or -o FILE.pdf"));
    return o;
}

// Reads a file of the user's that must exist; failures are bad input.
QByteArray readInputFile(const QString &path, const QString &what)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw InputError(QStringLiteral("%1 «%2»: %3").arg(what, path, f.errorString()));
    return f.readAll();
}

template <typename Fn> auto fromWorkDir(const QString &file, Fn &&fn)
{
    try {
        return fn();
    } catch (const IoError &e) {
        throw InputError(QStringLiteral("рабочая папка / working directory, «%1»: %2").arg(file, e.message()));
    }
}

void loadBook(const WorkDir &dir, SharedState &state)
{
    fromWorkDir(addressbook::FileName, [&] {
        state.mailing().loadBook(dir);
        return 0;
    });
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
                throw InputError(QStringLiteral("--names «%1», строка %2: «%3» нет в адресной книге / "
                                                "line %2: '%3' is not in the address book")
                                     .arg(o.namesFile)
                                     .arg(line)
                                     .arg(name));
            list.append(name);
        }
        state.setMailingList(list);
        break;
    }
    case Options::Source::Table: {
        const QList<int> map = parseColumnMap(o.columns);
        Table table = parseTable(readInputFile(o.tableFile, QStringLiteral("--table")), o.encoding);
        ColumnMap columns = emptyColumnMap();
        for (int f = 0; f < static_cast<int>(columns.size()); ++f)
            columns[f] = map.at(f);
        const int keyColumn = columns[FieldSurname];
        QStringList rows;
        int rowNumber = 0;
        for (QStringList cells : table.rows) {
            ++rowNumber;
            for (QString &cell : cells) {
                // A cell is one line of the envelope: breaks and tabs inside it become blanks.
                cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
                cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
                cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
            }
            if (keyColumn >= 0 && (keyColumn >= cells.size() || cells.at(keyColumn).trimmed().isEmpty()))
                throw InputError(QStringLiteral("--table «%1», строка %2, столбец %3: нет фамилии (ключа записи) / "
                                                "row %2, column %3: the surname (record key) is empty")
                                     .arg(o.tableFile)
                                     .arg(rowNumber)
                                     .arg(keyColumn + 1));
            const QString row = cells.join(QLatin1Char('\t'));
            if (row.size() < MinimumRowLength)
                throw InputError(QStringLiteral("--table «%1», строка %2, столбец 1: строка короче пяти знаков / "
                                                "row %2, column 1: the row is shorter than five characters")
                                     .arg(o.tableFile)
                                     .arg(rowNumber));
            rows.append(row);
        }
        state.mailing().setMailingRecords(buildMailingRecords(rows, columns));
        warnAboutSharedKeys(state.mailing().mailingRecords());
        state.mailing().source = SourceMode::OtherSource;
        state.setMailingList(state.mailing().recordKeys());
        break;
    }
    case Options::Source::None:
        break;
    }
    if (state.mailingList().isEmpty())
        throw InputError(QStringLiteral("список рассылки пуст / the mailing list is empty"));
}

QList<int> selection(const Options &o, int count)
{
    QList<int> result;
    if (!o.select) {
        for (int i = 0; i < count; ++i)
            result.append(i);
        return result;
    }
    const QString &text = *o.select;
    if (!numberlist::isWellFormed(text))
        throw InputError(QStringLiteral("--select «%1»: %2 — номера через запятую, диапазоны через тире, без пробелов "
                                        "/ numbers separated by commas, ranges by dashes, no blanks")
                             .arg(text, numberlist::MalformedMessage));
    numberlist::Expansion e;
    try {
        e = numberlist::expandPieces(numberlist::splitPieces(text), count);
    } catch (const ConversionError &err) {
        throw InputError(QStringLiteral("--select: %1").arg(err.message()));
    }
    if (e.outside)
        throw InputError(QStringLiteral("--select: %1").arg(numberlist::outsideMessage(*e.outside, count)));
    for (int n : e.numbers)
        result.append(n - 1);
    // Nothing to print is refused before any file is touched.
    if (result.isEmpty())
        throw InputError(QStringLiteral("--select «%1»: выбор пуст, не выбрано ни одного конверта / "
                                        "the selection is empty: no envelope is chosen")
                             .arg(text));
    return result;
}

} // namespace

QString helpText()
{
    return QStringLiteral(
        "veltora-batch — печать групповой рассылки Велторы без окон (конверт на страницу).\n"
        "veltora-batch — prints a Veltora group mailing without windows (one envelope per page).\n"
        "\n"
        "Получатели / Recipients (ровно один / exactly one):\n"
        "  --book                 все адресаты адресной книги по порядку файла\n"
        "                         every addressee of the address book, in file order\n"
        "  --names ФАЙЛ           имена из адресной книги, по одному в строке\n"
        "  --names FILE           names of the address book, one a line\n"
        "  --table ФАЙЛ           таблица: столбцы через табуляцию, «;» или «,»\n"
        "  --table FILE           a table: columns separated by tabs, ';' or ','\n"
        "  --columns КАРТА        столбцы (с 0) для девяти строк записи или «-»:\n"
        "  --columns MAP          columns (from 0) for the nine lines of a record, or '-':\n"
        "                         Фамилия, Имя, Отчество, Улица, Населенный пункт, Район,\n"
        "                         Область, Страна, Почтовый индекс; e.g. 0,1,-,2,3,-,-,-,4\n"
        "  --encoding КОДИРОВКА   utf-8 или cp1251 (по умолчанию определяется сама)\n"
        "  --encoding ENCODING    utf-8 or cp1251 (detected when not given)\n"
        "\n"
        "Печать / Printing:\n"
        "  --select \"2-4,7\"       номера конвертов (как в окне «Настройка печати»)\n"
        "                         envelope numbers (as in the print setup window)\n"
        "  --copies N             число копий, 1–50 / number of copies, 1-50\n"
        "  --shift-home X,Y       сдвиг адреса отправителя, шаги по 2 мм (X: -244..100, Y: -100..244)\n"
        "                         sender block shift in 2 mm steps\n"
        "  --shift-addr X,Y       сдвиг адреса получателя / recipient block shift\n"
        "  --printer ИМЯ          принтер системы / a printer of the system\n"
        "  -o ФАЙЛ.pdf            печать в PDF-файл / print into a PDF file\n"
        "  --check                проверить почтовые индексы по справочнику и ничего не печатать:\n"
        "                         строка или имя, индекс, населённый пункт, ошибка — через табуляцию\n"
        "                         check the postal codes against the directory, print nothing:\n"
        "                         row or name, code, locality, problem, tab-separated\n"
        "  --strict               не печатать рассылку с ошибками в индексах (код 3)\n"
        "                         do not print a mailing with postal code problems (exit 3)\n"
        "  --workdir ПАПКА        рабочая папка (по умолчанию — папка программы)\n"
        "  --workdir DIR          working directory (default: the program's)\n"
        "  --help                 эта справка / this help\n"
        "\n"
        "Размер конверта, шрифты, способ загрузки и адрес отправителя (User.txt) берутся из рабочей папки.\n"
        "Envelope size, fonts, feed method and the sender (User.txt) come from the working directory.\n"
        "\n"
        "Коды завершения / Exit status: 0 успех / success; 2 неверные параметры или данные /\n"
        "bad arguments or input; 1 ошибка печати / printing failure;\n"
        "3 ошибки в почтовых индексах (--check, --strict) / postal code problems.\n");
}

int run(const QStringList &arguments, PrintingService *printingOverride)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return Success;
    }
    Options o;
    SharedState state;
    std::unique_ptr<WorkDir> dir;
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
            throw InputError(QStringLiteral("--workdir «%1»: папки нет / no such folder").arg(workPath));
        dir = std::make_unique<WorkDir>(workPath);
        installFontSubstitutes();
        state.setMainFont(mainWindowFont());
        fromWorkDir(settings::ParfileFile, [&] {
            const settings::EnvelopeSize size = settings::readParfile(*dir);
            state.setEnvelopeSize(size.width, size.height);
            return 0;
        });
        state.setEnvelope(fromWorkDir(settings::EnvtipFile, [&] { return settings::readEnvtip(*dir); }),
                          state.envelopeWidth(), state.envelopeHeight());
        state.setSenderFont(fromWorkDir(settings::HomeFontFile, [&] { return settings::readHomeFont(*dir); }));
        state.setRecipientFont(fromWorkDir(settings::AddrFontFile, [&] { return settings::readAddrFont(*dir); }));
        fromWorkDir(settings::EnvsFile, [&] { return settings::readEnvsLast(*dir); });
        fromWorkDir(QStringLiteral("User.txt"), [&] { return senderLines(*dir, state.mainFont()); });
        if (state.envelopeWidth() == 0 || state.envelopeHeight() == 0)
            throw InputError(NoEnvelopeSizeMessage);
        state.setShifts(o.shifts);

        loadRecipients(o, *dir, state);
        chosen = selection(o, static_cast<int>(state.mailingList().size()));
        if (o.check || o.strict) {
            const int problems = writePostalReport(state, *dir, chosen, o.check ? stdout : stderr);
            if (o.check)
                return problems > 0 ? PostalProblems : Success;
            if (problems > 0) {
                printErr(
                    QStringLiteral("veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict) / "
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
            if (!out.absoluteDir().exists())
                throw InputError(QStringLiteral("-o «%1»: папки нет / the folder does not exist").arg(o.output));
            printing->setCurrentPrinter(pdfFilePrinterName());
        } else {
            if (!printing->printers().contains(o.printer))
                throw InputError(
                    QStringLiteral("--printer «%1»: нет такого принтера; есть / no such printer; there are: %2")
                        .arg(o.printer, printing->printers().join(QStringLiteral(", "))));
            printing->setCurrentPrinter(o.printer);
        }
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
    try {
        // The "PDF file" printer writes FILE.pdf.part beside the file and puts it in place of the
        // file only when it is whole; a failure or an interrupt removes it (platform/PdfJob).
        if (!o.output.isEmpty())
            printing->setOutputFileName(o.output);
        const PrintOutcome outcome = printBatch(*printing, state, *dir, chosen, o.copies, progress);
        if (outcome.kind != PrintOutcome::Kind::Printed)
            throw IoError(QStringLiteral("задание печати не выполнено / the print job did not complete"));
    } catch (const AppError &e) {
        printErr(QStringLiteral("veltora-batch: ошибка печати / printing failed: ") + e.message());
        return PrintFailure;
    } catch (const std::exception &e) {
        printErr(QStringLiteral("veltora-batch: ошибка печати / printing failed: ") + QString::fromLocal8Bit(e.what()));
        return PrintFailure;
    }
    return Success;
}

} // namespace batchcommand
