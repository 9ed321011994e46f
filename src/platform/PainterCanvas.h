#pragma once
// The canvas that the printing services draw a job on: a QPainter active on the printer's device
// (a QPdfWriter or a QPrinter). Qt Gui only.
//
// The canvas works in printer units of 1/13.4 mm with the origin at the top-left corner of the
// printable area; a painter transform maps them to device pixels, so a position lands at its
// nominal millimetres at every resolution. Fonts are given in true points: the canvas scales the
// font size by the inverse of the transform, so the text keeps its size on paper.

#include "logic/print/PrintingService.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <unordered_map>

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

    // How many shaped texts the canvas keeps at most: a batch repeats many lines (the sender block,
    // towns, regions), but every recipient brings new ones.
    static constexpr int MaxShapedTexts = 2048;
    int shapedTexts() const { return m_shapedCount; }

    // The font families a painter can draw with: those installed, without the platform's private ones.
    static QStringList fontNames();

private:
    // Glyphs of one font with their positions: relative to the start of a baseline when shaped,
    // in printer units on the page when gathered.
    struct Run
    {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    struct FontEntry
    {
        QFont font;
        qreal ascent = 0;
        int height = 0;             // printer units
        QHash<QString, Run> shaped; // texts laid out in this font; no font: drawn by the painter
    };
    struct FontKey
    {
        QString face;
        int size = 0;
        bool bold = false;
        bool italic = false;
        bool operator==(const FontKey &) const = default;
    };
    struct FontKeyHash
    {
        size_t operator()(const FontKey &k) const { return qHashMulti(0, k.face, k.size, k.bold, k.italic); }
    };

    // Parts of a printer unit that glyph positions are written in.
    static constexpr int FineUnits = 64;

    FontEntry &entry();
    // The font scaled up by FineUnits; invalid when the font cannot be scaled.
    const QRawFont &fineFont(const QRawFont &font);
    FontEntry makeEntry() const;
    const Run &shape(FontEntry &e, const QString &text);

    QPainter *m_painter = nullptr;
    int m_dpi = 0;
    FontKey m_key{QStringLiteral("Arial"), 8, false, false};
    FontEntry *m_current = nullptr;
    // Per face, size and style, at the attached resolution. Node-based, so that m_current stays valid.
    std::unordered_map<FontKey, FontEntry, FontKeyHash> m_fonts;
    FontEntry m_scratch;
    int m_shapedCount = 0;
    QList<Run> m_pending; // text of the current page not drawn yet, a run per font in turn
    QList<QPair<QRawFont, QRawFont>> m_fineFonts;
    QList<QPointF> m_finePositions;
};
