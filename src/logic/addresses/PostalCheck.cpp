#include "logic/addresses/PostalCheck.h"

#include "logic/addresses/PostalSearch.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace postal {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PostalCheck", text);
}

// The regions in the order of the region file table: the Ukrainian name, then other names people
// write for it (Russian, the older or newer name, the city that is a region of its own).
const QList<QStringList> &regionNames()
{
    static const QList<QStringList> names = {
        {QStringLiteral("АР Крим"), QStringLiteral("АР Крым"), QStringLiteral("Крим"), QStringLiteral("Крым"),
         QStringLiteral("Автономна Республіка Крим"), QStringLiteral("Автономная Республика Крым"),
         QStringLiteral("Севастополь")},
        {QStringLiteral("Волинська"), QStringLiteral("Волынская")},
        {QStringLiteral("Дніпропетровська"), QStringLiteral("Днепропетровская"), QStringLiteral("Дніпровська")},
        {QStringLiteral("Донецька"), QStringLiteral("Донецкая")},
        {QStringLiteral("Житомирська"), QStringLiteral("Житомирская")},
        {QStringLiteral("Закарпатська"), QStringLiteral("Закарпатская")},
        {QStringLiteral("Запорізька"), QStringLiteral("Запорожская")},
        {QStringLiteral("Івано-Франківська"), QStringLiteral("Ивано-Франковская")},
        {QStringLiteral("Київська"), QStringLiteral("Киевская"), QStringLiteral("Київ"), QStringLiteral("Киев")},
        {QStringLiteral("Кіровоградська"), QStringLiteral("Кировоградская"), QStringLiteral("Кропивницька")},
        {QStringLiteral("Луганська"), QStringLiteral("Луганская")},
        {QStringLiteral("Львівська"), QStringLiteral("Львовская")},
        {QStringLiteral("Миколаївська"), QStringLiteral("Николаевская")},
        {QStringLiteral("Одеська"), QStringLiteral("Одесская")},
        {QStringLiteral("Полтавська"), QStringLiteral("Полтавская")},
        {QStringLiteral("Рівненська"), QStringLiteral("Ровенская"), QStringLiteral("Ровненская")},
        {QStringLiteral("Сумська"), QStringLiteral("Сумская")},
        {QStringLiteral("Тернопільська"), QStringLiteral("Тернопольская")},
        {QStringLiteral("Харківська"), QStringLiteral("Харьковская")},
        {QStringLiteral("Херсонська"), QStringLiteral("Херсонская")},
        {QStringLiteral("Хмельницька"), QStringLiteral("Хмельницкая")},
        {QStringLiteral("Черкаська"), QStringLiteral("Черкасская")},
        {QStringLiteral("Чернігівська"), QStringLiteral("Черниговская")},
        {QStringLiteral("Чернівецька"), QStringLiteral("Черновицкая")},
        {QStringLiteral("Вінницька"), QStringLiteral("Винницкая")},
    };
    return names;
}

constexpr int KyivRow = 8;

// Letters of one sound in Ukrainian and Russian as one letter.
char16_t canonical(char16_t c)
{
    switch (c) {
    case u'Ґ':
        return u'Г';
    case u'Є':
    case u'Э':
    case u'Ё':
        return u'Е';
    case u'Ы':
    case u'І':
    case u'Ї':
        return u'И';
    default:
        return c;
    }
}

bool isUkrainianI(char16_t c)
{
    return c == u'І' || c == u'Ї';
}

bool isOorE(char16_t c)
{
    const char16_t k = canonical(c);
    return k == u'О' || k == u'Е';
}

// Every spelling that sameLocalityName accepts has the same loose key: the vowels that may stand
// for one another are one.
QString looseKey(const QString &comparable)
{
    QString key(comparable.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < comparable.size(); ++i) {
        const char16_t c = canonical(comparable.at(i).unicode());
        key[i] = (c == u'О' || c == u'Е' || c == u'И') ? QChar(u'*') : QChar(c);
    }
    return key;
}

