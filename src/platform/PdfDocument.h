#pragma once
// A PDF document written as its pages are made: text pages of one size, in the fonts they use, for
// a printing job of any length in flat memory. Qt Core and Gui, and zlib.
//
// Each page is a content stream and a page object written at once; what the pages share (the page
// tree, its size and its fonts) is written at the end, when it is known. A font is embedded as a
// CID-keyed font (TrueType or CFF) holding only the glyphs the document uses, with glyph ids as its
// character codes and a map back to the text, so that the text can be searched and copied; a font
// whose licence forbids subsets is embedded whole. When no subset of the font's own can be made, a
// CFF font of the same glyphs' outlines takes its place, with the same codes and text. A font that
// may not be embedded, or whose outlines neither it nor Qt gives, is drawn as the outlines of its
// glyphs instead, with its text written over them invisibly when its widths are known.

#include "platform/FontProgram.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

// Appends a number as PDF writes it: at most `decimals` digits after the point, no trailing zeros.
void appendPdfNumber(QByteArray &out, double value, int decimals = 3);

class PdfDocument
{
public:
    // A font as the document uses it.
    struct Font
    {
        QRawFont raw;              // the font at any size, for its tables and outlines
        QByteArray identity;       // what tells this font from others at any size
        QByteArray resource;       // "F1"
        int object = 0;            // the Type0 font object the pages refer to
        bool outlinesOnly = false; // drawn as glyph outlines, not embedded
        // Drawn as outlines, and its text written over them invisibly (render mode 3, as scanners'
        // PDFs do) in a font of its widths and no outlines, so that the text can still be searched.
        bool textLayer = false;
        FontFacts facts;         // read once, when the font is first met
        QByteArray wholeProgram; // the font program of a font that may only be embedded whole
        // No tables of its own to embed (a Type 1 font): a CFF font is built of the outlines of
        // the glyphs used, and each glyph's width is learnt when it is first used.
        bool rebuilt = false;
        QRawFont unitSize;            // a rebuilt font at 1000 pixels: its outlines and advances
        std::vector<double> widths;   // glyph advance widths in thousandths of the font size
        std::vector<bool> used;       // glyphs the pages show
        QHash<quint32, QString> text; // what a glyph stands for

        // Marks a glyph as shown by the pages.
        void use(quint32 glyph);
        // Whether the pages write its glyphs as text, visible or not.
        bool hasText() const { return !outlinesOnly || textLayer; }
    };

    PdfDocument();
    ~PdfDocument();
    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    // Starts a document on `device` (which stays the caller's) with pages of `pageSize` points;
    // false when the device cannot be written.
    bool begin(QIODevice *device, QSizeF pageSize, const QString &title, const QString &creator);
    // The document's font for a font at any size; registered on first use.
    Font &font(const QRawFont &raw);
    // Adds a page with `content`, its uncompressed content stream.
    void addPage(const QByteArray &content);
    // Adds a form (content that pages show with "/Name Do") drawn in page coordinates with
    // `fonts`; its resource name.
    QByteArray addForm(const QByteArray &content, const QList<const Font *> &fonts);
    // Writes what the pages share and the cross-reference table; false when the device failed.
    bool end();
    // Whether a write to the device has failed.
    bool failed() const { return m_failed; }

private:
    int reserveObject();
    void beginObject(int number);
    void write(const QByteArray &bytes);
    void write(const char *bytes, qsizetype length);
    void flushBuffer();
    QByteArray deflated(const QByteArray &data);
    void writeStream(int number, const QByteArray &dictionary, const QByteArray &data, bool compress = true);
    void writeFont(Font &font);

    QIODevice *m_device = nullptr;
    QByteArray m_buffer;
    qint64 m_written = 0;
    bool m_failed = false;
    QSizeF m_pageSize;
    std::vector<qint64> m_offsets; // by object number; 0 until written
    std::vector<int> m_pages;      // page objects in order
    std::vector<std::unique_ptr<Font>> m_fonts;
    QByteArray m_forms;                          // resource names and references of the forms
    QList<QPair<QRawFont, Font *>> m_fontsByRaw; // a font at each size it was met in
    struct Deflater;
    std::unique_ptr<Deflater> m_deflater;
    QByteArray m_compressed;
};
