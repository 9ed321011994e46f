#pragma once
#include <QByteArray>
#include <QList>
#include <functional>
using FontTableReader = std::function<QByteArray(const char *tag)>;
struct TrueTypeFacts
{
    bool outlines = false;
    bool embeddable = false;
    QByteArray postScriptName;
    int unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int ascent = 0, descent = 0;
    int capHeight = 0;
    double italicAngle = 0;
    bool fixedPitch = false;
    int glyphCount = 0;
    QList<quint16> advances;
};
TrueTypeFacts readTrueTypeFacts(const FontTableReader &table);
QByteArray subsetTrueType(const FontTableReader &table, const QList<quint32> &glyphs);
