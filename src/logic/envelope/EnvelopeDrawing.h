#pragma once
// The preview picture of an envelope: a white envelope of a fixed size per shape class, the stamp
// place marked "Марка", the recipient block of the mailing-list entry shown and the sender block
// from "User.txt".
//
// The picture is a schematic, not a scaled copy of the page: its size depends only on the shape
// class, and the block anchors are fixed fractions of it plus the user's nudges (one step is one
// pixel here, 2 mm on paper). Every drawing paints the whole picture from its inputs and returns
// the anchors it computed (in pixels of the picture).
//
// The drawing functions take a QPainter, so they work on any paint device; drawEnvelope owns the
// QImage because it sizes it.

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/files/SettingsFiles.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>

class QPainter;
class SharedState;
class WorkDir;

// Picture size of a shape; an empty size for any other value.
QSize previewImageSize(EnvelopeShape shape);

// The stamp place, as left, top, right, bottom (right and bottom exclusive).
struct StampPlace
{
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const StampPlace &) const = default;
};
StampPlace stampPlace(QSize image);

// The block anchors on a picture of the given size: fixed fractions, rounded half to even, plus the
// nudges of the shared state.
BlockAnchors previewAnchors(QSize image, const SharedState &state);

// Colours and the font of the picture.
inline const QColor EnvelopeColour{255, 255, 255};
inline const QColor StampColour{192, 220, 192};
inline const QColor PreviewTextColour{0, 0, 0};
// The 8-point sans-serif interface font (11 pixels high); the print fonts are not used here.
QFont previewTextFont();

// Paints the stamp place of a picture of the given size.
void drawStamp(QPainter &painter, QSize image);

// Tidies the lines in place (a tab ending a line goes, a first line equal to the second goes) and
// draws them from origin as the lines a box of the recipient details box's width shows them in
// boxFont. The caller writes the tidied lines back to the details box.
void drawRecipientLines(QPainter &painter, QPoint origin, QStringList &lines, const QFont &boxFont);

// The sender block: the lines of "User.txt" as a 185-pixel box in boxFont shows them. Tabs and
// repeated lines stay. An empty file draws nothing; a missing one throws IoError before drawing.
void drawSenderLines(QPainter &painter, QPoint origin, const WorkDir &workDir, const QFont &boxFont);

// Draws lines one under the other from origin, each moving the next down by its own text height,
// on the painter's background colour. At most MaxBlockLines lines are drawn.
void drawBlock(QPainter &painter, QPoint origin, const QStringList &lines);

// Repaints the whole picture of the shape for the mailing-list entry the preview shows and returns
// the block anchors. A preview index outside a non-empty list is brought to the nearest entry (the
// last one for a list shortened since). The recipient lookup fills the details box with the entry's
// record (without the entry put first), and the tidied lines are written back to it; with an empty
// list there is no recipient block. For any other shape value the picture keeps its size and is
// drawn over.
//
// A missing "User.txt" throws IoError at the very end: everything but the sender block is drawn.
BlockAnchors drawEnvelope(QImage &image, EnvelopeShape shape, SharedState &state, const WorkDir &workDir);
