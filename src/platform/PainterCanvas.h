#pragma once
// The canvas that the windows' printing service draws a job on when it goes to a printer: a
// QPainter active on the printer's device (a QPrinter). Qt Gui only.
//
// The canvas works in printer units of 1/13.4 mm with the origin at the top-left corner of the
// printable area; a painter transform maps them to device pixels, so a position lands at its
// nominal millimetres at every resolution. Fonts are given in true points: the canvas scales the
// font size by the inverse of the transform, so the text keeps its size on paper.

#include "logic/print/PrintingService.h"
#include "platform/TextShaper.h"

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringList>

class QPainter;

class PainterCanvas : public PrintCanvas
{
public:
    void setFont(const QString &face, int pointSize, bool bold, bool italic) override;
    int textHeight(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;

    // Starts drawing on a painter that is active on the printer; dpi is the printer's resolution.
    void attach(QPainter *painter, int dpi);
    // Puts the text gathered since the last flush on the page; before a page ends.
    void flush();
    // Drops the gathered text and everything learnt about fonts and texts during the job.
    void detach();

    static constexpr int MaxShapedTexts = TextShaper::MaxShapedTexts;
    int shapedTexts() const { return m_shaper.shapedTexts(); }

    // The font families a painter can draw with: those installed, without the platform's private ones.
    static QStringList fontNames();

private:
    using Run = TextShaper::Run;

    // Parts of a printer unit that glyph positions are written in.
    static constexpr int FineUnits = 64;

    // The font scaled up by FineUnits; invalid when the font cannot be scaled.
    const QRawFont &fineFont(const QRawFont &font);

    QPainter *m_painter = nullptr;
    TextShaper m_shaper;
    QList<Run> m_pending; // text of the current page not drawn yet, a run per font in turn
    QList<QPair<QRawFont, QRawFont>> m_fineFonts;
    QList<QPointF> m_finePositions;
};
