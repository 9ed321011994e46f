#pragma once
// The ten envelope sizes and the main window's envelope layout for each shape class.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

struct EnvelopeSizeRow
{
    int envType;  // 1 standard proportions, 2 long, 3 square
    int heightMm; // the short side
    int widthMm;  // the long side
};

inline constexpr std::array<EnvelopeSizeRow, 10> EnvelopeSizeTable{{
    {1, 114, 162},
    {2, 110, 220},
    {1, 162, 229},
    {1, 229, 324},
    {1, 250, 353},
    {2, 90, 140},
    {3, 125, 125},
    {2, 125, 190},
    {1, 145, 215},
    {3, 150, 150},
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
    QSize shapeSize{625, 448}; // the current size, kept for an unknown shape class
    QSize stampSize{57, 73};
    int senderBoxWidth = 193;
    int recipientBoxHeight = 121;
    int recipientLabelHeight = 13;
};

QSize shapeSizeFor(int envType, QSize current);
EnvelopeLayout envelopeLayout(int envType, const EnvelopeLayoutInput &in = {});
