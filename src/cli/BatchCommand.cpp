#include "cli/BatchCommand.h"
#include "cli/MailingReport.h"

#include "logic/addresses/BookRecord.h"
#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/files/Codepage.h"
#include "logic/files/DataFolders.h"
#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/RowSplitter.h"
#include "logic/mailing/TableFile.h"
#include "logic/mailing/TableStream.h"
#include "logic/print/BatchPrint.h"
#include "logic/print/Fonts.h"
#include "logic/print/NumberList.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Language.h"
#include "logic/state/SharedState.h"
#include "platform/PdfJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

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
    PageChoice page = PageChoice::Envelope;
    enum class Header { Detect, Present, Absent } header = Header::Detect;
    bool check = false;  // --check: the postal code report instead of the print
    bool strict = false; // --strict: a mailing with postal code problems is not printed
};

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

Options parseArguments(const QStringList &args)
{
    Options o;
    auto value = [&](int &i) -> QString {
        const QString &name = args.at(i);
        if (i + 1 >= args.size())
            throw InputError(
                QCoreApplication::translate("veltora-batch", "%1: не хватает значения / a value is missing").arg(name));
        return args.at(++i);
    };
    auto setSource = [&](Options::Source s, const QString &name) {
        if (o.source != Options::Source::None)
            throw InputError(
                QCoreApplication::translate("veltora-batch",
                                            "%1: источник получателей уже задан (--book, --names, --table — только "
                                            "один) / the recipients' source is already given")
                    .arg(name));
        o.source = s;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--lang")) {
            value(i); // the language of the messages, chosen before the arguments are read (main)
        } else if (a.startsWith(QLatin1String("--lang="))) {
        } else if (a == QLatin1String("--workdir")) {
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
                    QCoreApplication::translate("veltora-batch",
                                                "--encoding: «%1» — нужно utf-8 или cp1251 / utf-8 or cp1251 expected")
                        .arg(e));
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
        } else if (a == QLatin1String("--page")) {
            const QString p = value(i);
            if (p == QLatin1String("envelope"))
                o.page = PageChoice::Envelope;
            else if (p == QLatin1String("a4"))
                o.page = PageChoice::A4;
            else if (p == QLatin1String("printer"))
                o.page = PageChoice::Printer;
            else
                throw InputError(QCoreApplication::translate("veltora-batch",
                                                             "--page: «%1» — нужно envelope, a4 или printer / "
                                                             "envelope, a4 or printer expected")
                                     .arg(p));
        } else if (a == QLatin1String("--header") || a == QLatin1String("--no-header")) {
            const auto h = a == QLatin1String("--header") ? Options::Header::Present : Options::Header::Absent;
            if (o.header != Options::Header::Detect && o.header != h)
                throw InputError(QCoreApplication::translate("veltora-batch",
                                                             "--header и --no-header — только одно / "
                                                             "--header and --no-header exclude each other"));
            o.header = h;
        } else {
            throw InputError(
                QCoreApplication::translate(
                    "veltora-batch", "неизвестный параметр «%1» (см. --help) / unknown argument '%1' (see --help)")
                    .arg(a));
        }
    }
    if (o.source == Options::Source::None)
        throw InputError(QCoreApplication::translate(
            "veltora-batch", "не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ / "
                             "no recipients: give --book, --names FILE or --table FILE"));
    if (o.source == Options::Source::Table && o.columns.isEmpty())
        throw InputError(
            QCoreApplication::translate("veltora-batch", "--table требует --columns / --table needs --columns"));
    if (o.source != Options::Source::Table &&
        (!o.columns.isEmpty() || o.encoding != TableEncoding::Detect || o.header != Options::Header::Detect))
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
        throw InputError(QCoreApplication::translate("veltora-batch", "рабочая папка / working directory, «%1»: %2")
                             .arg(file, e.message()));
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
        // Read as a stream (TableMailing): nothing of it goes into the state's mailing list.
        return;
    case Options::Source::None:
        break;
    }
    if (state.mailingList().isEmpty())
        throw InputError(
            QCoreApplication::translate("veltora-batch", "список рассылки пуст / the mailing list is empty"));
}

