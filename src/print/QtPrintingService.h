#pragma once
// The printing service of the system: Qt PrintSupport over CUPS (or the system's spooler), with a
// built-in "PDF file" printer.
//
// The canvas works in printer units of 1/13.4 mm with the origin at the top-left corner of the
// printable area; a painter transform maps them to device pixels, so a position lands at its
// nominal millimetres at every resolution. Fonts are given in true points: the canvas scales the
// font size by the inverse of the transform, so the text keeps its size on paper.

#include "print/PrintingService.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

class QtPrintCanvas : public PrintCanvas
{
public:
    void setFont(const QString &face, int pointSize, bool bold, bool italic) override;
    int textHeight(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;

    // Starts drawing on a painter that is active on the printer; dpi is the printer's resolution.
    void attach(QPainter *painter, int dpi);
    void detach();

private:
    struct FontEntry
    {
        QFont font;
        qreal ascent = 0;
        int height = 0; // printer units
    };
    const FontEntry &entry();

    QPainter *m_painter = nullptr;
    int m_dpi = 0;
    QString m_face = QStringLiteral("Arial");
    int m_size = 8;
    bool m_bold = false;
    bool m_italic = false;
    const FontEntry *m_current = nullptr;
    QHash<QString, FontEntry> m_fonts; // per face, size and style, at the attached resolution
    FontEntry m_scratch;
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

private:
    // Made at first use: asking the spooler for its printers can take a moment.
    QPrinter &printer() const;
    bool isPdfPrinter() const;
    void finishJob();

    mutable std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QtPrintCanvas m_canvas;
    QString m_outputFile;
    QString m_title;
    int m_copies = 1;
    bool m_running = false;
};

// The printing service of the system.
std::unique_ptr<PrintingService> createSystemPrintingService();