bool isCyrillicLetter(char16_t c)
{
    return (c >= 0x0400 && c <= 0x045F) || c == 0x0490 || c == 0x0491;
}

// Latin letters typed for Cyrillic ones of the same look (a keyboard left in the wrong layout).
char16_t cyrillicLookAlike(char16_t c)
{
    switch (c) {
    case u'a':
    case u'A':
        return u'А';
    case u'B':
        return u'В';
    case u'c':
    case u'C':
        return u'С';
    case u'e':
    case u'E':
        return u'Е';
    case u'i':
    case u'I':
        return u'І';
    case u'k':
    case u'K':
        return u'К';
    case u'm':
    case u'M':
        return u'М';
    case u'H':
        return u'Н';
    case u'o':
    case u'O':
        return u'О';
    case u'p':
    case u'P':
        return u'Р';
    case u'T':
        return u'Т';
    case u'x':
    case u'X':
        return u'Х';
    case u'y':
        return u'У';
    default:
        return 0;
    }
}

// The types that stand before a locality's name, as the directory and people write them.
const QSet<QString> &localityTypes()
{
    static const QSet<QString> types = {
        QStringLiteral("м"),     QStringLiteral("г"),      QStringLiteral("с"),      QStringLiteral("смт"),
        QStringLiteral("пгт"),   QStringLiteral("с-ще"),   QStringLiteral("сщ"),     QStringLiteral("сел"),
        QStringLiteral("селище"), QStringLiteral("село"),  QStringLiteral("місто"),  QStringLiteral("город"),
        QStringLiteral("пос"),   QStringLiteral("посёлок"), QStringLiteral("поселок"), QStringLiteral("х"),
        QStringLiteral("хут"),   QStringLiteral("хутір"),  QStringLiteral("хутор"),
    };
    return types;
}

// The words that say "region" after a region's name.
const QSet<QString> &regionWords()
{
    static const QSet<QString> words = {
        QStringLiteral("область"), QStringLiteral("обл"),    QStringLiteral("об"),
        QStringLiteral("області"), QStringLiteral("oblast"), QStringLiteral("region"),
    };
    return words;
}

QString sharedTitle(const QList<const Locality *> &places)
{
    // "Брониця, Долішній Лужок, Львівська обл.": the names, then the region once.
    QStringList names;
    for (const Locality *p : places) {
        if (!names.contains(p->name))
            names.append(p->name);
    }
    constexpr int Shown = 3;
    QString text = names.mid(0, Shown).join(QStringLiteral(", "));
    if (names.size() > Shown)
        text += tr(" и ещё %1").arg(names.size() - Shown);
    const Locality *first = places.constFirst();
    if (!first->isCity)
        text += QStringLiteral(", ") + regionTitle(first->region);
    return text;
}

QString titleOf(const PostalDirectory &directory, const QList<int> &indices)
{
    QList<const Locality *> places;
    for (const int i : indices)
        places.append(&directory.at(i));
    return sharedTitle(places);
}

QString codeText(int code)
{
    return QStringLiteral("%1").arg(code, 5, 10, QLatin1Char('0'));
}

// " (Трускавець, Львівська обл.: 82200, 82208)": where the locality of the address really is, when
// the directory knows it in at most a few places.
QString whereItIs(const PostalDirectory &directory, const QString &locality, int regionRow)
{
    QList<int> found = directory.named(locality);
    if (regionRow >= 0)
        found.removeIf([&](int i) { return directory.at(i).region != regionRow; });
    if (found.isEmpty())
        return {};
    // One group per locality, told apart by its name and region (and district-free: two villages
    // of one name in one region count as one place with their codes together).
    QList<QPair<QString, QList<int>>> places;
    for (const int i : found) {
        const Locality &l = directory.at(i);
        const QString title = l.title();
        auto it = std::find_if(places.begin(), places.end(), [&](const auto &p) { return p.first == title; });
        if (it == places.end())
            places.append({title, {l.code}});
        else if (!it->second.contains(l.code))
            it->second.append(l.code);
    }
    constexpr int ShownPlaces = 2;
    constexpr int ShownCodes = 3;
    if (places.size() > ShownPlaces)
        return {};
    QStringList parts;
    for (const auto &[title, codes] : places) {
        QStringList shown;
        for (qsizetype k = 0; k < std::min<qsizetype>(codes.size(), ShownCodes); ++k)
            shown.append(codeText(codes.at(k)));
        QString text = title + QStringLiteral(": ") + shown.join(QStringLiteral(", "));
        if (codes.size() > ShownCodes)
            text += tr(" и др.");
        parts.append(text);
    }
    return QStringLiteral(" (") + parts.join(QStringLiteral("; ")) + QLatin1Char(')');
}

