#include "logic/print/Placement.h"

#include "logic/envelope/RecipientLines.h"

#include "logic/files/SettingsFiles.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Printer units of a length in millimetres, rounded as roundHalfToEven does. Any int32 input times
// the scale fits a 64-bit integer exactly enough, so nothing here overflows.
qint64 units(double mm)
{
    return static_cast<qint64>(std::nearbyint(mm * PrintScale));
}

// A coordinate that the page cannot hold is put at the nearest one an int can name.
int saturated(qint64 v)
{
    return static_cast<int>(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

BlockAnchors printPlacement(const PlacementInput &in, PlacementKind kind)
{
    qint64 offset = 0;
    if (in.feedMethod == FeedMethod::Centre) {
        const qint64 d = qint64(in.pageWidth) - units(in.envelopeWidth);
        offset = kind == PlacementKind::Batch ? d / 2 : d; // C++ division rounds toward zero
    }
    BlockAnchors a;
    a.senderX = saturated(offset + units(2.0 * in.shifts.homeX) + 70);
    a.senderY = saturated(units(2.0 * in.shifts.homeY) + 290);
    a.recipientX = saturated(offset + units(double(in.envelopeWidth) - 80) + units(2.0 * in.shifts.addrX));
    a.recipientY = saturated(units(double(in.envelopeHeight) - 49) + units(2.0 * in.shifts.addrY));
    return a;
}

PlacementInput placementInput(const SharedState &s, FeedMethod feedMethod, int pageWidth)
{
    PlacementInput in;
    in.envelopeWidth = s.envelopeWidth();
    in.envelopeHeight = s.envelopeHeight();
    in.feedMethod = feedMethod;
    in.pageWidth = pageWidth;
    in.shifts = s.shifts();
    return in;
}

void printBlock(PrintCanvas &canvas, int x, int y, const QStringList &lines)
{
    const int n = std::min<int>(lines.size(), MaxBlockLines);
    for (int i = 0; i < n; ++i) {
        canvas.textOut(x, y, lines.at(i));
        y += canvas.textHeight(lines.at(i));
    }
}

void setCanvasFont(PrintCanvas &canvas, const FontSetting &font)
{
    canvas.setFont(font.name, font.pointSize, font.bold, font.italic);
}

void printRecipientBlock(PrintCanvas &canvas, const FontSetting &font, int x, int y, QStringList &lines)
{
    tidyRecipientLines(lines);
    setCanvasFont(canvas, font);
    printBlock(canvas, x, y, lines);
}
