// Converts the postal operator's locality directory (UTF-8 CSV) into the program's postal code
// files: "oblrus.txt", the region names in Russian in the order of the region file table, and one
// region file per row of the table, code page 1251 with CR LF.
//
//   convert_postindex [SOURCE.csv OUTDIR]
//
// Without arguments it reads the copy kept beside this tool and writes into the source tree's data/.
// The output depends on the source file alone: lines keep the source's order (the city of Kyiv
// first in the Kyiv region's file), so running it again gives byte-identical files.
//
// An entry line:
//   " 09103 м. Біла Церква, Білоцерківський р-н<br>БЛАЦЕРКВА БИЛАЦЕРКВА БЕЛАЯЦЕРКОВЬ 09103"
// Before "<br>": the postal code, the locality with its type, its district (unless the locality
// is the district, as Kyiv is) and the serving post office when it is not the locality's own,
// with that office's code when it differs. After "<br>": the search forms of the name, each as the
// search key builds it: as written (the key drops і ї є ґ), as typed on a Russian keyboard (и е г
// for them), the Russian name of a large city; then the postal code.

#include "logic/addresses/PostalSearch.h"
#include "logic/addresses/Regions.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/mailing/TableStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString &text)
{
    throw Failure(text.toStdString());
}

// The source's region column to the row of the region file table: the region's Ukrainian name, or
// the city that is a region of its own.
int regionRow(const QString &region)
{
    static const QHash<QString, int> rows = [] {
        QHash<QString, int> table;
        for (int row = 0; row < postal::regions().size(); ++row) {
            table.insert(postal::regions().at(row).names.constFirst(), row);
            if (!postal::regions().at(row).cityOfItsOwn.isEmpty())
                table.insert(postal::regions().at(row).cityOfItsOwn, row);
        }
        return table;
    }();
    return rows.value(region, -1);
}

// The region names shown in the region box, one per row of the region file table.
QStringList regionListNames()
{
    QStringList names;
    for (const postal::Region &region : postal::regions())
        names.append(region.listName);
    return names;
}

// Russian names of the large cities, which users often type instead of the Ukrainian ones.
// Key: region column + '|' + city name (type "м.").
const std::map<QString, QStringList> &russianCityNames()
{
    static const std::map<QString, QStringList> names = {
        {QStringLiteral("Вінницька|Вінниця"), {QStringLiteral("Винница")}},
        {QStringLiteral("Волинська|Луцьк"), {QStringLiteral("Луцк")}},
        {QStringLiteral("Дніпропетровська|Дніпро"), {QStringLiteral("Днепр"), QStringLiteral("Днепропетровск")}},
        {QStringLiteral("Дніпропетровська|Кривий Ріг"), {QStringLiteral("Кривой Рог")}},
        {QStringLiteral("Дніпропетровська|Кам'янське"),
         {QStringLiteral("Каменское"), QStringLiteral("Днепродзержинск")}},
        {QStringLiteral("Дніпропетровська|Нікополь"), {QStringLiteral("Никополь")}},
        {QStringLiteral("Донецька|Маріуполь"), {QStringLiteral("Мариуполь")}},
        {QStringLiteral("Донецька|Краматорськ"), {QStringLiteral("Краматорск")}},
        {QStringLiteral("Донецька|Слов'янськ"), {QStringLiteral("Славянск")}},
        {QStringLiteral("Запорізька|Запоріжжя"), {QStringLiteral("Запорожье")}},
        {QStringLiteral("Запорізька|Мелітополь"), {QStringLiteral("Мелитополь")}},
        {QStringLiteral("Запорізька|Бердянськ"), {QStringLiteral("Бердянск")}},
        {QStringLiteral("Івано-Франківська|Івано-Франківськ"), {QStringLiteral("Ивано-Франковск")}},
        {QStringLiteral("Київ|Київ"), {QStringLiteral("Киев")}},
        {QStringLiteral("Київська|Біла Церква"), {QStringLiteral("Белая Церковь")}},
        {QStringLiteral("Київська|Бровари"), {QStringLiteral("Бровары")}},
        {QStringLiteral("Київська|Бориспіль"), {QStringLiteral("Борисполь")}},
        {QStringLiteral("Кіровоградська|Кропивницький"),
         {QStringLiteral("Кропивницкий"), QStringLiteral("Кировоград")}},
        {QStringLiteral("Кіровоградська|Олександрія"), {QStringLiteral("Александрия")}},
        {QStringLiteral("Луганська|Сіверськодонецьк"), {QStringLiteral("Северодонецк")}},
        {QStringLiteral("Луганська|Лисичанськ"), {QStringLiteral("Лисичанск")}},
        {QStringLiteral("Львівська|Львів"), {QStringLiteral("Львов")}},
        {QStringLiteral("Миколаївська|Миколаїв"), {QStringLiteral("Николаев")}},
        {QStringLiteral("Одеська|Одеса"), {QStringLiteral("Одесса")}},
        {QStringLiteral("Одеська|Ізмаїл"), {QStringLiteral("Измаил")}},
        {QStringLiteral("Полтавська|Кременчук"), {QStringLiteral("Кременчуг")}},
        {QStringLiteral("Рівненська|Рівне"), {QStringLiteral("Ровно")}},
        {QStringLiteral("Сумська|Суми"), {QStringLiteral("Сумы")}},
        {QStringLiteral("Тернопільська|Тернопіль"), {QStringLiteral("Тернополь")}},
        {QStringLiteral("Харківська|Харків"), {QStringLiteral("Харьков")}},
        {QStringLiteral("Хмельницька|Хмельницький"), {QStringLiteral("Хмельницкий")}},
        {QStringLiteral("Хмельницька|Кам'янець-Подільський"), {QStringLiteral("Каменец-Подольский")}},
        {QStringLiteral("Черкаська|Черкаси"), {QStringLiteral("Черкассы")}},
        {QStringLiteral("Чернігівська|Чернігів"), {QStringLiteral("Чернигов")}},
        {QStringLiteral("Чернівецька|Чернівці"), {QStringLiteral("Черновцы")}},
    };
    return names;
}