bool hasUkrainianLetters(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'і' || u == u'ї' || u == u'є' || u == u'ґ' || u == u'І' || u == u'Ї' || u == u'Є' || u == u'Ґ')
            return true;
    }
    return false;
}

} // namespace

QString regionTitle(int row)
{
    if (row < 0 || row >= regionNames().size())
        return {};
    if (row == 0)
        return regionNames().at(0).constFirst();
    return regionNames().at(row).constFirst() + QStringLiteral(" обл.");
}

int regionRowOf(const QString &typed)
{
    QStringList words;
    for (const QString &word : typed.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
        QString bare = word.toLower();
        while (bare.endsWith(QLatin1Char('.')))
            bare.chop(1);
        if (!regionWords().contains(bare))
            words.append(word);
    }
    const QString name = comparableName(withoutLocalityType(words.join(QLatin1Char(' '))));
    if (name.isEmpty())
        return -1;
    for (int row = 0; row < regionNames().size(); ++row) {
        for (const QString &known : regionNames().at(row)) {
            if (sameLocalityName(name, comparableName(known)))
                return row;
        }
    }
    return -1;
}

QString withoutLocalityType(const QString &locality)
{
    QString text = locality.trimmed();
    // The type is a first word ended by a dot, a blank or both: "м. Київ", "смт Ворохта", "г.Киев".
    for (int round = 0; round < 2; ++round) {
        qsizetype end = 0;
        while (end < text.size() && text.at(end) != QLatin1Char('.') && !text.at(end).isSpace())
            ++end;
        if (end == 0 || end == text.size() || !localityTypes().contains(text.left(end).toLower()))
            break;
        while (end < text.size() && (text.at(end) == QLatin1Char('.') || text.at(end).isSpace()))
            ++end;
        text = text.mid(end);
    }
    return text;
}

QString comparableName(const QString &name)
{
    bool cyrillic = false;
    for (const QChar c : name) {
        if (isCyrillicLetter(c.unicode())) {
            cyrillic = true;
            break;
        }
    }
    QString out;
    out.reserve(name.size());
    for (const QChar ch : name) {
        char16_t c = ch.unicode();
        if (c < 0x80) {
            if (!cyrillic)
                continue;
            c = cyrillicLookAlike(c);
            if (!c)
                continue;
        }
        if (!isCyrillicLetter(c))
            continue;
        c = QChar::toUpper(c);
        if (c == u'Ь' || c == u'Ъ')
            continue;
        if ((c >= u'А' && c <= u'Я') || c == u'Ё' || c == u'Є' || c == u'І' || c == u'Ї' || c == u'Ґ')
            out += QChar(c);
    }
    return out;
}

bool sameLocalityName(const QString &typed, const QString &directoryName)
{
    if (typed.size() != directoryName.size() || typed.isEmpty())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const char16_t t = typed.at(i).unicode();
        const char16_t d = directoryName.at(i).unicode();
        if (canonical(t) == canonical(d))
            continue;
        if ((isUkrainianI(d) && isOorE(t)) || (isUkrainianI(t) && isOorE(d)))
            continue;
        return false;
    }
    return true;
}

