#pragma once
// Colours that follow the palette: the program's own light colours (the cream envelope, the grey
// captions) stay as they are under a light theme and give way to the palette's under a dark one,
// so that no text or drawing is dark on dark or light on light.

#include <QColor>
#include <QPalette>

namespace theme {

// A palette whose window colour is dark.
bool isDark(const QPalette &palette);
// The application's palette.
QPalette current();

// The face of the schematic envelope and its outline.
QColor envelopeFace(const QPalette &palette);
QColor envelopeOutline(const QPalette &palette);
// The background of the small captions over the address boxes.
QColor captionBackground(const QPalette &palette);
// The large size caption printed on the envelope's face: grey, faint, but as large text readable
// (contrast IndicatorContrast).
QColor faintCaption(const QPalette &palette);
// A light grey face for panels (dialog backgrounds, radio buttons), or the palette's own.
QColor panelFace(const QPalette &palette, const QColor &light);
// The contrast ratio of two colours as WCAG measures it: 1 for equal colours, 21 for black on white.
// Text needs 4.5, the lines of a control's indicator 3.
double contrastRatio(const QColor &a, const QColor &b);
inline constexpr double TextContrast = 4.5;
inline constexpr double IndicatorContrast = 3.0;
// The colour, made lighter on a dark background or darker on a light one until text of it reads
// (contrast TextContrast); a colour that reads already is returned as it is.
QColor readableOn(const QColor &colour, const QColor &background, double contrast = TextContrast);
// The colour that marks a problem (a wrong postal code) as text on the background: red, readable.
QColor problemText(const QColor &background);
// The ink of drawn icons: the palette's text colour.
QColor ink(const QPalette &palette);

// The frame of an unchecked check box or radio button stands out from the window (contrast
// IndicatorContrast) also where the style draws it in a shade of the window colour, as Fusion does:
// over Fusion the application's style is wrapped once so that the frame is drawn in a colour
// checked against the window. Other styles are left as they are.
void keepIndicatorsVisible();

} // namespace theme
