#pragma once
// The envelope number list of the print setup: a typed text such as "10,1-3" turned into the
// envelopes of the mailing list to print, in the order typed.
//
// An accepted text is decimal numbers separated by single commas or single dashes, nothing else.
// A dash joins the number before it and the number after it into a range; a number that ends a
// range starts no new range, so a dash after it separates like a comma ("3-5-7" selects 3, 4, 5
// and 7). A range that runs backwards ("4-2") selects nothing. Order and repetitions stay as typed.
//
// The text is cut into pieces through the scratch file "ft.txt" and the numbers found are kept in
// "txtfile.txt" (the line "0", then every number as typed, one per line).

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class WorkDir;

namespace numberlist {

inline const QString ScratchFile = QStringLiteral("ft.txt");
// What the print setup shows for a text it refuses: the Russian text, and in the user's language.
inline constexpr char MalformedText[] = QT_TRANSLATE_NOOP("numberlist", "Ошибка!!!");
inline const QString MalformedMessage = QString::fromUtf8(MalformedText);
inline QString malformedMessage()
{
    return QCoreApplication::translate("numberlist", MalformedText);
}

// Whether the text is an accepted number list. Empty texts and empty pieces (a leading or
// trailing separator, two separators in a row) are refused like any other character.
bool isWellFormed(const QString &text);

// The pieces of a text: each up to and including its separator, then what follows the last one.
QStringList splitPieces(const QString &text);

struct Expansion
{
    QList<int> numbers;         // one-based, ranges expanded, in the order typed
    std::optional<int> outside; // the first number outside 1..envelopeCount; numbers is then empty
};

// The envelope numbers of the pieces. Every number must lie within 1..envelopeCount; they are all
// checked before any range is expanded. Throws ConversionError for a number that does not fit 32 bits.
Expansion expandPieces(const QStringList &pieces, int envelopeCount);

// The list that selects exactly these envelopes (zero-based indices), in their order: runs of
// consecutive envelopes as ranges, "11-20,3".
QString listText(const QList<int> &indices);

// The message that refuses an envelope number outside the mailing list.
QString outsideMessage(int number, int envelopeCount);

struct Reading
{
    enum class Status { Accepted, Malformed, OutsideList };
    Status status = Status::Malformed;
    QList<int> selection;  // zero-based mailing-list indices, in print order
    int outsideNumber = 0; // the first number outside the list (OutsideList)
};

// The whole reading of a typed list for a mailing list of envelopeCount entries: validation,
// the split through "ft.txt", the expansion, and "txtfile.txt" written for an accepted list.
// File failures throw IoError, numbers too large ConversionError.
Reading readNumberList(const WorkDir &dir, const QString &text, int envelopeCount);

} // namespace numberlist
