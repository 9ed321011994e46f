#pragma once
// The TrueType fonts that our PDF pages embed (Qt Core and Gui only): what a PDF font descriptor
// says about a font, read from its tables, and a smaller font program that holds the outlines of
// only the glyphs a document uses, every glyph id kept as in the original font (so that a
// CIDFontType2 font with CIDToGIDMap /Identity shows the glyph ids the text layout gave).
//
// The tables come from the outside (a font file on the system): every offset and length read from
// them is checked before it is used, and a font that does not hold together gives no outlines and
// no subset rather than a wrong one.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <functional>

// Reads a table of the font by its tag ("glyf", "head", ...); empty when the font has none.
// e.g. [&raw](const char *tag) { return raw.fontTable(tag); } for a QRawFont
using FontTableReader = std::function<QByteArray(const char *tag)>;

struct TrueTypeFacts
{
    // glyf, loca, head, maxp, hmtx and hhea present and consistent: every glyph's place in glyf
    // lies inside glyf, and every glyph has an advance width.
    bool outlines = false;
    // OS/2 fsType allows embedding: not "restricted license" (0x0002 without a less restrictive
    // bit), not "bitmap embedding only" (0x0200). A font without OS/2 may be embedded.
    bool embeddable = false;
    // Name ID 6 (platform 3 UTF-16BE, platform 0, or platform 1 Roman), keeping only printable
    // ASCII without spaces and ()<>[]{}/% (at most 63 characters); when the font has none, built
    // from name IDs 1 and 2 ("Family-Style"). Empty only when the font names nothing at all.
    QByteArray postScriptName;
    int unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0; // head, font units
    int ascent = 0, descent = 0;                // hhea (descent negative)
    int capHeight = 0;                          // OS/2 sCapHeight when its version >= 2, else ascent
    double italicAngle = 0;                     // post, 16.16 fixed
    bool fixedPitch = false;                    // post isFixedPitch
    int glyphCount = 0;                         // maxp numGlyphs
    QList<quint16> advances;                    // hmtx advance width of every glyph (the last longHorMetric repeats)
};
TrueTypeFacts readTrueTypeFacts(const FontTableReader &table);

// A TrueType font program holding the outlines of `glyphs` (and glyph 0, .notdef, and every glyph
// a composite among them refers to, recursively) with every glyph id unchanged: the other glyphs
// are left empty (zero-length in loca). Ids >= glyphCount are ignored.
//
// Tables: head (checkSumAdjustment recomputed, indexToLocFormat as written: short offsets stay
// short unless the glyphs no longer fit them), hhea, maxp, hmtx, loca, glyf; cvt, fpgm, prep, OS/2,
// name and cmap when the font has them; post when the font has it, as version 3 (no glyph names:
// a PDF addresses glyphs by id). The table directory is sorted by tag, every table 4-byte aligned
// with its checksum.
//
// Empty when the font has no usable outlines (readTrueTypeFacts(...).outlines false) or a glyph
// to be kept is malformed: a glyph shorter than its header, a composite whose components run past
// the glyph, name a glyph the font does not have, or refer back to the composite itself.
QByteArray subsetTrueType(const FontTableReader &table, const QList<quint32> &glyphs);
