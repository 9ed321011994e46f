#pragma once
// The fonts that our PDF pages embed (Qt Core and Gui, HarfBuzz): what a PDF font descriptor says
// about a font, read from its tables, and the font program a PDF embeds. A subset is made by
// HarfBuzz's subsetter, TrueType and CFF alike, every glyph id kept as in the original font (so
// that the glyph ids the text layout gave are the character codes of a CID font). A font that must
// not be subset is embedded whole; when no font program can be made of the font's own tables, a
// CFF font is built from the outlines of its glyphs.
//
// The tables come from the outside (a font file on the system): every offset and length read from
// them is checked before it is used, and a font that does not hold together gives no outlines and
// no subset rather than a wrong one.

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <functional>

class QPainterPath;

// Reads a table of the font by its tag ("glyf", "head", ...); empty when the font has none.
// e.g. [&raw](const char *tag) { return raw.fontTable(tag); } for a QRawFont
using FontTableReader = std::function<QByteArray(const char *tag)>;

// How the glyphs of a font are drawn, as far as a PDF can embed them.
enum class FontOutlines : quint8 {
    None,     // neither TrueType nor CFF outlines that hold together
    TrueType, // glyf and loca
    Cff,      // a CFF table whose glyphs are addressed by glyph id (not CID-keyed)
    CidCff,   // a CID-keyed CFF table: its glyphs are addressed by CID, not by the layout's glyph ids
};

// What the font's licence allows a document to do with it (OS/2 fsType).
enum class FontEmbedding : quint8 {
    Forbidden,     // "restricted license" (0x0002 without a less restrictive bit) or "bitmap only" (0x0200)
    WholeFontOnly, // "no subsetting" (0x0100)
    Subset,        // anything else, and a font without OS/2
};

struct FontFacts
{
    // head, maxp, hmtx and hhea present and consistent, every glyph with an advance width, and
    // the outlines: for TrueType every glyph's place in glyf lies inside glyf.
    FontOutlines outlines = FontOutlines::None;
    FontEmbedding embedding = FontEmbedding::Forbidden;
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
FontFacts readFontFacts(const FontTableReader &table);

// A font program of `glyphs` made by HarfBuzz: glyph 0 and the requested glyphs (and the glyphs
// composites among them are made of) with every glyph id unchanged, the other glyphs empty; no
// hinting, no layout tables (a PDF places every glyph itself). An OpenType font with CFF outlines
// when the font has them, else TrueType. Empty when HarfBuzz cannot subset the font.
QByteArray subsetFont(const FontTableReader &table, const QList<quint32> &glyphs);

// The font as it stands, every glyph and every table that draws, measures or names them: for a
// font that may be embedded only whole. Empty when the font has no outlines.
QByteArray wholeFont(const FontTableReader &table, const FontFacts &facts);

// A CID-keyed CFF font program (what a PDF embeds as FontFile3 /CIDFontType0C) of `glyphCount`
// glyphs in which CID n is glyph n: the glyphs in `glyphs` drawn by `outline` (in thousandths of
// the em, y up, filled nonzero), every other glyph empty. `name` becomes its font name.
QByteArray cffFromOutlines(const QByteArray &name, int glyphCount, const QList<quint32> &glyphs,
                           const std::function<QPainterPath(quint32 glyph)> &outline);
