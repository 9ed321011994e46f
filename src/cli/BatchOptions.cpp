#include "cli/BatchOptions.h"
#include "cli/BatchCommand.h"

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/print/NumberList.h"
#include "platform/PdfJob.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <limits>

namespace batchcommand {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("veltora-batch", text);
}

int parseNumber(const QString &text, const QString &option, int low, int high)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "%1: «%2» — нужно целое число от %3 до %4"))
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
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "%1: «%2» — нужно X,Y")).arg(option, text));
    x = parseNumber(parts.at(0), option + QStringLiteral(" X"), ShiftXMinimum, ShiftXMaximum);
    y = parseNumber(parts.at(1), option + QStringLiteral(" Y"), ShiftYMinimum, ShiftYMaximum);
}

// An option with its description and value name, both shown in the user's language.
QCommandLineOption option(const QStringList &names, const char *description, const char *valueName = nullptr)
{
    return QCommandLineOption(names, translated(description), valueName ? translated(valueName) : QString());
}

// The options that choose the recipients, then those of the print: the help lists them so.
QList<QCommandLineOption> recipientOptions()
{
    return {
        option({QStringLiteral("book")},
               QT_TRANSLATE_NOOP("veltora-batch", "все адресаты адресной книги по порядку файла")),
        option({QStringLiteral("names")},
               QT_TRANSLATE_NOOP("veltora-batch", "имена из адресной книги, по одному в строке"),
               QT_TRANSLATE_NOOP("veltora-batch", "ФАЙЛ")),
        option(
            {QStringLiteral("table")},
            QT_TRANSLATE_NOOP("veltora-batch", "таблица: столбцы через табуляцию, «;» или «,»; книга .ods или .xlsx"),
            QT_TRANSLATE_NOOP("veltora-batch", "ФАЙЛ")),
        option({QStringLiteral("sheet")},
               QT_TRANSLATE_NOOP("veltora-batch", "лист книги .ods или .xlsx (без него — первый)"),
               QT_TRANSLATE_NOOP("veltora-batch", "ЛИСТ")),
        option({QStringLiteral("vcard")},
               QT_TRANSLATE_NOOP("veltora-batch", "контакты vCard (.vcf): конверт каждому контакту с почтовым адресом"),
               QT_TRANSLATE_NOOP("veltora-batch", "ФАЙЛ")),
        option({QStringLiteral("columns")},
               QT_TRANSLATE_NOOP("veltora-batch", "столбцы (с 0) для девяти строк записи или «-»:\n"
                                                  "Фамилия, Имя, Отчество, Улица, Населенный пункт, Район,\n"
                                                  "Область, Страна, Почтовый индекс; например 0,1,-,2,3,-,-,-,4"),
               QT_TRANSLATE_NOOP("veltora-batch", "КАРТА")),
        option({QStringLiteral("encoding")},
               QT_TRANSLATE_NOOP("veltora-batch", "utf-8 или cp1251 (без него определяется сама)"),
               QT_TRANSLATE_NOOP("veltora-batch", "КОДИРОВКА")),
        option({QStringLiteral("header")},
               QT_TRANSLATE_NOOP("veltora-batch", "первая строка таблицы — заголовки столбцов, не печатается")),
        option({QStringLiteral("no-header")},
               QT_TRANSLATE_NOOP("veltora-batch", "первая строка — получатель (без этих двух параметров строка\n"
                                                  "заголовков распознаётся сама); пустые строки пропускаются")),
    };
}