// Whether the messages are shown in Russian, the language they are written in (no translation installed).
bool inRussian()
{
    return language::current() == language::Source;
}

// "301 конверт", "2 конверта", "5 конвертов": the Russian word for a count.
QString russianCount(qsizetype n, const char *one, const char *few, const char *many)
{
    const qsizetype tens = n % 100;
    const qsizetype units = n % 10;
    const char *word = (tens >= 11 && tens <= 14) ? many : units == 1 ? one : (units >= 2 && units <= 4) ? few : many;
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

// Whether the first row of a table holds the titles of its columns rather than a recipient: one of
// its mapped cells is a usual title ("Фамилия", "Индекс", "city", "zip" ...), or the postal code
// column holds no digit in the first row where it does in the second.
bool looksLikeTitles(const QStringList &first, const QStringList *second, const ColumnMap &columns)
{
    static const QStringList titles = {QStringLiteral("фамилия"),
                                       QStringLiteral("имя"),
                                       QStringLiteral("отчество"),
                                       QStringLiteral("фио"),
                                       QStringLiteral("получатель"),
                                       QStringLiteral("адрес"),
                                       QStringLiteral("улица"),
                                       QStringLiteral("дом"),
                                       QStringLiteral("город"),
                                       QStringLiteral("населенный пункт"),
                                       QStringLiteral("населённый пункт"),
                                       QStringLiteral("район"),
                                       QStringLiteral("область"),
                                       QStringLiteral("регион"),
                                       QStringLiteral("страна"),
                                       QStringLiteral("индекс"),
                                       QStringLiteral("почтовый индекс"),
                                       QStringLiteral("прізвище"),
                                       QStringLiteral("ім'я"),
                                       QStringLiteral("вулиця"),
                                       QStringLiteral("місто"),
                                       QStringLiteral("країна"),
                                       QStringLiteral("surname"),
                                       QStringLiteral("name"),
                                       QStringLiteral("first name"),
                                       QStringLiteral("last name"),
                                       QStringLiteral("full name"),
                                       QStringLiteral("recipient"),
                                       QStringLiteral("address"),
                                       QStringLiteral("street"),
                                       QStringLiteral("city"),
                                       QStringLiteral("town"),
                                       QStringLiteral("district"),
                                       QStringLiteral("region"),
                                       QStringLiteral("state"),
                                       QStringLiteral("country"),
                                       QStringLiteral("zip"),
                                       QStringLiteral("zip code"),
                                       QStringLiteral("postcode"),
                                       QStringLiteral("postal code")};
    for (const int column : columns) {
        if (column < 0 || column >= first.size())
            continue;
        QString cell = first.at(column).trimmed().toLower();
        while (cell.endsWith(QLatin1Char(':')) || cell.endsWith(QLatin1Char('*')))
            cell.chop(1);
        if (titles.contains(cell))
            return true;
    }
    const int zip = columns[FieldZipCode];
    const auto hasDigit = [](const QString &text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    return second && zip >= 0 && zip < first.size() && zip < second->size() && !first.at(zip).trimmed().isEmpty() &&
           !hasDigit(first.at(zip)) && hasDigit(second->at(zip));
}

// A table's mailing, read as a stream: rows are read where they stand when their envelope is
// printed, so that a table of any length takes the same memory. The recipient of a row is made as
// the group mailing window makes it from a pasted row.
//
// Every row is its own envelope, even where two rows share a surname: the window's lookup by name
// would give both envelopes the later row's address, and the earlier recipient would get none.
class TableMailing
{
public:
    explicit TableMailing(const Options &o)
        : m_file(o.tableFile)
        , m_stream(openStream(o))
    {
        const QList<int> map = parseColumnMap(o.columns);
        for (int f = 0; f < static_cast<int>(m_columns.size()); ++f)
            m_columns[f] = map.at(f);
        if (m_columns[FieldSurname] < 0)
            throw InputError(QCoreApplication::translate(
                "veltora-batch", "--columns: у первого поля (фамилия, ключ записи) нет столбца / "
                                 "the first field (surname, the record key) needs a column"));

        // The first row is checked once it is known whether it holds titles.
        QStringList first;
        std::optional<QStringList> second;
        int widestOfRest = 0;
        try {
            m_stream.scan([&](const QStringList &cells, int line) {
                rememberKey(cells);
                if (first.isEmpty() && m_stream.rowCount() == 1) {
                    first = cells;
                    return;
                }
                if (!second)
                    second = cells;
                widestOfRest = std::max(widestOfRest, int(cells.size()));
                check(cells, line);
            });
        } catch (const TableError &e) {
            throw InputError(QStringLiteral("--table «%1», %2").arg(m_file, e.message()));
        }
        if (m_stream.rowCount() == 0)
            throw InputError(
                QCoreApplication::translate("veltora-batch", "список рассылки пуст / the mailing list is empty"));

        bool titles = o.header == Options::Header::Present;
        if (o.header == Options::Header::Detect && looksLikeTitles(first, second ? &*second : nullptr, m_columns)) {
            titles = true;
            printErr(QCoreApplication::translate(
                         "veltora-batch",
                         "veltora-batch: --table «%1»: первая строка похожа на заголовки столбцов и не "
                         "печатается (--no-header печатает её) / the first row looks like column titles "
                         "and is not printed (--no-header prints it)")
                         .arg(m_file));
        }
        int widest = widestOfRest;
        if (titles) {
            m_firstRow = 1;
        } else {
            check(first, m_stream.lineOf(0));
            widest = std::max(widest, int(first.size()));
        }
        if (size() == 0)
            throw InputError(
                QCoreApplication::translate("veltora-batch", "список рассылки пуст / the mailing list is empty"));
        for (int f = 0; f < static_cast<int>(m_columns.size()); ++f) {
            if (m_columns[f] >= widest)
                throw InputError(
                    QCoreApplication::translate("veltora-batch",
                                                "--columns: поле %1 — столбца %2 (счёт с 0) нет ни в одной строке: "
                                                "в таблице «%3» %4 / field %1: no row has column %2 (counted from "
                                                "0): the table has %5 columns")
                        .arg(f + 1)
                        .arg(m_columns[f])
                        .arg(m_file, inRussian() ? russianCount(widest, "столбец", "столбца", "столбцов") : QString())
                        .arg(widest));
        }
    }

    qsizetype size() const { return m_stream.rowCount() - m_firstRow; }

    // The lines of the recipient details box for envelope `index`.
    QStringList recipient(int index)
    {
        const QStringList lines = recordLines(index);
        const QString key = withoutTrailingTab(addressbook::textOf(lines.at(FieldSurname)));
        QStringList shown = addressbook::shownFields(lines, 0, MailingData::MailingRecordLines);
        shown.prepend(key);
        return shown;
    }

    // The address of envelope `index` as the postal code check reads it; rows are named by number.
    ReportedAddress postalAddress(int index)
    {
        const QStringList lines = recordLines(index);
        const auto text = [&](int field) { return withoutTrailingTab(addressbook::textOf(lines.at(field))); };
        return {QString::number(index + 1), text(FieldTown), text(FieldRegion), text(FieldCountry), text(FieldZipCode)};
    }

    // The envelopes (one-based numbers) whose rows carry the same surname. Only a small hash per
    // row is kept while the table is read; rows whose hashes meet are read again and compared.
    QList<SharedKey> sharedKeys()
    {
        std::vector<std::pair<quint32, qsizetype>> rows;
        rows.reserve(m_keyHashes.size());
        for (qsizetype row = m_firstRow; row < qsizetype(m_keyHashes.size()); ++row)
            rows.emplace_back(m_keyHashes[row], row);
        std::sort(rows.begin(), rows.end());
        QList<SharedKey> shared;
        for (std::size_t i = 0; i < rows.size();) {
            std::size_t end = i + 1;
            while (end < rows.size() && rows[end].first == rows[i].first)
                ++end;
            if (end - i > 1) {
                QList<SharedKey> group; // keys of one hash, in the order of their first row
                for (std::size_t k = i; k < end; ++k) {
                    const int envelope = int(rows[k].second - m_firstRow);
                    const QString key = withoutTrailingTab(addressbook::textOf(recordLines(envelope).at(FieldSurname)));
                    auto same =
                        std::find_if(group.begin(), group.end(), [&](const SharedKey &g) { return g.key == key; });
                    if (same == group.end())
                        group.append({key, {envelope + 1}});
                    else
                        same->rows.append(envelope + 1);
                }
                for (const SharedKey &g : std::as_const(group))
                    if (g.rows.size() > 1)
                        shared.append(g);
            }
            i = end;
        }
        std::sort(shared.begin(), shared.end(),
                  [](const SharedKey &a, const SharedKey &b) { return a.rows.first() < b.rows.first(); });
        return shared;
    }

private:
    QStringList recordLines(int index)
    {
        return buildMailingRecords(QStringList{rowText(m_stream.cells(index + m_firstRow))}, m_columns);
    }

    void rememberKey(const QStringList &cells)
    {
        const int keyColumn = m_columns[FieldSurname];
        const QString key = keyColumn < cells.size() ? cells.at(keyColumn).trimmed() : QString();
        m_keyHashes.push_back(quint32(qHash(key)));
    }

    static TableStream openStream(const Options &o)
    {
        try {
            return TableStream(o.tableFile, o.encoding);
        } catch (const TableError &e) {
            throw InputError(QStringLiteral("--table «%1», %2").arg(o.tableFile, e.message()));
        } catch (const IoError &e) {
            throw InputError(QStringLiteral("--table «%1»: %2").arg(o.tableFile, e.message()));
        }
    }

    // A cell is one line of the envelope: breaks and tabs inside it become blanks.
    static QString rowText(QStringList cells)
    {
        for (QString &cell : cells) {
            cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
            cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        return cells.join(QLatin1Char('\t'));
    }

    void check(const QStringList &cells, int line) const
    {
        const int keyColumn = m_columns[FieldSurname];
        if (keyColumn >= cells.size() || cells.at(keyColumn).trimmed().isEmpty())
            throw InputError(QCoreApplication::translate(
                                 "veltora-batch", "--table «%1», строка %2, столбец %3: нет фамилии (ключа записи) / "
                                                  "row %2, column %3: the surname (record key) is empty")
                                 .arg(m_file)
                                 .arg(line)
                                 .arg(keyColumn + 1));
        if (rowText(cells).size() < MinimumRowLength)
            throw InputError(QCoreApplication::translate(
                                 "veltora-batch", "--table «%1», строка %2, столбец 1: строка короче пяти знаков / "
                                                  "row %2, column 1: the row is shorter than five characters")
                                 .arg(m_file)
                                 .arg(line));
    }

    QString m_file;
    TableStream m_stream;
    ColumnMap m_columns = emptyColumnMap();
    qsizetype m_firstRow = 0;
    std::vector<quint32> m_keyHashes; // per row of the table, the first row included
};

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
        "  --header               первая строка таблицы — заголовки столбцов, не печатается\n"
        "                         the first row of the table holds column titles, not printed\n"
        "  --no-header            первая строка — получатель (без этих параметров строка заголовков\n"
        "                         распознаётся сама) / the first row is a recipient (without either,\n"
        "                         a row of titles is detected and reported)\n"
        "                         Пустые строки (например «;;;;;;») пропускаются / blank rows are skipped.\n"
        "\n"
        "Печать / Printing:\n"
        "  --select \"2-4,7\"       номера конвертов (как в окне «Настройка печати»)\n"
        "                         envelope numbers (as in the print setup window)\n"
        "  --copies N             число копий, 1–50 / number of copies, 1-50\n"
        "  --shift-home X,Y       сдвиг адреса отправителя, шаги по 2 мм (X: -244..100, Y: -100..244)\n"
        "                         sender block shift in 2 mm steps\n"
        "  --shift-addr X,Y       сдвиг адреса получателя / recipient block shift\n"
        "  --printer ИМЯ          принтер системы / a printer of the system\n"
        "  -o ФАЙЛ.pdf            печать в PDF-файл («-» — на стандартный вывод)\n"
        "  -o FILE.pdf            print into a PDF file ('-': the standard output)\n"
        "  --page СТРАНИЦА        envelope (по умолчанию): страница — сам конверт; у принтера —\n"
        "                         его бумага размера конверта, если она есть; a4: лист A4;\n"
        "                         printer: бумага принтера как есть (для -o — A4)\n"
        "  --page PAGE            envelope (default): the page is the envelope itself; on a printer,\n"
        "                         its media of the envelope's size when it has one; a4: an A4 sheet;\n"
        "                         printer: the printer's paper as it is (A4 for -o)\n"
        "  --check                проверить почтовые индексы по справочнику и ничего не печатать:\n"
        "                         строка или имя, индекс, населённый пункт, ошибка — через табуляцию\n"
        "                         check the postal codes against the directory, print nothing:\n"
        "                         row or name, code, locality, problem, tab-separated\n"
        "  --strict               не печатать рассылку с ошибками в индексах (код 3)\n"
        "                         do not print a mailing with postal code problems (exit 3)\n"
        "  --workdir ПАПКА        рабочая папка (по умолчанию — папка программы)\n"
        "  --workdir DIR          working directory (default: the program's)\n"
        "  --lang ru|uk|en        язык сообщений (по умолчанию — выбранный в окне или язык системы)\n"
        "                         the language of the messages (default: the one chosen in the\n"
        "                         window, else the system's)\n"
        "  --help                 эта справка / this help\n"
        "  --version              версия программы / the program's version\n"
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
    if (arguments.contains(QStringLiteral("--version"))) {
        std::fputs("veltora-batch " VELTORA_VERSION "\n", stdout);
        return Success;
    }
    Options o;
    SharedState state;
    std::unique_ptr<WorkDir> dir;
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
        fromWorkDir(settings::EnvelopeSizeFile, [&] {
            const settings::EnvelopeSize size = settings::readEnvelopeSize(*dir);
            state.setEnvelopeSize(size.width, size.height);
            return 0;
        });
        state.setEnvelope(fromWorkDir(settings::EnvelopeShapeFile, [&] { return settings::readEnvelopeShape(*dir); }),
                          state.envelopeWidth(), state.envelopeHeight());
        state.setSenderFont(fromWorkDir(settings::SenderFontFile, [&] { return settings::readSenderFont(*dir); }));
        state.setRecipientFont(
            fromWorkDir(settings::RecipientFontFile, [&] { return settings::readRecipientFont(*dir); }));
        fromWorkDir(settings::FeedMethodFile, [&] { return settings::readFeedMethod(*dir); });
        fromWorkDir(QStringLiteral("User.txt"), [&] { return senderLines(*dir, state.mainFont()); });
        if (state.envelopeWidth() == 0 || state.envelopeHeight() == 0)
            throw InputError(NoEnvelopeSizeMessage);
        state.setShifts(o.shifts);

        qsizetype listSize = 0;
        if (o.source == Options::Source::Table) {
            table.emplace(o);
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
        inRussian() ? russianCount(chosen.size(), "конверт", "конверта", "конвертов")
                    : QCoreApplication::translate("veltora-batch", "%n конвертов", nullptr, int(chosen.size()));
    const QString pages = inRussian()
                              ? russianCount(outcome.envelopes, "страница", "страницы", "страниц")
                              : QCoreApplication::translate("veltora-batch", "%n страниц", nullptr, outcome.envelopes);
    printErr(
        QCoreApplication::translate("veltora-batch", "%1 / envelopes → %2, %3 / pages").arg(envelopes, target, pages));
    return Success;
}

} // namespace batchcommand
