#include "logic/print/BatchPrint.h"

#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"
#include "logic/files/TextLines.h"
#include "logic/files/WorkDir.h"
#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"

#include <QSignalBlocker>

#include <algorithm>
#include <limits>

namespace {

const QString SenderFile = QStringLiteral("User.txt");

void printSender(PrintCanvas &canvas, const SharedState &state, const BlockAnchors &at, const QStringList &lines)
{
    setCanvasFont(canvas, state.senderFont());
    printBlock(canvas, at.senderX, at.senderY, lines);
}

// Tidies the recipient details box as printing leaves it, and prints its lines as the box shows them.
void printRecipient(PrintCanvas &canvas, SharedState &state, const BlockAnchors &at, BoxLines &boxLines)
{
    QStringList lines = state.recipientDetails();
    tidyRecipientLines(lines);
    if (lines != state.recipientDetails())
        state.setRecipientDetails(lines);
    setCanvasFont(canvas, state.recipientFont());
    printBlock(canvas, at.recipientX, at.recipientY, boxLines(lines));
}

// The recipient details box takes every recipient of a batch in turn; the windows that show it
// hear of it once, when the batch is over, whichever way it ends.
class QuietDetails
{
public:
    explicit QuietDetails(SharedState &state)
        : m_state(state)
        , m_blocker(state)
    {
    }
    ~QuietDetails()
    {
        m_blocker.unblock();
        m_state.setRecipientDetails(m_state.recipientDetails());
    }

private:
    SharedState &m_state;
    QSignalBlocker m_blocker;
};

bool envelopeSizeSet(const SharedState &state)
{
    return state.envelopeWidth() != 0 && state.envelopeHeight() != 0;
}

} // namespace

BlockAnchors placeBlocks(PrintingService &printing, const SharedState &state, const WorkDir &dir, PlacementKind kind)
{
    const FeedMethod feedMethod = settings::readFeedMethod(dir);
    printing.setEnvelopeSize(state.envelopeWidth(), state.envelopeHeight());
    // On a page that is the envelope the blocks stand where they land on the envelope: the feed
    // method, which says where an envelope lies on a wider sheet, has nothing to shift.
    const FeedMethod feed = printing.pageIsEnvelope() ? FeedMethod::LeftEdge : feedMethod;
    const BlockAnchors anchors = printPlacement(placementInput(state, feed, printing.pageWidth()), kind);
    printing.setPortrait();
    return anchors;
}

bool printDocument(PrintingService &printing, const std::function<bool()> &body)
{
    printing.beginDoc();
    try {
        if (!body()) {
            printing.abort();
            return false;
        }
        printing.endDoc();
    } catch (...) {
        // Nothing half-printed stays in the queue.
        if (printing.printing())
            printing.abort();
        throw;
    }
    return true;
}

BoxLines::BoxLines(const QFont &font, int boxWidth)
    : m_font(font)
    , m_metrics(font)
    , m_boxWidth(boxWidth)
    , m_textWidth(textAreaWidth(boxWidth))
    , m_advance(0x10000, -1.0f)
{
}

qreal BoxLines::pairAdvance(QChar first, QChar second)
{
    const quint32 key = quint32(first.unicode()) << 16 | second.unicode();
    if (const auto known = m_pairs.constFind(key); known != m_pairs.cend())
        return *known;
    if (m_pairs.size() >= MaxPairs)
        m_pairs.clear();
    const QChar pair[2] = {first, second};
    const qreal advance = m_metrics.horizontalAdvance(QString(pair, 2)) - m_metrics.horizontalAdvance(QString(second));
    m_pairs.insert(key, float(advance));
    return advance;
}

bool BoxLines::surelyFits(const QString &line)
{
    // A line of characters laid out in pairs is as wide as the sum of each pair's advance (kerning
    // included) and the last character's; the slack covers the rounding of the sum. Every other
    // line, and every line that comes near the edge, goes the exact way.
    constexpr qreal Slack = 1.0;
    if (line.isEmpty())
        return true;
    qreal width = Slack;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!laidOutInPairs(c))
            return false;
        float &advance = m_advance[c.unicode()];
        if (advance < 0)
            advance = m_metrics.inFont(c) ? float(m_metrics.horizontalAdvance(c)) : 1e6f;
        if (advance >= 1e6f) // a character the font lacks: another font lends it
            return false;
        width += i + 1 < line.size() ? pairAdvance(c, line.at(i + 1)) : advance;
        if (width > m_textWidth)
            return false;
    }
    return true;
}