QList<QCommandLineOption> printingOptions()
{
    return {
        option({QStringLiteral("select")},
               QT_TRANSLATE_NOOP("veltora-batch", "номера конвертов, как в окне «Настройка печати», например 2-4,7"),
               QT_TRANSLATE_NOOP("veltora-batch", "СПИСОК")),
        option({QStringLiteral("copies")}, QT_TRANSLATE_NOOP("veltora-batch", "число копий, от 1 до 50"),
               QT_TRANSLATE_NOOP("veltora-batch", "N")),
        option({QStringLiteral("split")},
               QT_TRANSLATE_NOOP("veltora-batch", "задания по N конвертов (последнее короче), чтобы класс\n"
                                                  "принтеров CUPS распределил их; с -o — файл на задание\n"
                                                  "по шаблону, например -o рассылка-%03d.pdf"),
               QT_TRANSLATE_NOOP("veltora-batch", "N")),
        option({QStringLiteral("shift-home")},
               QT_TRANSLATE_NOOP("veltora-batch", "сдвиг адреса отправителя, шагами по 2 мм\n"
                                                  "(X: от -244 до 100, Y: от -100 до 244)"),
               QT_TRANSLATE_NOOP("veltora-batch", "X,Y")),
        option({QStringLiteral("shift-addr")}, QT_TRANSLATE_NOOP("veltora-batch", "сдвиг адреса получателя, так же"),
               QT_TRANSLATE_NOOP("veltora-batch", "X,Y")),
        option({QStringLiteral("printer")},
               QT_TRANSLATE_NOOP("veltora-batch", "принтер системы: очередь или класс CUPS"),
               QT_TRANSLATE_NOOP("veltora-batch", "ИМЯ")),
        option({QStringLiteral("o"), QStringLiteral("output")},
               QT_TRANSLATE_NOOP("veltora-batch", "печать в PDF-файл («-» — на стандартный вывод)"),
               QT_TRANSLATE_NOOP("veltora-batch", "ФАЙЛ.pdf")),
        option({QStringLiteral("page")},
               QT_TRANSLATE_NOOP("veltora-batch", "envelope (по умолчанию): страница — сам конверт; у принтера —\n"
                                                  "его бумага размера конверта, если она есть; a4: лист A4;\n"
                                                  "printer: бумага принтера как есть (для -o — A4)"),
               QT_TRANSLATE_NOOP("veltora-batch", "СТРАНИЦА")),
        option({QStringLiteral("check")},
               QT_TRANSLATE_NOOP("veltora-batch",
                                 "проверить почтовые индексы по справочнику и ничего не печатать:\n"
                                 "строка или имя, индекс, населённый пункт, ошибка — через табуляцию")),
        option({QStringLiteral("strict")},
               QT_TRANSLATE_NOOP("veltora-batch", "не печатать рассылку с ошибками в индексах (код 3)")),
        option({QStringLiteral("workdir")},
               QT_TRANSLATE_NOOP("veltora-batch", "рабочая папка; новая или пустая заполняется, как рабочая\n"
                                                  "папка по умолчанию"),
               QT_TRANSLATE_NOOP("veltora-batch", "ПАПКА")),
        option({QStringLiteral("lang")},
               QT_TRANSLATE_NOOP("veltora-batch", "язык сообщений: ru, uk или en (по умолчанию — выбранный\n"
                                                  "в окне, иначе язык системы, иначе английский)"),
               QT_TRANSLATE_NOOP("veltora-batch", "ЯЗЫК")),
        option({QStringLiteral("help")}, QT_TRANSLATE_NOOP("veltora-batch", "эта справка")),
        option({QStringLiteral("version")}, QT_TRANSLATE_NOOP("veltora-batch", "версия программы")),
    };
}

// How the help and the messages write an option: "--table", "-o".
QString written(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The declared option that `argument` names exactly ("--copies", "-o"); empty for any other word.
std::optional<QCommandLineOption> declaredAs(const QString &argument)
{
    for (const QList<QCommandLineOption> &group : {recipientOptions(), printingOptions()})
        for (const QCommandLineOption &o : group)
            for (const QString &name : o.names())
                if (argument == written(name))
                    return o;
    return std::nullopt;
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
        const std::optional<QCommandLineOption> declared = declaredAs(a);
        if (!declared)
            return UnreadArgument{
                options,
                translated(QT_TRANSLATE_NOOP("veltora-batch", "неизвестный параметр «%1» (см. --help)")).arg(a), a};
        if (!declared->valueName().isEmpty() && ++i >= args.size())
            return UnreadArgument{
                options, translated(QT_TRANSLATE_NOOP("veltora-batch", "%1: не хватает значения")).arg(a), a, true};
    }
    return std::nullopt;
}

// Takes the value of one option into `o`; `written` is the option as the user wrote it.
void takeOption(Options &o, const QString &name, const QString &written, const QString &value)
{
    auto setSource = [&](Options::Source s) {
        if (o.source != Options::Source::None)
            throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "%1: источник получателей уже задан "
                                                                           "(--book, --names, --table — только один)"))
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
                translated(QT_TRANSLATE_NOOP("veltora-batch", "--encoding: «%1» — нужно utf-8 или cp1251")).arg(e));
    } else if (name == QLatin1String("select")) {
        o.select = value;
    } else if (name == QLatin1String("copies")) {
        o.copies = parseNumber(value, written, 1, 50);
    } else if (name == QLatin1String("split")) {
        o.split = parseNumber(value, written, 1, std::numeric_limits<int>::max());
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
            throw InputError(
                translated(QT_TRANSLATE_NOOP("veltora-batch", "--page: «%1» — нужно envelope, a4 или printer"))
                    .arg(value));
    } else if (name == QLatin1String("header") || name == QLatin1String("no-header")) {
        const TitleRow h = name == QLatin1String("header") ? TitleRow::Present : TitleRow::Absent;
        if (o.header != TitleRow::Detect && o.header != h)
            throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "--header и --no-header — только одно")));
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
        const std::optional<QCommandLineOption> declared = declaredAs(written(names.at(i)));
        const QString name = declared->names().constFirst();
        const QString value = declared->valueName().isEmpty() ? QString() : parser.values(name).value(taken[name]++);
        takeOption(o, name, written(names.at(i)), value);
    }
    if (unread) {
        // A second source is refused before its missing file name is.
        const std::optional<QCommandLineOption> declared = declaredAs(unread->argument);
        if (unread->valueMissing && (declared->names().contains(QStringLiteral("names")) ||
                                     declared->names().contains(QStringLiteral("table")) ||
                                     declared->names().contains(QStringLiteral("vcard"))))
            takeOption(o, declared->names().constFirst(), unread->argument, QString());
        throw InputError(unread->message);
    }

    if (o.source == Options::Source::None)
        throw InputError(translated(QT_TRANSLATE_NOOP(
            "veltora-batch", "не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ")));
    if (o.source == Options::Source::Table && o.columns.isEmpty())
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "--table требует --columns")));
    if (o.source != Options::Source::Table && !o.sheet.isEmpty())
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "--sheet — только с --table")));
    if (o.source != Options::Source::Table &&
        (!o.columns.isEmpty() || o.encoding != TableEncoding::Detect || o.header != TitleRow::Detect))
        throw InputError(translated(
            QT_TRANSLATE_NOOP("veltora-batch", "--columns, --encoding, --header и --no-header — только с --table")));
    // "--printer "PDF file" -o FILE" names the built-in printer and its file; alone it has no file.
    const bool pdfPrinter = o.printer == pdfFilePrinterName();
    if (pdfPrinter && o.output.isEmpty() && !o.check)
        throw InputError(translated(QT_TRANSLATE_NOOP("veltora-batch", "--printer «%1» пишет файл: нужен -o ФАЙЛ.pdf"))
                             .arg(pdfFilePrinterName()));
    if (pdfPrinter)
        o.printer.clear();
    if (!o.check && o.printer.isEmpty() == o.output.isEmpty())
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf")));
    if (o.split > 0 && !o.output.isEmpty()) {
        if (o.output == standardOutputName())
            throw InputError(translated(QT_TRANSLATE_NOOP(
                "veltora-batch", "--split пишет файл на задание: -o - не подходит, нужен шаблон имени")));
        if (!jobFileNamePattern(o.output))
            throw InputError(
                translated(QT_TRANSLATE_NOOP("veltora-batch", "--split: в имени «%1» нужен номер задания, например "
                                                              "рассылка-%03d.pdf (ровно один %d, %3d или %03d)"))
                    .arg(o.output));
    }
    return o;
}

