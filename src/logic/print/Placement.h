#pragma once
// Print placement: where the sender and the recipient blocks start on the page, in printer units
// (1/13.4 mm, origin at the top-left corner of the printable area), from the envelope size, the feed
// method, the printable width and the preview's nudges. And block printing, shared by every print.

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/envelope/RecipientLines.h"
#include "logic/state/SharedState.h"

#include <QStringList>

class PrintCanvas;
class SharedState;
struct FontSetting;

struct PlacementInput
{
    int envelopeWidth = 0;                        // mm, the long side
    int envelopeHeight = 0;                       // mm, the short side
    FeedMethod feedMethod = FeedMethod::LeftEdge; // anything but the centre prints as the left edge
    int pageWidth = 0;                            // printable width in printer units
    BlockShifts shifts;                           // the preview's nudges, in 2 mm steps
};

// The single print and the test print add the whole centring difference D for the centre feed;
// the batch print adds D div 2 (rounded toward zero).
enum class PlacementKind { Single, Batch };

BlockAnchors printPlacement(const PlacementInput &in, PlacementKind kind);
PlacementInput placementInput(const SharedState &state, FeedMethod feedMethod, int pageWidth);

// Prints lines one under the other from (x, y), each moving the next down by its own text height.
void printBlock(PrintCanvas &canvas, int x, int y, const QStringList &lines);

// Sets the canvas font to a font setting: face, size, and bold and italic each set or cleared.
// The canvas keeps its font from one job to the next, so every style is given explicitly.
void setCanvasFont(PrintCanvas &canvas, const FontSetting &font);

// The recipient block: tidies the lines (the caller's list is changed), then prints them at (x, y)
// in the recipient font.
void printRecipientBlock(PrintCanvas &canvas, const FontSetting &font, int x, int y, QStringList &lines);
