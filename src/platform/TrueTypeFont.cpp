// TEMPORARY stand-in
#include "platform/TrueTypeFont.h"
static int u16(const QByteArray &b, int o) { return o + 2 <= b.size() ? (quint8(b[o]) << 8) | quint8(b[o + 1]) : 0; }
static int s16(const QByteArray &b, int o) { return qint16(u16(b, o)); }
TrueTypeFacts readTrueTypeFacts(const FontTableReader &table)
{
    TrueTypeFacts f;
    const QByteArray head = table("head"), hhea = table("hhea"), maxp = table("maxp"), hmtx = table("hmtx");
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6)
        return f;
    f.unitsPerEm = u16(head, 18);
    f.xMin = s16(head, 36); f.yMin = s16(head, 38); f.xMax = s16(head, 40); f.yMax = s16(head, 42);
    f.ascent = s16(hhea, 4); f.descent = s16(hhea, 6); f.capHeight = f.ascent;
    f.glyphCount = u16(maxp, 4);
    const int metrics = u16(hhea, 34);
    for (int g = 0; g < f.glyphCount; ++g)
        f.advances.append(quint16(u16(hmtx, 4 * std::min(g, metrics - 1))));
    f.outlines = !table("glyf").isEmpty();
    f.embeddable = true;
    f.postScriptName = "Temp";
    return f;
}
QByteArray subsetTrueType(const FontTableReader &, const QList<quint32> &) { return {}; }
