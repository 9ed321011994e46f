#include "cli/BatchOptions.h"
#include "cli/BatchCommand.h"

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/print/NumberList.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

namespace batchcommand {

namespace {

int parseNumber(const QString &text, const QString &option, int low, int high)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        throw InputError(QCoreApplication::translate("veltora-batch", "%1: «%2» — нужно целое число от %3 до %4 / "
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
        throw InputError(
            QCoreApplication::translate("veltora-batch", "%1: «%2» — нужно X,Y / X,Y expected").arg(option, text));
    x = parseNumber(parts.at(0), option + QStringLiteral(" X"), ShiftXMinimum, ShiftXMaximum);
    y = parseNumber(parts.at(1), option + QStringLiteral(" Y"), ShiftYMinimum, ShiftYMaximum);
}

QCommandLineOption option(const QStringList &names, const QString &description, const QString &valueName = {})
{
    return QCommandLineOption(names, description, valueName);
}

// The options that choose the recipients, then those of the print: the help lists them so.
const QList<QCommandLineOption> &recipientOptions()
{
    static const QList<QCommandLineOption> options = {
        option({QStringLiteral("book")}, QStringLiteral("все адресаты адресной книги по порядку файла\n"
                                                        "every addressee of the address book, in file order")),
        option({QStringLiteral("names")},
               QStringLiteral("имена из адресной книги, по одному в строке\nnames of the address book, one a line"),
               QStringLiteral("ФАЙЛ/FILE")),
        option({QStringLiteral("table")},
               QStringLiteral("таблица: столбцы через табуляцию, «;» или «,»; книга .ods или .xlsx\n"
                              "a table: columns separated by tabs, ';' or ','; an .ods or .xlsx workbook"),
               QStringLiteral("ФАЙЛ/FILE")),
        option({QStringLiteral("sheet")},
               QStringLiteral("лист книги .ods или .xlsx (по умолчанию первый)\n"
                              "the sheet of an .ods or .xlsx workbook (default: the first)"),
               QStringLiteral("ЛИСТ/SHEET")),
        option({QStringLiteral("vcard")},
               QStringLiteral("контакты vCard (.vcf): конверт каждому контакту с почтовым адресом\n"
                              "vCard contacts (.vcf): an envelope for every contact with a postal address"),
               QStringLiteral("ФАЙЛ/FILE")),
        option({QStringLiteral("columns")},
               QStringLiteral("столбцы (с 0) для девяти строк записи или «-»:\n"
                              "columns (from 0) for the nine lines of a record, or '-':\n"
                              "Фамилия, Имя, Отчество, Улица, Населенный пункт, Район,\n"
                              "Область, Страна, Почтовый индекс; e.g. 0,1,-,2,3,-,-,-,4"),
               QStringLiteral("КАРТА/MAP")),
        option({QStringLiteral("encoding")},
               QStringLiteral("utf-8 или cp1251 (по умолчанию определяется сама)\n"
                              "utf-8 or cp1251 (detected when not given)"),
               QStringLiteral("КОДИРОВКА/ENCODING")),
        option({QStringLiteral("header")},
               QStringLiteral("первая строка таблицы — заголовки столбцов, не печатается\n"
                              "the first row of the table holds column titles, not printed")),
        option({QStringLiteral("no-header")},
               QStringLiteral("первая строка — получатель (без этих параметров строка заголовков\n"
                              "распознаётся сама) / the first row is a recipient (without either,\n"
                              "a row of titles is detected and reported)\n"
                              "Пустые строки (например «;;;;;;») пропускаются / blank rows are skipped.")),
    };
    return options;
}

const QList<QCommandLineOption> &printingOptions()
{
    static const QList<QCommandLineOption> options = {
        option({QStringLiteral("select")},
               QStringLiteral("номера конвертов (как в окне «Настройка печати»), например \"2-4,7\"\n"
                              "envelope numbers (as in the print setup window), e.g. \"2-4,7\""),
               QStringLiteral("СПИСОК/LIST")),
        option({QStringLiteral("copies")}, QStringLiteral("число копий, 1–50 / number of copies, 1-50"),
               QStringLiteral("N")),
        option({QStringLiteral("shift-home")},
               QStringLiteral("сдвиг адреса отправителя, шаги по 2 мм (X: -244..100, Y: -100..244)\n"
                              "sender block shift in 2 mm steps"),
               QStringLiteral("X,Y")),
        option({QStringLiteral("shift-addr")}, QStringLiteral("сдвиг адреса получателя / recipient block shift"),
               QStringLiteral("X,Y")),
        option({QStringLiteral("printer")}, QStringLiteral("принтер системы / a printer of the system"),
               QStringLiteral("ИМЯ/NAME")),
        option({QStringLiteral("o"), QStringLiteral("output")},
               QStringLiteral("печать в PDF-файл («-» — на стандартный вывод)\n"
                              "print into a PDF file ('-': the standard output)"),
               QStringLiteral("ФАЙЛ.pdf/FILE.pdf")),
        option({QStringLiteral("page")},
               QStringLiteral("envelope (по умолчанию): страница — сам конверт; у принтера —\n"
                              "его бумага размера конверта, если она есть; a4: лист A4;\n"
                              "printer: бумага принтера как есть (для -o — A4)\n"
                              "envelope (default): the page is the envelope itself; on a printer,\n"
                              "its media of the envelope's size when it has one; a4: an A4 sheet;\n"
                              "printer: the printer's paper as it is (A4 for -o)"),
               QStringLiteral("СТРАНИЦА/PAGE")),
        option({QStringLiteral("check")},
               QStringLiteral("проверить почтовые индексы по справочнику и ничего не печатать:\n"
                              "строка или имя, индекс, населённый пункт, ошибка — через табуляцию\n"
                              "check the postal codes against the directory, print nothing:\n"
                              "row or name, code, locality, problem, tab-separated")),
        option({QStringLiteral("strict")}, QStringLiteral("не печатать рассылку с ошибками в индексах (код 3)\n"
                                                          "do not print a mailing with postal code problems (exit 3)")),
        option({QStringLiteral("workdir")},
               QStringLiteral("рабочая папка (по умолчанию — папка программы)\n"
                              "working directory (default: the program's)"),
               QStringLiteral("ПАПКА/DIR")),
        option({QStringLiteral("lang")},
               QStringLiteral("язык сообщений (по умолчанию — выбранный в окне или язык системы)\n"
                              "the language of the messages (default: the one chosen in the\n"
                              "window, else the system's)"),
               QStringLiteral("ru|uk|en")),
        option({QStringLiteral("help")}, QStringLiteral("эта справка / this help")),
        option({QStringLiteral("version")}, QStringLiteral("версия программы / the program's version")),
    };
    return options;
}

// How the help and the messages write an option: "--table", "-o".
QString written(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The declared option that `argument` names exactly ("--copies", "-o"); null for any other word.
const QCommandLineOption *declaredAs(const QString &argument)
{
    for (const QList<QCommandLineOption> *group : {&recipientOptions(), &printingOptions()})
        for (const QCommandLineOption &o : *group)
            for (const QString &name : o.names())
                if (argument == written(name))
                    return &o;
    return nullptr;
}

// The first argument this command does not take, and how many options stand before it.
// QCommandLineParser would also take "--name=value", "--" and bare words; this command takes
// "--name [value]" and "-o FILE" only, "--lang=CODE" besides (read in main before the rest).
struct UnreadArgument
{
    int optionsBefore = 0;
    QString message;
    QString argument;
    bool valueMissing = false;
};

std::optional<UnreadArgument> firstUnreadArgument(const QStringList &args)
{
    int options = 0;
    for (int i = 0; i < args.size(); ++i, ++options) {
        const QString &a = args.at(i);
        if (a.startsWith(QLatin1String("--lang=")))
            continue;
        const QCommandLineOption *declared = declaredAs(a);
        if (!declared)
            return UnreadArgument{
                options,
                QCoreApplication::translate(
                    "veltora-batch", "неизвестный параметр «%1» (см. --help) / unknown argument '%1' (see --help)")
                    .arg(a),
                a};
        if (!declared->valueName().isEmpty() && ++i >= args.size())
            return UnreadArgument{
                options,
                QCoreApplication::translate("veltora-batch", "%1: не хватает значения / a value is missing").arg(a), a,
                true};
    }
    return std::nullopt;
}

// Takes the value of one option into `o`; `written` is the option as the user wrote it.
void takeOption(Options &o, const QString &name, const QString &written, const QString &value)
{
    auto setSource = [&](Options::Source s) {
        if (o.source != Options::Source::None)
            throw InputError(
                QCoreApplication::translate("veltora-batch",
                                            "%1: источник получателей уже задан (--book, --names, --table — только "
                                            "один) / the recipients' source is already given")
                    .arg(written));
        o.source = s;
    };
    if (name == QLatin1String("workdir")) {
        o.workDir = value;
    } else if (name == QLatin1String("book")) {
        setSource(Options::Source::Book);
    } else if (name == QLatin1String("names")) {
        setSource(Options::Source::Names);
        o.namesFile = value;
    } else if (name == QLatin1String("table")) {
        setSource(Options::Source::Table);
        o.tableFile = value;
    } else if (name == QLatin1String("sheet")) {
        o.sheet = value;
    } else if (name == QLatin1String("vcard")) {
        setSource(Options::Source::VCard);
        o.vcardFile = value;
    } else if (name == QLatin1String("columns")) {
        o.columns = value;
    } else if (name == QLatin1String("encoding")) {
        const QString e = value.toLower();
        if (e == QLatin1String("utf-8") || e == QLatin1String("utf8"))
            o.encoding = TableEncoding::Utf8;
        else if (e == QLatin1String("cp1251") || e == QLatin1String("windows-1251"))
            o.encoding = TableEncoding::Cp1251;
        else
            throw InputError(
                QCoreApplication::translate("veltora-batch",
                                            "--encoding: «%1» — нужно utf-8 или cp1251 / utf-8 or cp1251 expected")
                    .arg(e));
    } else if (name == QLatin1String("select")) {
        o.select = value;
    } else if (name == QLatin1String("copies")) {
        o.copies = parseNumber(value, written, 1, 50);
    } else if (name == QLatin1String("shift-home")) {
        parseShift(value, written, o.shifts.homeX, o.shifts.homeY);
    } else if (name == QLatin1String("shift-addr")) {
        parseShift(value, written, o.shifts.addrX, o.shifts.addrY);
    } else if (name == QLatin1String("printer")) {
        o.printer = value;
    } else if (name == QLatin1String("o")) {
        o.output = value;
    } else if (name == QLatin1String("check")) {
        o.check = true;
    } else if (name == QLatin1String("strict")) {
        o.strict = true;
    } else if (name == QLatin1String("page")) {
        if (value == QLatin1String("envelope"))
            o.page = PageChoice::Envelope;
        else if (value == QLatin1String("a4"))
            o.page = PageChoice::A4;
        else if (value == QLatin1String("printer"))
            o.page = PageChoice::Printer;
        else
            throw InputError(QCoreApplication::translate("veltora-batch",
                                                         "--page: «%1» — нужно envelope, a4 или printer / "
                                                         "envelope, a4 or printer expected")
                                 .arg(value));
    } else if (name == QLatin1String("header") || name == QLatin1String("no-header")) {
        const TitleRow h = name == QLatin1String("header") ? TitleRow::Present : TitleRow::Absent;
        if (o.header != TitleRow::Detect && o.header != h)
            throw InputError(QCoreApplication::translate("veltora-batch",
                                                         "--header и --no-header — только одно / "
                                                         "--header and --no-header exclude each other"));
        o.header = h;
    }
    // --lang chooses the language of the messages before the arguments are read (main).
}

} // namespace

Options parseArguments(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(recipientOptions());
    parser.addOptions(printingOptions());
    parser.parse(QStringList{QStringLiteral("veltora-batch")} + args);
    const std::optional<UnreadArgument> unread = firstUnreadArgument(args);

    // The options in the order given: the first wrong one is the one reported.
    Options o;
    const QStringList names = parser.optionNames();
    QHash<QString, int> taken; // values taken so far, per option (by its first name)
    for (int i = 0; i < names.size() && !(unread && i == unread->optionsBefore); ++i) {
        const QCommandLineOption *declared = declaredAs(written(names.at(i)));
        const QString name = declared->names().constFirst();
        const QString value = declared->valueName().isEmpty() ? QString() : parser.values(name).value(taken[name]++);
        takeOption(o, name, written(names.at(i)), value);
    }
    if (unread) {
        // A second source is refused before its missing file name is.
        const QCommandLineOption *declared = declaredAs(unread->argument);
        if (unread->valueMissing && (declared->names().contains(QStringLiteral("names")) ||
                                     declared->names().contains(QStringLiteral("table")) ||
                                     declared->names().contains(QStringLiteral("vcard"))))
            takeOption(o, declared->names().constFirst(), unread->argument, QString());
        throw InputError(unread->message);
    }

    if (o.source == Options::Source::None)
        throw InputError(QCoreApplication::translate(
            "veltora-batch", "не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ / "
                             "no recipients: give --book, --names FILE or --table FILE"));
    if (o.source == Options::Source::Table && o.columns.isEmpty())
        throw InputError(
            QCoreApplication::translate("veltora-batch", "--table требует --columns / --table needs --columns"));
    if (o.source != Options::Source::Table && !o.sheet.isEmpty())
        throw InputError(
            QCoreApplication::translate("veltora-batch", "--sheet — только с --table / --sheet goes with --table"));
    if (o.source != Options::Source::Table &&
        (!o.columns.isEmpty() || o.encoding != TableEncoding::Detect || o.header != TitleRow::Detect))
        throw InputError(QCoreApplication::translate(
            "veltora-batch", "--columns, --encoding, --header и --no-header — только с --table / "
                             "--columns, --encoding, --header and --no-header go with --table"));
    // "--printer "PDF file" -o FILE" names the built-in printer and its file; alone it has no file.
    const bool pdfPrinter = o.printer == pdfFilePrinterName();
    if (pdfPrinter && o.output.isEmpty() && !o.check)
        throw InputError(QCoreApplication::translate("veltora-batch",
                                                     "--printer «%1» пишет файл: нужен -o ФАЙЛ.pdf / "
                                                     "the printer \"%1\" writes a file: give -o FILE.pdf")
                             .arg(pdfFilePrinterName()));
    if (pdfPrinter)
        o.printer.clear();
    if (!o.check && o.printer.isEmpty() == o.output.isEmpty())
        throw InputError(QCoreApplication::translate("veltora-batch",
                                                     "нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf / "
                                                     "give exactly one of --printer NAME or -o FILE.pdf"));
    return o;
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
        throw InputError(
            QCoreApplication::translate("veltora-batch",
                                        "--select «%1»: %2 — номера через запятую, диапазоны через тире, без пробелов "
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
        throw InputError(QCoreApplication::translate("veltora-batch",
                                                     "--select «%1»: выбор пуст, не выбрано ни одного конверта / "
                                                     "the selection is empty: no envelope is chosen")
                             .arg(text));
    return result;
}

QString helpText()
{
    QString help =
        QStringLiteral("veltora-batch — печать групповой рассылки Велторы без окон (конверт на страницу).\n"
                       "veltora-batch — prints a Veltora group mailing without windows (one envelope per page).\n");
    const auto section = [&](const QString &title, const QList<QCommandLineOption> &options) {
        constexpr int DescriptionColumn = 25;
        help += QLatin1Char('\n') + title + QLatin1Char('\n');
        for (const QCommandLineOption &o : options) {
            QStringList names;
            for (const QString &name : o.names())
                names.append(written(name));
            QString line = QStringLiteral("  ") + names.join(QStringLiteral(", "));
            if (!o.valueName().isEmpty())
                line += QLatin1Char(' ') + o.valueName();
            const QString indent(DescriptionColumn, QLatin1Char(' '));
            help += line.size() < DescriptionColumn - 1 ? line.leftJustified(DescriptionColumn)
                                                        : line + QLatin1Char('\n') + indent;
            help += o.description().split(QLatin1Char('\n')).join(QLatin1Char('\n') + indent) + QLatin1Char('\n');
        }
    };
    section(QStringLiteral("Получатели / Recipients (ровно один / exactly one):"), recipientOptions());
    section(QStringLiteral("Печать / Printing:"), printingOptions());
    return help +
           QStringLiteral(
               "\n"
               "Размер конверта, шрифты, способ загрузки и адрес отправителя (User.txt) берутся из рабочей папки.\n"
               "Envelope size, fonts, feed method and the sender (User.txt) come from the working directory.\n"
               "\n"
               "Коды завершения / Exit status: 0 успех / success; 2 неверные параметры или данные /\n"
               "bad arguments or input; 1 ошибка печати / printing failure;\n"
               "3 ошибки в почтовых индексах (--check, --strict) / postal code problems.\n");
}

} // namespace batchcommand
