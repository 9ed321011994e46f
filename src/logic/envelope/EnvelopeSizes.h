#pragma once
// The ten envelope sizes and the main window's envelope layout for each shape class.

#include "logic/files/SettingsFiles.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

struct EnvelopeSizeRow
{
    EnvelopeShape shape;
    int heightMm; // the short side
    int widthMm;  // the long side
};

inline constexpr std::array<EnvelopeSizeRow, 10> EnvelopeSizeTable{{
    {EnvelopeShape::Standard, 114, 162},
    {EnvelopeShape::Long, 110, 220},
    {EnvelopeShape::Standard, 162, 229},
    {EnvelopeShape::Standard, 229, 324},
    {EnvelopeShape::Standard, 250, 353},
    {EnvelopeShape::Long, 90, 140},
    {EnvelopeShape::Square, 125, 125},
    {EnvelopeShape::Long, 125, 190},
    {EnvelopeShape::Standard, 145, 215},
    {EnvelopeShape::Square, 150, 150},
}};

// The index of the size whose caption equals text exactly: the first of lines 0 to 9 of "envs.txt"
// that equals it, a line beyond the last counting as empty text. -1 when none does.
int sizeIndexForCaption(const QString &text, const QStringList &captions);

// Size text on the schematic envelope: "114 X 162мм" at start-up, "114 X 162 мм" from the size dialog.
QString sizeLabelAtStartup(int height, int width);
QString sizeLabelFromDialog(int height, int width);

// Where set_env places the controls of the main window's schematic envelope.
struct EnvelopeLayout
{
    QSize shapeSize;
    QPoint stampPos;
    QPoint recipientPos;
    QPoint recipientLabelPos;
};

struct EnvelopeLayoutInput
{
    QPoint shapePos{24, 40};
    QSize shapeSize{625, 448}; // the current size, kept for an unknown shape
    QSize stampSize{57, 73};
    int senderBoxWidth = 193;
    int recipientBoxHeight = 121;
    int recipientLabelHeight = 13;
};

QSize shapeSizeFor(EnvelopeShape shape, QSize current);
EnvelopeLayout envelopeLayout(EnvelopeShape shape, const EnvelopeLayoutInput &in = {});
