#pragma once
// The geometry that the preview picture and the prints share: where the two blocks start, how many
// lines a block holds, the widths of the word-wrapping boxes whose lines make the blocks, and how
// far the preview's arrows nudge a block.

#include <cmath>

// The nearest integer; halves (which the factor 13.4 never produces with whole millimetres) go to even.
inline int roundHalfToEven(double v)
{
    // Default rounding mode: to nearest, halves to even; beyond the range of an int, its limits.
    const double r = std::nearbyint(v);
    if (!(r > -2147483648.0))
        return r != r ? 0 : -2147483647 - 1;
    if (r > 2147483647.0)
        return 2147483647;
    return static_cast<int>(r);
}

// Where the sender ("Home") and the recipient ("Addr") blocks start: preview pixels on the preview
// picture, printer units on a page.
struct BlockAnchors
{
    int senderX = 0, senderY = 0, recipientX = 0, recipientY = 0;
    bool operator==(const BlockAnchors &) const = default;
};

// Blocks hold at most this many lines; a longer block shows and prints its first lines.
constexpr int MaxBlockLines = 255;

// Outer widths in pixels of the boxes whose displayed lines make the blocks: the box the sender
// file is shown in, and the group mailing window's recipient details box.
constexpr int SenderBoxWidth = 185;
constexpr int RecipientBoxWidth = 153;

// The range of the preview's arrows, in steps: a horizontal nudge is the arrow's position, a
// vertical one its negation (up is negative). The batch printer's options take the same ranges.
constexpr int ArrowMinimum = -244;
constexpr int ArrowMaximum = 100;
constexpr int ShiftXMinimum = ArrowMinimum;
constexpr int ShiftXMaximum = ArrowMaximum;
constexpr int ShiftYMinimum = -ArrowMaximum;
constexpr int ShiftYMaximum = -ArrowMinimum;
