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
// The faint large size caption printed on the envelope's face.
QColor faintCaption(const QPalette &palette);
// A light grey face for panels (dialog backgrounds, radio buttons), or the palette's own.
QColor panelFace(const QPalette &palette, const QColor &light);
// The colour, made lighter on a dark background or darker on a light one when it is too close to it.
QColor readableOn(const QColor &colour, const QColor &background);
// The ink of drawn icons: the palette's text colour.
QColor ink(const QPalette &palette);

} // namespace theme
