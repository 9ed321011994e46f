#include "logic/print/Placement.h"

#include "logic/print/PrintingService.h"
#include "logic/files/SettingsFiles.h"
#include "logic/state/SharedState.h"

#include <cmath>

int roundPrint(double v)
{
    return static_cast<int>(std::nearbyint(v)); // default rounding mode: to nearest, halves to even
}

BlockAnchors printPlacement(const PlacementInput &in, PlacementKind kind)
{
    const auto units = [](double mm) { return roundPrint(mm * PrintScale); };
    int offset = 0;
    if (in.FeedMethod == 4) {
        const int d = in.PageWidth - units(in.EnvWidth);
        offset = kind == PlacementKind::Batch ? d / 2 : d; // C++ division rounds toward zero
    }
    BlockAnchors a;
    a.HomeX = offset + units(2.0 * in.HomeShiftX) + 70;
    a.HomeY = units(2.0 * in.HomeShiftY) + 290;
    a.AddrX = offset + units(in.EnvWidth - 80) + units(2.0 * in.AddrShiftX);
    a.AddrY = units(in.EnvHeight - 49) + units(2.0 * in.AddrShiftY);
    return a;
}

PlacementInput placementInput(const SharedState &s, int feedMethod, int pageWidth)
{
    PlacementInput in;
    in.EnvWidth = s.EnvWidth;
    in.EnvHeight = s.EnvHeight;
    in.FeedMethod = feedMethod;
    in.PageWidth = pageWidth;
    in.HomeShiftX = s.HomeShiftX;
    in.HomeShiftY = s.HomeShiftY;
    in.AddrShiftX = s.AddrShiftX;
    in.AddrShiftY = s.AddrShiftY;
    return in;
}

void tidyRecipientLines(QStringList &lines)
{
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\t')))
            line.chop(1);
    }
    const QString second = lines.size() > 1 ? lines.at(1) : QString();
    if (!lines.isEmpty() && lines.at(0) == second)
        lines.removeFirst();
}

void printBlock(PrintCanvas &canvas, int x, int y, const QStringList &lines)
{
    const int n = std::min<int>(lines.size(), MaxBlockLines);
    for (int i = 0; i < n; ++i) {
        canvas.textOut(x, y, lines.at(i));
        y += canvas.textHeight(lines.at(i));
    }
}

void setCanvasFont(PrintCanvas &canvas, const TFontSetting &font)
{
    canvas.setFont(font.Name, font.Size, font.Bold, font.Italic);
}

void printRecipientBlock(PrintCanvas &canvas, const TFontSetting &font, int x, int y, QStringList &lines)
{
    tidyRecipientLines(lines);
    setCanvasFont(canvas, font);
    printBlock(canvas, x, y, lines);
}