// The name as typed on a keyboard without the Ukrainian letters.
QString russianKeyboardForm(QString name)
{
    static const std::pair<char16_t, char16_t> map[] = {
        {u'і', u'и'}, {u'І', u'И'}, {u'ї', u'и'}, {u'Ї', u'И'}, {u'є', u'е'}, {u'Є', u'Е'}, {u'ґ', u'г'}, {u'Ґ', u'Г'},
    };
    for (const auto &[from, to] : map)
        name.replace(QChar(from), QChar(to));
    return name;
}

enum Column { Region = 0, DistrictNew = 2, Locality = 3, Code = 4, Office = 8, OfficeCode = 10, ColumnCount = 11 };

struct Converter
{
    QList<QStringList> lines = QList<QStringList>(postal::regionFiles().size());
    QList<QSet<QString>> seen = QList<QSet<QString>>(postal::regionFiles().size());
    QSet<QString> russianNamesUsed;

    void add(const QStringList &f, int recordNumber)
    {
        auto where = [&](const QString &what) { fail(QStringLiteral("record %1: %2").arg(recordNumber).arg(what)); };
        if (f.size() != ColumnCount)
            where(QStringLiteral("%1 fields instead of %2").arg(f.size()).arg(int(ColumnCount)));
        const QString region = f.at(Region).trimmed();
        const int row = regionRow(region);
        if (row < 0)
            where(QStringLiteral("unknown region \"%1\"").arg(region));
        static const QRegularExpression codeRe(QStringLiteral("^\\d{5}$"));
        const QString code = f.at(Code).trimmed();
        if (!codeRe.match(code).hasMatch())
            where(QStringLiteral("postal code \"%1\" is not five digits").arg(code));
        const QString locality = f.at(Locality).simplified();
        const qsizetype space = locality.indexOf(QLatin1Char(' '));
        if (space <= 0)
            where(QStringLiteral("locality \"%1\" has no type").arg(locality));
        const QString name = locality.mid(space + 1);
        const QString district = f.at(DistrictNew).simplified();
        const QString office = f.at(Office).simplified();
        const QString officeCode = f.at(OfficeCode).trimmed();

        QString shown = QLatin1Char(' ') + code + QLatin1Char(' ') + locality;
        if (!district.isEmpty() && district != name)
            shown += QStringLiteral(", %1 р-н").arg(district);
        // "Біла Церква 3" is one of the city's own offices; "Красятичі" or "ПВ 20 ..." serve from elsewhere.
        static const QRegularExpression numbered(QStringLiteral("^(.*\\S)\\s+\\d+$"));
        const QRegularExpressionMatch m = numbered.match(office);
        const bool ownOffice = office.isEmpty() || office == name || (m.hasMatch() && m.captured(1) == name);
        if (!ownOffice) {
            shown += QStringLiteral(", відділення ") + office;
            if (!officeCode.isEmpty() && officeCode != code)
                shown += QStringLiteral(" (%1)").arg(officeCode);
        }

        QStringList forms;
        auto addForm = [&forms](const QString &text) {
            const QString key = postal::searchKey(text);
            if (!key.isEmpty() && !forms.contains(key))
                forms.append(key);
        };
        addForm(name);
        addForm(russianKeyboardForm(name));
        if (locality.startsWith(QStringLiteral("м. "))) {
            const QString cityKey = region + QLatin1Char('|') + name;
            const auto it = russianCityNames().find(cityKey);
            if (it != russianCityNames().end()) {
                russianNamesUsed.insert(cityKey);
                for (const QString &ru : it->second)
                    addForm(ru);
            }
        }
        forms.append(code);

        const QString line = shown + QStringLiteral("<br>") + forms.join(QLatin1Char(' '));
        if (!codepage::encode1251(line))
            where(QStringLiteral("\"%1\" holds a character outside code page 1251").arg(line));
        if (seen[row].contains(line))
            return;
        seen[row].insert(line);
        lines[row].append(line);
    }
};

