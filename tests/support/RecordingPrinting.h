#pragma once
// Test double of the printing service: records every call in order, with positions in printer units.

#include "logic/print/PrintingService.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

struct RecordedText
{
    int page = 0;
    int x = 0;
    int y = 0;
    QString text;
    QString face;
    int size = 0;
    bool bold = false;
    bool italic = false;
};

class RecordingPrinting : public PrintingService, public PrintCanvas
{
public:
    // Settings of the simulated printer.
    QStringList printerNames{QStringLiteral("Recording printer")};
    int pageWidthUnits = 2814; // A4 portrait printable width at 13.4 units per mm (210 mm)
    int lineHeight = 60;       // text height of every line, printer units
    QStringList faces{QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Sans")};
    bool failOnBegin = false;
    int failAfterTexts = -1;        // textOut throws once this many texts have been drawn (-1: never)
    bool wantsOutputFile = false;   // the current printer writes a file and asks for its name
    bool printerMakesCopies = true; // false: a PDF file, whose copies are pages
    bool pageIsTheEnvelope = false; // the page is the envelope itself (a PDF, envelope media)
    QStringList envelopePrinters;   // printers whose media includes the envelope (mediaDescription)

    // What happened.
    QStringList calls; // "title Велтора", "copies 3", "portrait", "begin", "newPage", "end", "abort", "font ..."
    QList<RecordedText> texts;
    QString title;
    QString outputFile; // cleared when a job ends, as by the real service
    int copies = 1;
    int pages = 0; // pages of the last document begun
    int envelopeWidth = 0;
    int envelopeHeight = 0;
    PageChoice pageChoice = PageChoice::Envelope;
    bool jobRunning = false;

    QStringList printers() const override { return printerNames; }
    QString currentPrinter() const override { return m_current.isEmpty() ? printerNames.value(0) : m_current; }
    void setCurrentPrinter(const QString &name) override
    {
        m_current = name;
        calls.append(QStringLiteral("printer ") + name);
    }
    void setOutputFileName(const QString &path) override
    {
        outputFile = path;
        calls.append(QStringLiteral("output ") + path);
    }
    QString outputFileName() const override { return outputFile; }
    bool needsOutputFileName() const override { return wantsOutputFile && outputFile.isEmpty(); }
    bool printing() const override { return jobRunning; }
    int pageWidth() override { return pageWidthUnits; }
    void setPortrait() override { calls.append(QStringLiteral("portrait")); }
    void setEnvelopeSize(int widthMm, int heightMm) override
    {
        envelopeWidth = widthMm;
        envelopeHeight = heightMm;
    }
    void setPageChoice(PageChoice choice) override { pageChoice = choice; }
    bool pageIsEnvelope() const override { return pageIsTheEnvelope; }
    bool makesCopies() const override { return printerMakesCopies; }
    QString mediaDescription() const override
    {
        const QString size = QCoreApplication::translate("PrintingService", "%1 × %2 мм");
        if (envelopePrinters.contains(currentPrinter()))
            return QCoreApplication::translate("PrintingService", "конверт %1")
                .arg(size.arg(envelopeWidth).arg(envelopeHeight));
        return QCoreApplication::translate("PrintingService", "%1 (бумага принтера)")
            .arg(QStringLiteral("A4 ") + size.arg(210).arg(297));
    }
    void setCopies(int n) override
    {
        copies = n;
        calls.append(QStringLiteral("copies %1").arg(n));
    }
    void setTitle(const QString &t) override
    {
        title = t;
        calls.append(QStringLiteral("title ") + t);
    }
    void beginDoc() override;
    void newPage() override
    {
        ++pages;
        calls.append(QStringLiteral("newPage"));
    }
    void endDoc() override
    {
        jobRunning = false;
        outputFile.clear();
        calls.append(QStringLiteral("end"));
    }
    void abort() override
    {
        jobRunning = false;
        outputFile.clear();
        calls.append(QStringLiteral("abort"));
    }
    PrintCanvas &canvas() override { return *this; }
    QStringList fontNames() override { return faces; }

    void setFont(const QString &face, int pointSize, bool bold, bool italic) override
    {
        m_face = face;
        m_size = pointSize;
        m_bold = bold;
        m_italic = italic;
        calls.append(QStringLiteral("font %1 %2%3%4")
                         .arg(face)
                         .arg(pointSize)
                         .arg(bold ? QStringLiteral(" bold") : QString())
                         .arg(italic ? QStringLiteral(" italic") : QString()));
    }
    int textHeight(const QString &) override { return lineHeight; }
    void textOut(int x, int y, const QString &text) override;

    // Texts drawn on one page (1-based).
    QList<RecordedText> textsOnPage(int page) const;

private:
    QString m_current;
    QString m_face;
    int m_size = 0;
    bool m_bold = false;
    bool m_italic = false;
};
