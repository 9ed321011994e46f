#pragma once
// The printing service of the system: Qt PrintSupport over CUPS (or the system's spooler), with a
// built-in "PDF file" printer.
//
// A QPrinter asks the system's print support for its default printer when it is made, which loads
// the spooler's client and tries to reach its server. "PDF file" chosen before anything needed a
// QPrinter prints through a QPdfWriter instead, with the same page, margins, resolution and
// document details; the QPrinter is made when a set-up dialog asks for it (qprinter()) or a system
// printer is used, and from then on every job goes through it.
//
// The canvas works in printer units of 1/13.4 mm with the origin at the top-left corner of the
// printable area; a painter transform maps them to device pixels, so a position lands at its
// nominal millimetres at every resolution. Fonts are given in true points: the canvas scales the
// font size by the inverse of the transform, so the text keeps its size on paper.

#include "logic/print/PrintingService.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QPageLayout>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <memory>
#include <unordered_map>

class QFile;
class QPainter;
class QPdfWriter;
class QPrinter;

class QtPrintCanvas : public PrintCanvas
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

class QtPrintingService : public PrintingService
{
public:
    QtPrintingService();
    ~QtPrintingService() override;

    QStringList printers() const override;
    QString currentPrinter() const override;
    void setCurrentPrinter(const QString &name) override;
    void setOutputFileName(const QString &path) override;
    QString outputFileName() const override { return m_outputFile; }
    bool needsOutputFileName() const override;

    bool printing() const override { return m_running; }
    int pageWidth() override;

    void setPortrait() override;
    void setCopies(int copies) override;
    void setTitle(const QString &title) override;
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abort() override;

    PrintCanvas &canvas() override { return m_canvas; }
    QStringList fontNames() override;

    QPrinter *qprinter() override { return &printer(); }
    // The page of the current printer.
    QPageLayout pageLayout() const;

private:
    // Made at first use: asking the spooler for its printers can take a moment.
    QPrinter &printer() const;
    // Whether "PDF file" is chosen and no QPrinter has been made: jobs go to a QPdfWriter.
    bool pdfWithoutPrinter() const { return m_pdfChosen && !m_printer; }
    bool isPdfPrinter() const;
    // Starts the painter on a QPdfWriter writing m_outputFile.
    bool beginPdfWriter();
    void finishJob();

    mutable std::unique_ptr<QPrinter> m_printer;
    // "PDF file" chosen while no QPrinter existed; the page that printer prints on.
    bool m_pdfChosen = false;
    QPageLayout m_pdfLayout;
    bool m_portraitAsked = false;
    // The running job's writer and its file, when the job goes to a QPdfWriter.
    std::unique_ptr<QFile> m_pdfFile;
    std::unique_ptr<QPdfWriter> m_pdfWriter;
    std::unique_ptr<QPainter> m_painter;
    QtPrintCanvas m_canvas;
    QString m_outputFile;
    QString m_title;
    int m_copies = 1;
    bool m_running = false;
};

// The printing service of the system.
std::unique_ptr<PrintingService> createSystemPrintingService();