QString Locality::title() const
{
    return isCity ? name : name + QStringLiteral(", ") + regionTitle(region);
}

EntryParts entryParts(const QString &shownEntry)
{
    const QString text = shownEntry.trimmed();
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {text, {}};
    const QString rest = text.mid(space + 1);
    const qsizetype comma = rest.indexOf(QStringLiteral(", "));
    return {text.left(space), comma < 0 ? rest : rest.left(comma)};
}

void PostalDirectory::add(Locality locality)
{
    const int index = int(m_localities.size());
    m_byCode[locality.code].append(index);
    m_areas.insert(locality.code / 1000);
    QSet<QString> keys;
    for (const QString &spelling : std::as_const(locality.spellings)) {
        const QString key = looseKey(spelling);
        if (!keys.contains(key)) {
            keys.insert(key);
            m_byLooseName[key].append(index);
        }
    }
    m_localities.append(std::move(locality));
}

PostalDirectory PostalDirectory::fromRegionTexts(const QList<QByteArray> &texts)
{
    PostalDirectory directory;
    directory.m_localities.reserve(32 * 1024);
    static const QString br = QStringLiteral("<br>");
    // The spellings of one name repeat on every line of a city: made once per name.
    QString lastForms;
    QStringList lastSpellings;
    for (int row = 0; row < texts.size(); ++row) {
        const QString text = codepage::decode1251(texts.at(row));
        codepage::forEachLine(text, [&](qsizetype start, qsizetype end) {
            const QStringView line = QStringView(text).mid(start, end - start);
            if (line.isEmpty() || line.front() != QLatin1Char(' '))
                return;
            const qsizetype cut = line.indexOf(br);
            if (cut < 0)
                return;
            const EntryParts parts = entryParts(line.first(cut).toString());
            bool ok = false;
            const int code = parts.code.toInt(&ok);
            if (!ok || parts.code.size() != 5 || parts.locality.isEmpty())
                return;
            Locality l;
            l.typed = parts.locality;
            l.name = withoutLocalityType(parts.locality);
            l.code = code;
            l.region = row;
            l.isCity = row == KyivRow && l.name == QStringLiteral("Київ");
            const QString forms = line.mid(cut + br.size()).toString() + QLatin1Char('|') + l.name;
            if (forms != lastForms) {
                lastForms = forms;
                lastSpellings = {comparableName(l.name)};
                // The forms after "<br>": the name as the search key keeps it (without its Ukrainian
                // letters, no spelling of anyone's), as typed on a Russian keyboard, the Russian
                // names; then the code.
                const QString bareKey = searchKey(l.name);
                const bool keyLosesLetters = hasUkrainianLetters(l.name);
                for (const QString &form :
                     line.mid(cut + br.size()).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    if (form.front().isDigit() || (keyLosesLetters && form == bareKey))
                        continue;
                    const QString spelling = comparableName(form);
                    if (!spelling.isEmpty() && !lastSpellings.contains(spelling))
                        lastSpellings.append(spelling);
                }
            }
            l.spellings = lastSpellings;
            directory.add(std::move(l));
        });
    }
    return directory;
}

PostalDirectory PostalDirectory::load(const WorkDir &dir)
{
    QList<QByteArray> texts;
    for (const QString &file : regionFiles()) {
        try {
            texts.append(dir.readBytes(file));
        } catch (const IoError &e) {
            // Which file of the directory is missing, not only that one is.
            throw IoError(QStringLiteral("%1: %2").arg(file, e.message()));
        }
    }
    return fromRegionTexts(texts);
}

