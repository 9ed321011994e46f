#pragma once
// The canvas of a PDF job: text laid out as a painter lays it out, written straight into the
// pages of a PdfDocument. Qt Gui only.
//
// Positions are printer units of 1/13.4 mm from the top-left corner of the printable area; fonts
// are given in true points.

#include "logic/print/PrintingService.h"
#include "platform/TextShaper.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QSet>
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
    // How many lines a job writes once and shows on every page they recur on, at the most.
    static constexpr int MaxRecurringLines = 256;
    int recurringLines() const { return int(m_forms.size()); }

private:
    // Where a position in printer units relative to `origin` lies on the page, in points.
    QPointF pagePoint(QPointF origin, QPointF at) const;
    void recordText(const QString &text, const TextShaper::Shaped &shaped);
    // Invisible: text over the run's outlines, there to be searched and copied.
    void drawGlyphs(const TextShaper::Run &run, QPointF origin, bool invisible = false);
    void drawOutlines(const TextShaper::Run &run, QPointF origin);
    void drawLine(const TextShaper::Shaped &shaped, QPointF origin);
    // Writes a line into a form of the document of its own; the form's resource name.
    QByteArray makeForm(const TextShaper::Shaped &shaped, QPointF origin);
    void endText();

    // A line as it was drawn: in a font, at a place, with a text.
    struct Line
    {
        const TextShaper::Font *font = nullptr;
        int x = 0;
        int y = 0;
        QString text;
        bool operator==(const Line &) const = default;
    };
    friend size_t qHash(const Line &line, size_t seed = 0)
    {
        return qHashMulti(seed, quintptr(line.font), line.x, line.y, line.text);
    }

    PdfDocument *m_document = nullptr;
    std::unique_ptr<MeasuringDevice> m_device;
    TextShaper m_shaper;
    qreal m_pageHeight = 0;
    QPointF m_origin;
    QByteArray m_content; // the page's content stream
    bool m_inText = false;
    const void *m_textFont = nullptr; // the font and size the content is set to
    qreal m_textSize = 0;
    bool m_invisibleText = false; // the text render mode is 3 (neither filled nor stroked)
    // A line drawn on two pages in a row at the same place (the sender's block) is written once, as
    // a form, and each page shows the form.
    QSet<Line> m_lastPage;
    QSet<Line> m_thisPage;
    QHash<Line, QByteArray> m_forms; // the form's resource name
};
