#pragma once
// The postal code check of an address against the operator's directory (the region files that the
// postal search reads): the code exists, it belongs to the address's locality, and to its region
// when the address names one.
//
// Names are compared as the postal search compares them, with the spellings people really write:
// case does not count, nor do apostrophes, hyphens, blanks and soft signs; the type of a locality
// ("м.", "с.", "смт", "г.", "пгт", ...) is left out; Ukrainian and Russian letters of one sound are
// taken as one (і ї и ы, е є э ё, г ґ), and a Ukrainian і or ї also stands for the Russian о or е it
// replaced ("Харків" / "Харьков", "Іванівка" / "Ивановка"). The Russian names that the directory
// carries for the large cities ("Николаев", "Днепропетровск") count as the city's names too.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class WorkDir;

namespace postal {

// The region of a row of the region file table in Ukrainian, as envelopes name it ("Львівська
// обл."); the row of Kyiv names the Kyiv region. An empty text for a row outside the table.
QString regionTitle(int row);

// The row of the region file table that a typed region names ("Львівська обл.", "Львовская
// область", "Київ"), or -1 when it names none.
int regionRowOf(const QString &typed);

// The locality without its type: "м. Дрогобич" -> "Дрогобич", "смт. Ворохта" -> "Ворохта".
QString withoutLocalityType(const QString &locality);

// A name reduced for comparison: capital letters, digits kept, everything else dropped; Latin
// letters that look like Cyrillic ones are read as those when the name holds Cyrillic letters.
QString comparableName(const QString &name);
// Whether a typed name (comparable form) is a spelling of a directory name (comparable form).
bool sameLocalityName(const QString &typed, const QString &directoryName);

// One locality of the directory with one of its postal codes.
struct Locality
{
    QString name;  // "Дрогобич"
    QString typed; // with its type: "м. Дрогобич"
    int code = 0;
    int region = -1;      // row of the region file table
    bool isCity = false;  // the city of Kyiv, a region of its own
    QStringList spellings; // comparable forms of its names

    // "Дрогобич, Львівська обл." ("Київ" for the city of Kyiv).
    QString title() const;
};

// The parts of an entry line that the postal search shows: " 82100 м. Дрогобич, Дрогобицький р-н".
struct EntryParts
{
    QString code;     // "82100"
    QString locality; // "м. Дрогобич"
};
EntryParts entryParts(const QString &shownEntry);

class PostalDirectory
{
public:
    // From the texts of the region files (code page 1251), one per row of the region file table.
    static PostalDirectory fromRegionTexts(const QList<QByteArray> &texts);
    // Reads every region file of the working directory; a missing one throws IoError.
    static PostalDirectory load(const WorkDir &dir);
    // The directory of the working directory, read at the first call and again only when a
    // region file has changed. Throws IoError as load() does.
    static std::shared_ptr<const PostalDirectory> shared(const WorkDir &dir);

    qsizetype size() const { return m_localities.size(); }
    const Locality &at(qsizetype i) const { return m_localities.at(i); }
    // The localities that have the code, in directory order.
    QList<int> withCode(int code) const { return m_byCode.value(code); }
    // The localities that a typed name (any text) names, in directory order.
    QList<int> named(const QString &typed) const;
    // Whether the directory holds codes of the area that a code belongs to (its first two
    // digits): the directory has no localities of the Crimea, whose codes it cannot judge.
    bool covers(int code) const { return m_areas.contains(code / 1000); }

private:
    void add(Locality locality);

    QList<Locality> m_localities;
    QHash<int, QList<int>> m_byCode;
    QHash<QString, QList<int>> m_byLooseName;
    QSet<int> m_areas;
};

// An address as an envelope carries it.
struct PostalAddress
{
    QString locality;
    QString region;
    QString country;
    QString postalCode;
};

enum class PostalProblem {
    None,
    NotChecked,      // abroad, or a code of an area that the directory does not hold
    MissingCode,     // no postal code
    MalformedCode,   // not five digits
    UnknownCode,     // five digits that no locality has
    MissingLocality, // a code but no locality
    WrongLocality,   // the code is another locality's
    UnknownRegion,   // the region names no region
    WrongRegion,     // the locality with that code lies in another region
};

struct PostalVerdict
{
    PostalProblem problem = PostalProblem::None;
    // What is wrong, for a tooltip or a report line: "82100 — Дрогобич, Львівська обл., а не Трускавець".
    QString message;

    bool isProblem() const { return problem != PostalProblem::None && problem != PostalProblem::NotChecked; }
};

// Whether a country line sends the envelope within Ukraine: empty, "Україна", "Украина", "Ukraine".
bool isDomesticCountry(const QString &country);

PostalVerdict checkAddress(const PostalDirectory &directory, const PostalAddress &address);

} // namespace postal