std::shared_ptr<const PostalDirectory> PostalDirectory::shared(const WorkDir &dir)
{
    // Told apart by the folder and the size and time of every region file.
    QString signature = dir.root();
    for (const QString &file : regionFiles()) {
        const QFileInfo info(dir.path(file));
        signature += QStringLiteral("|%1:%2:%3")
                         .arg(info.exists() ? info.size() : -1)
                         .arg(info.exists() ? info.lastModified().toMSecsSinceEpoch() : 0)
                         .arg(info.fileName());
    }
    static QMutex mutex;
    static QString cachedSignature;
    static std::shared_ptr<const PostalDirectory> cached;
    const QMutexLocker lock(&mutex);
    if (!cached || cachedSignature != signature) {
        cached.reset();
        cached = std::make_shared<const PostalDirectory>(load(dir));
        cachedSignature = signature;
    }
    return cached;
}

QList<int> PostalDirectory::named(const QString &typed) const
{
    const QString name = comparableName(withoutLocalityType(typed));
    QList<int> found;
    if (name.isEmpty())
        return found;
    for (const int i : m_byLooseName.value(looseKey(name))) {
        const QStringList &spellings = m_localities.at(i).spellings;
        if (std::any_of(spellings.cbegin(), spellings.cend(),
                        [&](const QString &s) { return sameLocalityName(name, s); }))
            found.append(i);
    }
    return found;
}

bool isDomesticCountry(const QString &country)
{
    QString c = country.trimmed();
    while (c.endsWith(QLatin1Char('.')))
        c.chop(1);
    if (c.isEmpty())
        return true;
    if (c.compare(QStringLiteral("Ukraine"), Qt::CaseInsensitive) == 0 ||
        c.compare(QStringLiteral("UA"), Qt::CaseInsensitive) == 0)
        return true;
    const QString name = comparableName(c);
    return name == comparableName(QStringLiteral("Україна")) || name == comparableName(QStringLiteral("Украина"));
}

PostalVerdict checkAddress(const PostalDirectory &directory, const PostalAddress &address)
{
    using P = PostalProblem;
    if (!isDomesticCountry(address.country))
        return {P::NotChecked, {}};
    const QString locality = address.locality.trimmed();
    const QString region = address.region.trimmed();
    const int regionRow = region.isEmpty() ? -1 : regionRowOf(region);
    const QString code = address.postalCode.trimmed();
    const bool codeIsFiveDigits =
        code.size() == 5 && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });

    if (code.isEmpty())
        return {P::MissingCode, tr("нет почтового индекса") + whereItIs(directory, locality, regionRow)};
    if (!codeIsFiveDigits)
        return {P::MalformedCode, tr("«%1» — почтовый индекс должен состоять из пяти цифр").arg(code) +
                                      whereItIs(directory, locality, regionRow)};
    const int number = code.toInt();
    if (!directory.covers(number))
        return {P::NotChecked, {}};
    const QList<int> withCode = directory.withCode(number);
    if (withCode.isEmpty())
        return {P::UnknownCode,
                tr("%1 — такого индекса нет в справочнике").arg(code) + whereItIs(directory, locality, regionRow)};
    if (comparableName(withoutLocalityType(locality)).isEmpty())
        return {P::MissingLocality,
                tr("%1 — %2, а населённый пункт не указан").arg(code, titleOf(directory, withCode))};

    const QString typedName = comparableName(withoutLocalityType(locality));
    QList<int> sameName;
    for (const int i : withCode) {
        const QStringList &spellings = directory.at(i).spellings;
        if (std::any_of(spellings.cbegin(), spellings.cend(),
                        [&](const QString &s) { return sameLocalityName(typedName, s); }))
            sameName.append(i);
    }
    if (sameName.isEmpty())
        return {P::WrongLocality, tr("%1 — %2, а не %3").arg(code, titleOf(directory, withCode), locality) +
                                      whereItIs(directory, locality, regionRow)};
    if (region.isEmpty())
        return {};
    if (regionRow < 0)
        return {P::UnknownRegion, tr("«%1» — такой области нет").arg(region)};
    if (std::none_of(sameName.cbegin(), sameName.cend(), [&](int i) { return directory.at(i).region == regionRow; }))
        return {P::WrongRegion, tr("%1 — %2, а не %3").arg(code, titleOf(directory, sameName), region)};
    return {};
}

} // namespace postal