QStringList BoxLines::operator()(const QStringList &lines)
{
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString &line : lines) {
        if (surelyFits(line)) {
            shown.append(line);
            continue;
        }
        auto known = m_wrapped.constFind(line);
        if (known == m_wrapped.cend()) {
            if (m_wrapped.size() >= MaxWrapped)
                m_wrapped.clear();
            known = m_wrapped.insert(line, wrappedLines(QStringList{line}, m_font, m_boxWidth));
        }
        shown += *known;
    }
    return shown;
}

QStringList senderLines(const WorkDir &dir, const QFont &boxFont)
{
    return wrappedLines(dir.loadLines(SenderFile), boxFont, SenderBoxWidth);
}

PrintOutcome printBatch(PrintingService &printing, SharedState &state, const WorkDir &dir, const QList<int> &selection,
                        int copies, const BatchProgress &progress, const BeforeBegin &beforeBegin)
{
    return printEnvelopes(
        printing, state, dir, state.mailingList().size(), selection, copies,
        [&state](int index) { state.lookupRecipient(index, true); }, progress, beforeBegin);
}

PrintOutcome printEnvelopes(PrintingService &printing, SharedState &state, const WorkDir &dir, qsizetype listSize,
                            const QList<int> &selection, int copies, const FillRecipient &fillRecipient,
                            const BatchProgress &progress, const BeforeBegin &beforeBegin)
{
    PrintOutcome outcome;
    if (!envelopeSizeSet(state)) {
        outcome.kind = PrintOutcome::Kind::NoEnvelopeSize;
        return outcome;
    }
    for (int index : selection) {
        if (index < 0 || index >= listSize) {
            outcome.kind = PrintOutcome::Kind::OutsideList;
            outcome.envelopeNumber = index + 1;
            return outcome;
        }
    }
    copies = std::max(1, copies);
    const bool printerCopies = printing.makesCopies();
    printing.setCopies(printerCopies ? copies : 1);
    const BlockAnchors at = placeBlocks(printing, state, dir, PlacementKind::Batch);
    // The sender file is the same for every envelope: read once, before the job begins, so that a
    // missing file stops the print before any page.
    const QStringList sender = senderLines(dir, state.mainFont());
    if (selection.isEmpty())
        return outcome;

    const qsizetype envelopes = selection.size();
    const qsizetype pages = printerCopies ? envelopes : envelopes * copies;
    if (pages > std::numeric_limits<int>::max())
        throw AppError(QCoreApplication::translate("BatchPrint", "Слишком много страниц: %1").arg(pages));
    const int total = int(pages);
    BoxLines recipientLines(state.mainFont(), RecipientBoxWidth);
    if (beforeBegin && !beforeBegin()) {
        outcome.kind = PrintOutcome::Kind::Cancelled;
        return outcome;
    }
    printing.setTitle(PrintJobTitle);
    const QuietDetails quiet(state);
    const bool ended = printDocument(printing, [&] {
        PrintCanvas &canvas = printing.canvas();
        for (int k = 0; k < total; ++k) {
            if (progress && !progress(k, total))
                return false;
            fillRecipient(selection.at(k % envelopes));
            printSender(canvas, state, at, sender);
            printRecipient(canvas, state, at, recipientLines);
            ++outcome.envelopes;
            if (k + 1 < total)
                printing.newPage();
        }
        return !progress || progress(total, total);
    });
    if (!ended)
        outcome.kind = PrintOutcome::Kind::Cancelled;
    return outcome;
}

PrintOutcome printTestEnvelope(PrintingService &printing, SharedState &state, const WorkDir &dir,
                               const BeforeBegin &beforeBegin)
{
    PrintOutcome outcome;
    if (!envelopeSizeSet(state)) {
        outcome.kind = PrintOutcome::Kind::NoEnvelopeSize;
        return outcome;
    }
    const BlockAnchors at = placeBlocks(printing, state, dir, PlacementKind::Single);
    const QStringList sender = senderLines(dir, state.mainFont());
    BoxLines recipientLines(state.mainFont(), RecipientBoxWidth);
    if (beforeBegin && !beforeBegin()) {
        outcome.kind = PrintOutcome::Kind::Cancelled;
        return outcome;
    }
    printDocument(printing, [&] {
        printSender(printing.canvas(), state, at, sender);
        printRecipient(printing.canvas(), state, at, recipientLines);
        return true;
    });
    outcome.envelopes = 1;
    return outcome;
}

QList<QList<int>> jobsOf(const QList<int> &selection, int perJob)
{
    if (perJob <= 0)
        return {selection};
    QList<QList<int>> jobs;
    for (qsizetype i = 0; i < selection.size(); i += perJob)
        jobs.append(selection.mid(i, perJob));
    return jobs;
}
