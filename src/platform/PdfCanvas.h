#pragma once
// The canvas of a PDF job: text laid out as a painter lays it out, written straight into the
// pages of a PdfDocument. Qt Gui only.
//
// Positions are printer units of 1/13.4 mm from the top-left corner of the printable area; fonts
// are given in true points.

#include "logic/print/PrintingService.h"
#include "platform/TextShaper.h"

#include <QByteArray>
#include <QPointF>
#include <QSizeF>
#include <memory>

class PdfDocument;

class PdfCanvas : public PrintCanvas
{
public:
    PdfCanvas();
    ~PdfCanvas() override;

    void setFont(const QString &face, int pointSize, bool bold, bool italic) override;
    int textHeight(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;

    // Starts drawing the pages of `document`: `pageHeight` points high, the printable area
    // `origin` points from the top-left corner; fonts measure as on a printer of `dpi`.
    void attach(PdfDocument *document, qreal pageHeight, QPointF origin, int dpi);
    // Puts the page drawn since the last one into the document.
    void finishPage();
    // Drops the page being drawn and everything learnt about fonts and texts during the job.
    void detach();

    static constexpr int MaxShapedTexts = TextShaper::MaxShapedTexts;
    int shapedTexts() const { return m_shaper.shapedTexts(); }

private:
    // Where a position in printer units relative to `origin` lies on the page, in points.
    QPointF pagePoint(QPointF origin, QPointF at) const;
    void recordText(const QString &text, const TextShaper::Shaped &shaped);
    void drawGlyphs(const TextShaper::Run &run, QPointF origin);
    void drawOutlines(const TextShaper::Run &run, QPointF origin);
    void endText();

    PdfDocument *m_document = nullptr;
    std::unique_ptr<MeasuringDevice> m_device;
    TextShaper m_shaper;
    qreal m_pageHeight = 0;
    QPointF m_origin;
    QByteArray m_content; // the page's content stream
    bool m_inText = false;
    const void *m_textFont = nullptr; // the font and size the content is set to
    qreal m_textSize = 0;
};
