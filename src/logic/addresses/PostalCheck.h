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
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>
#include <vector>

class WorkDir;

namespace postal {

// The region of a row of the region file table in Ukrainian, as envelopes name it ("Львівська
// обл."); the row of Kyiv names the Kyiv region. An empty text for a row outside the table.
QString regionTitle(int row);

// The row of the region file table that a typed region names ("Львівська обл.", "Львовская
// область", "Київ"), or -1 when it names none.
int regionRowOf(QStringView typed);

// The locality without its type: "м. Дрогобич" -> "Дрогобич", "смт. Ворохта" -> "Ворохта".
QString withoutLocalityType(QStringView locality);

// A name reduced for comparison: capital letters, digits kept, everything else dropped; Latin
// letters that look like Cyrillic ones are read as those when the name holds Cyrillic letters.
QString comparableName(QStringView name);
// Whether a typed name (comparable form) is a spelling of a directory name (comparable form).
bool sameLocalityName(const QString &typed, const QString &directoryName);

// One locality of the directory with one of its postal codes.
struct Locality
{
    QString name;  // "Дрогобич"
    QString typed; // with its type: "м. Дрогобич"
    int code = 0;
    int region = -1;       // row of the region file table
    bool isCity = false;   // the city of Kyiv, a region of its own
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
    QList<int> withCode(int code) const;
    struct Range
    {
        const int *from = nullptr;
        const int *to = nullptr;
        const int *begin() const { return from; }
        const int *end() const { return to; }
        bool isEmpty() const { return from == to; }
    };
    // The same without a copy: valid while the directory lives.
    Range codeRange(int code) const;
    // The localities that a typed name (any text) names, in directory order.
    QList<int> named(QStringView typed) const;
    // Whether the directory holds codes of the area that a code belongs to (its first two
    // digits): the directory has no localities of the Crimea, whose codes it cannot judge.
    bool covers(int code) const;

private:
    static constexpr int CodeCount = 100000;
    // Builds the indices once every locality is in.
    void index();

    QList<Locality> m_localities;
    // The localities of code c are m_byCode[m_codeStart[c]] up to m_byCode[m_codeStart[c + 1]].
    std::vector<int> m_codeStart;
    std::vector<int> m_byCode;
    // The localities by the loose key of each of their spellings (see PostalCheck.cpp), made when
    // first needed.
    struct NameIndex
    {
        std::once_flag made;
        QHash<QString, QList<int>> byLooseName;
    };
    const QHash<QString, QList<int>> &byLooseName() const;
    std::unique_ptr<NameIndex> m_names = std::make_unique<NameIndex>();
};

// An address as an envelope carries it: parts of texts that live while it is checked.
struct PostalAddress
{
    QStringView locality;
    QStringView region;
    QStringView country;
    QStringView postalCode;
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
bool isDomesticCountry(QStringView country);

PostalVerdict checkAddress(const PostalDirectory &directory, const PostalAddress &address);

} // namespace postal