std::optional<QString> jobFileNamePattern(const QString &pattern)
{
    static const QRegularExpression number(QStringLiteral("%(0?)([1-9]?)d"));
    QRegularExpressionMatchIterator found = number.globalMatch(pattern);
    if (!found.hasNext())
        return std::nullopt;
    const QRegularExpressionMatch first = found.next();
    if (found.hasNext() || QString(pattern).remove(first.capturedStart(), first.capturedLength()).contains(u'%'))
        return std::nullopt;
    return pattern;
}

QString jobFileName(const QString &pattern, int job)
{
    static const QRegularExpression number(QStringLiteral("%(0?)([1-9]?)d"));
    const QRegularExpressionMatch m = number.match(pattern);
    const int width = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    const QChar fill = m.captured(1).isEmpty() ? QLatin1Char(' ') : QLatin1Char('0');
    return QString(pattern).replace(m.capturedStart(), m.capturedLength(),
                                    QStringLiteral("%1").arg(job, width, 10, fill));
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
            translated(QT_TRANSLATE_NOOP("veltora-batch",
                                         "--select «%1»: номера через запятую, диапазоны через тире, без пробелов"))
                .arg(text));
    numberlist::Expansion e;
    try {
        e = numberlist::expandPieces(numberlist::splitPieces(text), count);
    } catch (const ConversionError &) {
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "--select «%1»: номер слишком велик")).arg(text));
    }
    if (e.outside)
        throw InputError(QStringLiteral("--select: %1").arg(numberlist::outsideMessage(*e.outside, count)));
    for (int n : e.numbers)
        result.append(n - 1);
    // Nothing to print is refused before any file is touched.
    if (result.isEmpty())
        throw InputError(
            translated(QT_TRANSLATE_NOOP("veltora-batch", "--select «%1»: выбор пуст, не выбрано ни одного конверта"))
                .arg(text));
    return result;
}

QString helpText()
{
    QString help = translated(QT_TRANSLATE_NOOP(
        "veltora-batch",
        "Использование: veltora-batch (--book | --names ФАЙЛ | --table ФАЙЛ --columns КАРТА | --vcard ФАЙЛ)\n"
        "                             [ПАРАМЕТРЫ] (-o ФАЙЛ.pdf | --printer ИМЯ)\n"
        "Печатает групповую рассылку Велторы без окон, по конверту на страницу.\n"));
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
    section(translated(QT_TRANSLATE_NOOP("veltora-batch", "Получатели (ровно один источник):")), recipientOptions());
    section(translated(QT_TRANSLATE_NOOP("veltora-batch", "Печать:")), printingOptions());
    return help + translated(QT_TRANSLATE_NOOP(
                      "veltora-batch",
                      "\n"
                      "Размер конверта, шрифты, способ загрузки и адрес отправителя (User.txt) берутся из\n"
                      "рабочей папки; справочник почтовых индексов, которого в ней нет, — из установленного.\n"
                      "\n"
                      "Коды завершения: 0 — напечатано; 1 — печать не удалась; 2 — неверные параметры\n"
                      "или данные; 3 — ошибки в почтовых индексах (--check, --strict).\n"
                      "\n"
                      "Подробно: man veltora-batch\n"));
}

} // namespace batchcommand
