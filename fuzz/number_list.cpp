// The envelope number list of the print setup ("10,1-3"), through "ft.txt" and "txtfile.txt", and
// the column map of the batch printer ("0,1,-,2,3,-,-,-,4"): typed texts.
//
// The first two bytes give the number of envelopes in the mailing list (up to 4095); the rest is
// the typed text. The selection is checked against a reading written here from the rules alone.

#include "FuzzSupport.h"

#include "logic/files/IoError.h"
#include "logic/mailing/TableFile.h"
#include "logic/print/NumberList.h"

#include <optional>

namespace {

struct Expected
{
    bool wellFormed = false;
    bool tooLarge = false;         // a number past 32 bits is reached before any outside number
    std::optional<qint64> outside; // the first number outside 1..count
    QList<int> selection;          // zero-based
};

// Numbers and separators: "n s n s n". A dash joins the number before and after it; a number that
// ends a range starts none.
Expected reference(const QString &text, int count)
{
    Expected e;
    QList<qint64> numbers;
    QList<QChar> separators;
    qint64 value = -1;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            value = std::min<qint64>((value < 0 ? 0 : value) * 10 + (c.unicode() - u'0'), qint64(1) << 40);
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('-')) && value >= 0) {
            numbers.append(value);
            separators.append(c);
            value = -1;
        } else {
            return e;
        }
    }
    if (value < 0)
        return e;
    numbers.append(value);
    e.wellFormed = true;

    struct Range
    {
        qint64 first, last;
    };
    QList<Range> ranges;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        Range r{numbers.at(i), numbers.at(i)};
        const bool joined = i < separators.size() && separators.at(i) == QLatin1Char('-') && i + 1 < numbers.size();
        if (joined)
            r.last = numbers.at(++i);
        // Both numbers of a range are read before either is checked against the list.
        if (r.first > INT32_MAX || r.last > INT32_MAX) {
            e.tooLarge = true;
            return e;
        }
        for (qint64 n : {r.first, r.last}) {
            if (n < 1 || n > count) {
                e.outside = n;
                return e;
            }
        }
        ranges.append(r);
    }
    for (const Range &r : ranges)
        for (qint64 n = r.first; n <= r.last; ++n)
            e.selection.append(int(n - 1));
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const WorkDir &dir = fuzz::workDir();
    const int count = (data[0] | (data[1] << 8)) & 0x0FFF;
    const QString text = fuzz::text(data + 2, size - 2);
    fuzz::removeFile(QStringLiteral("txtfile.txt"));

    const Expected e = reference(text, count);
    FUZZ_CHECK(numberlist::isWellFormed(text) == e.wellFormed);
    numberlist::Reading r;
    try {
        r = numberlist::readNumberList(dir, text, count);
    } catch (const ConversionError &) {
        FUZZ_CHECK_MSG(e.tooLarge, text);
        return 0;
    }
    FUZZ_CHECK_MSG(!e.tooLarge, text);
    using Status = numberlist::Reading::Status;
    if (!e.wellFormed) {
        FUZZ_CHECK(r.status == Status::Malformed);
    } else if (e.outside) {
        FUZZ_CHECK_MSG(r.status == Status::OutsideList && r.outsideNumber == *e.outside, text);
    } else {
        FUZZ_CHECK_MSG(r.status == Status::Accepted && r.selection == e.selection, text);
        // "txtfile.txt": the line "0", then the numbers as typed, one based.
        const QStringList kept = dir.readLines(QStringLiteral("txtfile.txt"));
        FUZZ_CHECK(kept.size() == r.selection.size() + 1 && kept.first() == QLatin1String("0"));
        for (qsizetype i = 0; i < r.selection.size(); ++i)
            FUZZ_CHECK(kept.at(i + 1).toInt() == r.selection.at(i) + 1);
    }

    // The same text as a column map: nine fields, each a column or none, or a clear refusal.
    try {
        const QList<int> map = parseColumnMap(text);
        FUZZ_CHECK(map.size() == 9);
        for (int column : map)
            FUZZ_CHECK(column >= -1);
    } catch (const AppError &) {
    }
    return 0;
}
