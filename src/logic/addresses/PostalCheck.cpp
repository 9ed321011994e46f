#include "logic/addresses/PostalCheck.h"

#include "logic/addresses/PostalSearch.h"
#include "logic/addresses/Regions.h"
#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <algorithm>
#include <iterator>
#include <mutex>

namespace postal {

namespace {

// The names people write for the region of a row, its Ukrainian name first.
const QStringList &regionNames(int row)
{
    return regions().at(row).names;
}

int regionCount()
{
    return int(regions().size());
}

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

// The capital of a Cyrillic letter (U+0400 to U+045F): а to я are 0x20 below their capitals, the
// others (ё є і ї ...) 0x50; ґ is the one after Ґ.
char16_t cyrillicCapital(char16_t c)
{
    if (c >= 0x0430 && c <= 0x044F)
        return char16_t(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F)
        return char16_t(c - 0x50);
    if (c == 0x0491)
        return 0x0490;
    return c;
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
const QStringList &localityTypes()
{
    static const QStringList types = {
        QStringLiteral("м"),      QStringLiteral("г"),       QStringLiteral("с"),       QStringLiteral("смт"),
        QStringLiteral("пгт"),    QStringLiteral("с-ще"),    QStringLiteral("сщ"),      QStringLiteral("сел"),
        QStringLiteral("селище"), QStringLiteral("село"),    QStringLiteral("місто"),   QStringLiteral("город"),
        QStringLiteral("пос"),    QStringLiteral("посёлок"), QStringLiteral("поселок"), QStringLiteral("х"),
        QStringLiteral("хут"),    QStringLiteral("хутір"),   QStringLiteral("хутор"),
    };
    return types;
}

// The locality without its type (see withoutLocalityType), as a part of the text.
QStringView localityName(QStringView locality)
{
    QStringView text = locality.trimmed();
    // The type is a first word ended by a dot, a blank or both: "м. Київ", "смт Ворохта", "г.Киев".
    for (int round = 0; round < 2; ++round) {
        qsizetype end = 0;
        while (end < text.size() && text.at(end) != u'.' && !text.at(end).isSpace())
            ++end;
        constexpr qsizetype LongestType = 7;
        if (end == 0 || end == text.size() || end > LongestType)
            break;
        // The word in small letters (the types are Cyrillic), compared with the types as they are.
        char16_t small[LongestType];
        for (qsizetype k = 0; k < end; ++k) {
            const char16_t c = text.at(k).unicode();
            small[k] = (c >= u'А' && c <= u'Я')       ? char16_t(c + 0x20)
                       : (c >= 0x0400 && c <= 0x040F) ? char16_t(c + 0x50)
                                                      : c;
        }
        const QStringView word(small, end);
        if (std::none_of(localityTypes().cbegin(), localityTypes().cend(),
                         [&](const QString &type) { return word == type; }))
            break;
        while (end < text.size() && (text.at(end) == u'.' || text.at(end).isSpace()))
            ++end;
        text = text.mid(end);
    }
    return text;
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
        text += QCoreApplication::translate("PostalCheck", " и ещё %1").arg(names.size() - Shown);
    const Locality *first = places.constFirst();
    if (!first->isCity)
        text += QStringLiteral(", ") + regionTitle(first->region);
    return text;
}

template <typename Indices> QString titleOf(const PostalDirectory &directory, const Indices &indices)
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
QString whereItIs(const PostalDirectory &directory, QStringView locality, int regionRow)
{
    QList<int> found = directory.named(locality);
    if (regionRow >= 0)
        found.removeIf([&](int i) { return directory.at(i).region != regionRow; });
    if (found.isEmpty())
        return {};
    // One place per name and region (two villages of one name in one region count as one, their
    // codes together); a name found in more places than a message can name is not guessed at.
    constexpr int ShownPlaces = 2;
    constexpr int ShownCodes = 3;
    struct Place
    {
        const Locality *first;
        QList<int> codes;
    };
    QList<Place> places;
    for (const int i : found) {
        const Locality &l = directory.at(i);
        auto it = std::find_if(places.begin(), places.end(),
                               [&](const Place &p) { return p.first->region == l.region && p.first->name == l.name; });
        if (it == places.end()) {
            if (places.size() == ShownPlaces)
                return {};
            places.append({&l, {l.code}});
        } else if (it->codes.size() <= ShownCodes && !it->codes.contains(l.code)) {
            it->codes.append(l.code);
        }
    }
    QStringList parts;
    for (const auto &[first, codes] : std::as_const(places)) {
        const QString title = first->title();
        QStringList shown;
        for (qsizetype k = 0; k < std::min<qsizetype>(codes.size(), ShownCodes); ++k)
            shown.append(codeText(codes.at(k)));
        QString text = title + QStringLiteral(": ") + shown.join(QStringLiteral(", "));
        if (codes.size() > ShownCodes)
            text += QCoreApplication::translate("PostalCheck", " и др.");
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

namespace {
int regionRowOfText(QStringView typed);
} // namespace

QString regionTitle(int row)
{
    if (row < 0 || row >= regionCount())
        return {};
    if (row == 0)
        return regionNames(0).constFirst();
    return regionNames(row).constFirst() + QStringLiteral(" обл.");
}

int regionRowOf(QStringView typed)
{
    // A mailing names few regions, each many times: the last ones are remembered.
    struct Seen
    {
        QString typed;
        int row;
    };
    constexpr qsizetype Remembered = 64;
    thread_local QList<Seen> seen;
    for (qsizetype k = 0; k < seen.size(); ++k) {
        if (seen.at(k).typed == typed) {
            const int row = seen.at(k).row;
            if (k > 0)
                seen.move(k, 0);
            return row;
        }
    }
    const int row = regionRowOfText(typed);
    if (seen.size() == Remembered)
        seen.removeLast();
    seen.prepend({typed.toString(), row});
    return row;
}

namespace {

int regionRowOfText(QStringView typed)
{
    // The comparable forms of the region names, by loose key.
    static const QHash<QString, QList<QPair<int, QString>>> known = [] {
        QHash<QString, QList<QPair<int, QString>>> table;
        for (int row = 0; row < regionCount(); ++row) {
            for (const QString &name : regionNames(row)) {
                const QString comparable = comparableName(name);
                table[looseKey(comparable)].append({row, comparable});
            }
        }
        return table;
    }();
    QString text = typed.toString();
    text.replace(QLatin1Char(','), QLatin1Char(' '));
    QStringList words;
    for (const QString &word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString bare = word.toLower();
        while (bare.endsWith(QLatin1Char('.')))
            bare.chop(1);
        if (!regionWords().contains(bare))
            words.append(word);
    }
    const QString name = comparableName(withoutLocalityType(words.join(QLatin1Char(' '))));
    if (name.isEmpty())
        return -1;
    for (const auto &[row, comparable] : known.value(looseKey(name))) {
        if (sameLocalityName(name, comparable))
            return row;
    }
    return -1;
}

} // namespace

QString withoutLocalityType(QStringView locality)
{
    return localityName(locality).toString();
}

QString comparableName(QStringView name)
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
        c = cyrillicCapital(c);
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

PostalDirectory::Range PostalDirectory::codeRange(int code) const
{
    if (code < 0 || code + 1 >= int(m_codeStart.size()))
        return {};
    return {m_byCode.data() + m_codeStart[code], m_byCode.data() + m_codeStart[code + 1]};
}

QList<int> PostalDirectory::withCode(int code) const
{
    const Range range = codeRange(code);
    return QList<int>(range.begin(), range.end());
}

bool PostalDirectory::covers(int code) const
{
    if (code < 0 || code >= CodeCount)
        return false;
    const int area = code / 1000 * 1000;
    return m_codeStart[std::min(area + 1000, CodeCount)] > m_codeStart[area];
}

void PostalDirectory::index()
{
    // The codes by counting: one pass to count, one to place, directory order kept within a code.
    m_codeStart.assign(CodeCount + 1, 0);
    for (const Locality &l : std::as_const(m_localities))
        ++m_codeStart[l.code + 1];
    for (int c = 0; c < CodeCount; ++c)
        m_codeStart[c + 1] += m_codeStart[c];
    m_byCode.assign(m_localities.size(), 0);
    std::vector<int> next(m_codeStart.begin(), m_codeStart.end() - 1);
    for (int i = 0; i < int(m_localities.size()); ++i)
        m_byCode[next[m_localities.at(i).code]++] = i;
}

const QHash<QString, QList<int>> &PostalDirectory::byLooseName() const
{
    // Made at the first search by name: a mailing whose codes are all right never needs it.
    std::call_once(m_names->made, [this] {
        QHash<QString, QList<int>> &index = m_names->byLooseName;
        index.reserve(m_localities.size());
        const QStringList *lastSpellings = nullptr;
        QStringList lastKeys;
        for (int i = 0; i < int(m_localities.size()); ++i) {
            const Locality &l = m_localities.at(i);
            // The lines of one city share their spellings: their keys are made once.
            if (!lastSpellings || !lastSpellings->isSharedWith(l.spellings)) {
                lastKeys.clear();
                for (const QString &spelling : l.spellings) {
                    QString key = looseKey(spelling);
                    if (!lastKeys.contains(key))
                        lastKeys.append(std::move(key));
                }
                lastSpellings = &l.spellings;
            }
            for (const QString &key : std::as_const(lastKeys)) {
                QList<int> &list = index[key];
                if (list.isEmpty() || list.constLast() != i)
                    list.append(i);
            }
        }
    });
    return m_names->byLooseName;
}

PostalDirectory PostalDirectory::fromRegionTexts(const QList<QByteArray> &texts)
{
    PostalDirectory directory;
    qsizetype lines = 0;
    for (const QByteArray &t : texts)
        lines += t.count('\n');
    directory.m_localities.reserve(lines);
    static const QString br = QStringLiteral("<br>");
    for (int row = 0; row < texts.size(); ++row) {
        const QString text = codepage::decode1251(texts.at(row));
        // The lines of one city follow one another: a line whose locality and forms are those of
        // the line before shares its texts.
        QStringView lastLocality, lastForms;
        codepage::forEachLine(text, [&](qsizetype start, qsizetype end) {
            const QStringView line = QStringView(text).mid(start, end - start);
            if (line.size() < 8 || line.front() != u' ')
                return;
            const qsizetype cut = line.indexOf(br);
            if (cut < 0)
                return;
            const QStringView shown = line.first(cut).trimmed();
            int code = 0;
            for (int k = 0; k < 5; ++k) {
                const char16_t d = k < shown.size() ? shown[k].unicode() : 0;
                if (d < u'0' || d > u'9')
                    return;
                code = code * 10 + (d - u'0');
            }
            if (shown.size() < 7 || shown[5] != u' ')
                return;
            QStringView locality = shown.mid(6);
            if (const qsizetype comma = locality.indexOf(u", "); comma >= 0)
                locality = locality.first(comma);
            const QStringView forms = line.mid(cut + br.size());
            Locality l;
            l.code = code;
            l.region = row;
            if (!directory.m_localities.isEmpty() && locality == lastLocality && forms == lastForms) {
                const Locality &before = directory.m_localities.constLast();
                l.typed = before.typed;
                l.name = before.name;
                l.spellings = before.spellings;
                l.isCity = before.isCity;
            } else {
                l.typed = locality.toString();
                const QStringView name = localityName(l.typed);
                // Most names follow their type: the name shares the text of the typed locality.
                l.name = name.size() == l.typed.size() ? l.typed : name.toString();
                if (l.name.isEmpty())
                    return;
                // Of the cities that are regions of their own, the directory holds Kyiv alone.
                l.isCity =
                    l.name == QStringLiteral("Київ") && row < regionCount() && regions().at(row).cityOfItsOwn == l.name;
                l.spellings = {comparableName(l.name)};
                // The forms after "<br>": the name as the search key keeps it (without its Ukrainian
                // letters, no spelling of anyone's), as typed on a Russian keyboard, the Russian
                // names; then the code.
                const bool keyLosesLetters = hasUkrainianLetters(l.name);
                const QString bareKey = keyLosesLetters ? searchKey(l.name) : QString();
                qsizetype from = 0;
                while (from < forms.size()) {
                    qsizetype to = forms.indexOf(u' ', from);
                    if (to < 0)
                        to = forms.size();
                    const QStringView form = forms.mid(from, to - from);
                    from = to + 1;
                    if (form.isEmpty() || form.front().isDigit() || (keyLosesLetters && form == bareKey))
                        continue;
                    QString spelling = comparableName(form);
                    if (!spelling.isEmpty() && !l.spellings.contains(spelling))
                        l.spellings.append(std::move(spelling));
                }
            }
            lastLocality = locality;
            lastForms = forms;
            directory.m_localities.append(std::move(l));
        });
    }
    directory.index();
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

QList<int> PostalDirectory::named(QStringView typed) const
{
    const QString name = comparableName(localityName(typed));
    QList<int> found;
    if (name.isEmpty())
        return found;
    for (const int i : byLooseName().value(looseKey(name))) {
        const QStringList &spellings = m_localities.at(i).spellings;
        if (std::any_of(spellings.cbegin(), spellings.cend(),
                        [&](const QString &s) { return sameLocalityName(name, s); }))
            found.append(i);
    }
    return found;
}

bool isDomesticCountry(QStringView country)
{
    QStringView c = country.trimmed();
    while (c.endsWith(QLatin1Char('.')))
        c.chop(1);
    if (c.isEmpty())
        return true;
    if (c.compare(QStringLiteral("Ukraine"), Qt::CaseInsensitive) == 0 ||
        c.compare(QStringLiteral("UA"), Qt::CaseInsensitive) == 0)
        return true;
    static const QString ukrainian = comparableName(u"Україна");
    static const QString russian = comparableName(u"Украина");
    const QString name = comparableName(c);
    return name == ukrainian || name == russian;
}

PostalVerdict checkAddress(const PostalDirectory &directory, const PostalAddress &address)
{
    using P = PostalProblem;
    if (!isDomesticCountry(address.country))
        return {P::NotChecked, {}};
    const QStringView locality = address.locality.trimmed();
    const QStringView region = address.region.trimmed();
    const int regionRow = region.isEmpty() ? -1 : regionRowOf(region);
    const QStringView code = address.postalCode.trimmed();
    const bool codeIsFiveDigits =
        code.size() == 5 && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });

    if (code.isEmpty())
        return {P::MissingCode, QCoreApplication::translate("PostalCheck", "нет почтового индекса") +
                                    whereItIs(directory, locality, regionRow)};
    if (!codeIsFiveDigits)
        return {P::MalformedCode,
                QCoreApplication::translate("PostalCheck", "«%1» — почтовый индекс должен состоять из пяти цифр")
                        .arg(code) +
                    whereItIs(directory, locality, regionRow)};
    const int number = code.toInt();
    if (!directory.covers(number))
        return {P::NotChecked, {}};
    const PostalDirectory::Range withCode = directory.codeRange(number);
    if (withCode.isEmpty())
        return {P::UnknownCode,
                QCoreApplication::translate("PostalCheck", "%1 — такого индекса нет в справочнике").arg(code) +
                    whereItIs(directory, locality, regionRow)};
    const QString typedName = comparableName(localityName(locality));
    if (typedName.isEmpty())
        return {P::MissingLocality, QCoreApplication::translate("PostalCheck", "%1 — %2, а населённый пункт не указан")
                                        .arg(code, titleOf(directory, withCode))};

    const auto isTyped = [&](int i) {
        const QStringList &spellings = directory.at(i).spellings;
        return std::any_of(spellings.cbegin(), spellings.cend(),
                           [&](const QString &s) { return sameLocalityName(typedName, s); });
    };
    if (std::none_of(withCode.begin(), withCode.end(), isTyped))
        return {P::WrongLocality, QCoreApplication::translate("PostalCheck", "%1 — %2, а не %3")
                                          .arg(code, titleOf(directory, withCode), locality) +
                                      whereItIs(directory, locality, regionRow)};
    if (region.isEmpty())
        return {};
    if (regionRow < 0)
        return {P::UnknownRegion, QCoreApplication::translate("PostalCheck", "«%1» — такой области нет").arg(region)};
    if (std::any_of(withCode.begin(), withCode.end(),
                    [&](int i) { return directory.at(i).region == regionRow && isTyped(i); }))
        return {};
    QList<int> sameName;
    std::copy_if(withCode.begin(), withCode.end(), std::back_inserter(sameName), isTyped);
    return {
        P::WrongRegion,
        QCoreApplication::translate("PostalCheck", "%1 — %2, а не %3").arg(code, titleOf(directory, sameName), region)};
}

} // namespace postal
