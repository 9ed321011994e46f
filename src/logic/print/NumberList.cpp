#include "logic/print/NumberList.h"

#include <QCoreApplication>

#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/MailingRecordFile.h"

namespace numberlist {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('-');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number of a piece, without its separator.
int pieceNumber(const QString &piece)
{
    const QString digits = !piece.isEmpty() && isSeparator(piece.back()) ? piece.chopped(1) : piece;
    return strToInt(digits);
}

} // namespace

bool isWellFormed(const QString &text)
{
    bool afterDigit = false;
    for (const QChar c : text) {
        if (isDigit(c))
            afterDigit = true;
        else if (isSeparator(c) && afterDigit)
            afterDigit = false;
        else
            return false;
    }
    return afterDigit;
}

QStringList splitPieces(const QString &text)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isSeparator(text.at(i))) {
            pieces.append(text.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    pieces.append(text.mid(start));
    return pieces;
}

Expansion expandPieces(const QStringList &pieces, int envelopeCount)
{
    struct Span
    {
        int first, last;
    };
    // Every number is converted and checked before anything is expanded, so that a mistyped
    // range such as 1-2000000000 is refused at once instead of filling the memory.
    Expansion result;
    QList<Span> spans;
    for (qsizetype i = 0; i < pieces.size() && !result.outside; ++i) {
        const QString &piece = pieces.at(i);
        Span span;
        span.first = span.last = pieceNumber(piece);
        if (piece.endsWith(QLatin1Char('-')) && i + 1 < pieces.size())
            span.last = pieceNumber(pieces.at(++i));
        for (int n : {span.first, span.last})
            if ((n < 1 || n > envelopeCount) && !result.outside)
                result.outside = n;
        spans.append(span);
    }
    if (result.outside)
        return result;
    qsizetype total = 0;
    for (const Span &s : spans)
        total += s.last >= s.first ? qsizetype(s.last) - s.first + 1 : 0;
    result.numbers.reserve(total);
    for (const Span &s : spans)
        for (qint64 n = s.first; n <= s.last; ++n)
            result.numbers.append(int(n));
    return result;
}

QString listText(const QList<int> &indices)
{
    QStringList pieces;
    for (qsizetype i = 0; i < indices.size();) {
        qsizetype last = i;
        while (last + 1 < indices.size() && indices.at(last + 1) == indices.at(last) + 1)
            ++last;
        // A range ends its piece: what follows it is separated by a comma, never by a dash.
        pieces.append(last > i ? QStringLiteral("%1-%2").arg(indices.at(i) + 1).arg(indices.at(last) + 1)
                               : QString::number(indices.at(i) + 1));
        i = last + 1;
    }
    return pieces.join(QLatin1Char(','));
}

QString outsideMessage(int number, int envelopeCount)
{
    if (envelopeCount <= 0)
        return QCoreApplication::translate("numberlist", "Нет конверта с номером %1: список рассылки пуст").arg(number);
    return QCoreApplication::translate("numberlist", "Нет конверта с номером %1: в списке рассылки конверты с 1 по %2")
        .arg(number)
        .arg(envelopeCount);
}

Reading readNumberList(const WorkDir &dir, const QString &text, int envelopeCount)
{
    Reading r;
    if (!isWellFormed(text)) {
        r.status = Reading::Status::Malformed;
        return r;
    }
    dir.writeLines(ScratchFile, splitPieces(text));
    const QStringList pieces = dir.readLines(ScratchFile);

    const Expansion expansion = expandPieces(pieces, envelopeCount);
    if (expansion.outside) {
        r.status = Reading::Status::OutsideList;
        r.outsideNumber = *expansion.outside;
        return r;
    }
    const QList<int> &numbers = expansion.numbers;
    writeEnvelopeNumbers(dir, numbers);

    r.status = Reading::Status::Accepted;
    r.selection.reserve(numbers.size());
    for (int n : numbers)
        r.selection.append(n - 1);
    return r;
}

} // namespace numberlist