QByteArray crlfText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return codepage::encode1251OrThrow(text, QString());
}

void writeFile(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
}

int convert(const QString &sourcePath, const QString &outDir)
{
    if (QFile source(sourcePath); !source.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
    QList<QStringList> records;
    TableStream(sourcePath, TableEncoding::Utf8).scan([&](const QStringList &cells, int) { records.append(cells); });
    if (records.isEmpty())
        fail(QStringLiteral("%1 is empty").arg(sourcePath));

    // Kyiv city first in the Kyiv region's file, then everything in the source's order.
    Converter conv;
    const QString kyivCity = QStringLiteral("Київ");
    for (int pass = 0; pass < 2; ++pass) {
        for (qsizetype i = 1; i < records.size(); ++i) {
            const bool city = !records.at(i).isEmpty() && records.at(i).at(Region).trimmed() == kyivCity;
            if (city == (pass == 0))
                conv.add(records.at(i), int(i) + 1);
        }
    }
    for (const auto &[key, names] : russianCityNames()) {
        if (!conv.russianNamesUsed.contains(key))
            fail(QStringLiteral("no city \"%1\" for the Russian name \"%2\"").arg(key, names.first()));
    }

    QDir dir(outDir);
    if (!dir.exists() && !QDir().mkpath(outDir))
        fail(QStringLiteral("cannot create %1").arg(outDir));
    writeFile(dir, postal::regionListFile(), crlfText(regionListNames()));
    int total = 0;
    for (int row = 0; row < postal::regionFiles().size(); ++row) {
        writeFile(dir, postal::regionFiles().at(row), crlfText(conv.lines.at(row)));
        total += conv.lines.at(row).size();
        std::printf("%-22s %6lld\n", qPrintable(postal::regionFiles().at(row)),
                    static_cast<long long>(conv.lines.at(row).size()));
    }
    std::printf("%d entries from %lld localities\n", total, static_cast<long long>(records.size() - 1));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QDir tree(QStringLiteral(VELTORA_SOURCE_DIR));
    QString sourcePath =
        tree.filePath(QStringLiteral("tools/convert_postindex/source/ukrposhta-postindex-2025-03-26.csv"));
    QString outDir = tree.filePath(QStringLiteral("data"));
    if (args.size() == 3) {
        sourcePath = args.at(1);
        outDir = args.at(2);
    } else if (args.size() != 1) {
        std::fprintf(stderr, "usage: convert_postindex [SOURCE.csv OUTDIR]\n");
        return 2;
    }
    try {
        return convert(sourcePath, outDir);
    } catch (const Failure &e) {
        std::fprintf(stderr, "convert_postindex: %s\n", e.what());
    } catch (const AppError &e) {
        std::fprintf(stderr, "convert_postindex: %s\n", e.what());
    }
    return 1;
}
