#pragma once
// The prints of a group mailing without any window: the batch print of a selection of the mailing
// list (one page per envelope, in copies) and the test print of the envelope that the preview shows.
// The print setup dialog and the preview call them through printSelection and printPreviewedEnvelope; a batch
// printer without windows calls them directly.
//
// Both take the sender block from "User.txt", wrapped as a 185-pixel box in the main window's font
// shows it, and the recipient block from the recipient details box, tidied and wrapped as that
// 153-pixel box shows it. The batch print fills the box per envelope as a click in the mailing
// list does; the test print prints what the box holds.

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/print/Placement.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class PrintCanvas;
class PrintingService;
class SharedState;
class WorkDir;

inline const QString PrintJobTitle = QStringLiteral("Велтора");
// The refusal to print without an envelope size: the Russian text, and in the user's language.
inline constexpr char NoEnvelopeSizeText[] = QT_TRANSLATE_NOOP("BatchPrint", "Не установлены параметры конверта");
inline const QString NoEnvelopeSizeMessage = QString::fromUtf8(NoEnvelopeSizeText);
inline QString noEnvelopeSizeMessage()
{
    return QCoreApplication::translate("BatchPrint", NoEnvelopeSizeText);
}

// Where the blocks of a job start, from the envelope and the nudges of the state, the feed method
// of "envs" and the printable width of the current printer; the page is turned upright.
BlockAnchors placeBlocks(PrintingService &printing, const SharedState &state, const WorkDir &dir, PlacementKind kind);

// Runs body inside a begun document of the current printer: ends the document when body returns
// true; aborts it when body returns false or throws (the failure goes on to the caller), so that
// nothing half-printed stays in the queue. Returns whether the document ended.
bool printDocument(PrintingService &printing, const std::function<bool()> &body);

// Asked before envelope `done` (zero-based) of `total` is printed, and once more with done == total
// before the document ends. Returning false cancels the job: it is aborted and nothing more printed.
using BatchProgress = std::function<bool(int done, int total)>;

// The lines that a word-wrapping box of the given outer width shows (see wrappedLines), made for
// printing many boxes: a line that plainly fits is taken as it stands without being laid out, and
// the pieces of a longer line are remembered (the long lines of a mailing, districts and regions,
// repeat).
class BoxLines
{
public:
    BoxLines(const QFont &font, int boxWidth);
    QStringList operator()(const QStringList &lines);

private:
    bool surelyFits(const QString &line);
    // How far `first` moves the pen when `second` follows it; negative when unknown.
    qreal pairAdvance(QChar first, QChar second);

    QFont m_font;
    QFontMetricsF m_metrics;
    int m_boxWidth;
    qreal m_textWidth;             // inside the frame and margins
    std::vector<float> m_advance;  // per UTF-16 code unit, -1 until measured
    QHash<quint32, float> m_pairs; // (first << 16 | second), kerning included
    static constexpr int MaxPairs = 65536;
    // Wrapped long lines; emptied when it reaches MaxWrapped, so that a mailing of any length
    // keeps a bounded number.
    static constexpr int MaxWrapped = 4096;
    QHash<QString, QStringList> m_wrapped;
};

struct PrintOutcome
{
    enum class Kind {
        Printed,        // the job ended (or, for an empty selection, nothing needed printing)
        NoEnvelopeSize, // the envelope has no width or height; nothing printed
        OutsideList,    // a selected envelope is not in the mailing list; nothing printed
        Cancelled,      // the progress callback cancelled; the job was aborted
    };
    Kind kind = Kind::Printed;
    int envelopeNumber = 0; // OutsideList: the one-based number refused
    int envelopes = 0;      // envelopes printed (pages of the document)
};

// The lines of the sender block: "User.txt" as the sender box shows it.
QStringList senderLines(const WorkDir &dir, const QFont &boxFont);

// Asked once every check has passed, right before the document begins (a printer that writes a
// file asks for its name here). Returning false prints nothing: the outcome is Cancelled.
using BeforeBegin = std::function<bool()>;

// The batch print of the zero-based mailing-list indices in selection, each recipient looked up as
// a click in the mailing list does. `copies` copies of the whole selection: the printer makes them
// when it can, else (a PDF file) every envelope appears `copies` times, collated (1 2 3, 1 2 3) as a
// printer collates them. Failures of files and of the printing service throw; one that happens
// after the document has begun aborts the job first.
PrintOutcome printBatch(PrintingService &printing, SharedState &state, const WorkDir &dir, const QList<int> &selection,
                        int copies, const BatchProgress &progress = {}, const BeforeBegin &beforeBegin = {});

// Puts the recipient of envelope `index` (zero-based, below the list size) into the state's
// recipient details box.
using FillRecipient = std::function<void(int index)>;

// The batch print of a list of `listSize` envelopes that are not held in the state's mailing list
// (a table read as a stream): as printBatch, with each recipient put in place by fillRecipient.
PrintOutcome printEnvelopes(PrintingService &printing, SharedState &state, const WorkDir &dir, qsizetype listSize,
                            const QList<int> &selection, int copies, const FillRecipient &fillRecipient,
                            const BatchProgress &progress = {}, const BeforeBegin &beforeBegin = {});

// The selection in jobs of `perJob` envelopes each, the last one shorter; one job when perJob is 0.
// A printer class spreads the jobs over its printers; each job keeps the order of its envelopes.
QList<QList<int>> jobsOf(const QList<int> &selection, int perJob);

// The test print: whole centring difference, no title and no copies set.
PrintOutcome printTestEnvelope(PrintingService &printing, SharedState &state, const WorkDir &dir,
                               const BeforeBegin &beforeBegin = {});
