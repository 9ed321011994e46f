#pragma once
// Lines of text laid out as a painter lays out a single line, for a device of a given resolution,
// and kept: a batch repeats many lines (the sender block, towns, regions). Qt Gui only.
//
// Sizes are in printer units of 1/13.4 mm: a font of N points is resolved at the device's
// resolution with its size scaled so that one device pixel is one printer unit, which is how the
// canvases draw.

#include <QFont>
#include <QHash>
#include <QList>
#include <QPaintDevice>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <unordered_map>

// A paint device that only measures: fonts resolve on it as on a printer of the given resolution.
class MeasuringDevice : public QPaintDevice
{
public:
    explicit MeasuringDevice(int dpi)
        : m_dpi(dpi)
    {
    }
    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int m_dpi;
};

class TextShaper
{
public:
    // Glyphs of one font with their positions relative to the start of the baseline, in printer units.
    struct Run
    {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    // A line of text: one run, or several when the font lacks some of its characters and others
    // lend them.
    using Shaped = QList<Run>;

    struct Font
    {
        QFont font;
        qreal ascent = 0; // printer units
        int height = 0;   // printer units
        QHash<QString, Shaped> shaped;
        // For laying out simple text a pair of characters at a time (see shapeByPairs): the font
        // the characters come from, each character's glyph, and how far a character moves the
        // pen when another follows it. Glyph 0: a character that needs the whole layout.
        QRawFont primary;
        QHash<char16_t, quint32> glyphs;
        QHash<quint32, qreal> pairAdvances; // (first << 16 | second)
    };

    // How many shaped texts are kept at most: every recipient brings new ones.
    static constexpr int MaxShapedTexts = 2048;
    // How many pairs of characters a font keeps at most: the letters of a few alphabets make some
    // thousands.
    static constexpr int MaxPairs = 65536;

    // Starts over for a device (null: the screen) of `dpi` dots per inch.
    void reset(const QPaintDevice *device, int dpi);
    // Forgets every font and text.
    void clear();

    void setFont(const QString &face, int pointSize, bool bold, bool italic);
    // The current font, resolved and measured; kept while a device is set.
    Font &font();
    const Shaped &shape(const QString &text);
    // Whether simple text is laid out a pair of characters at a time (the default) or always
    // whole: the two give the same glyphs at the same places.
    void setPairLayout(bool on) { m_pairLayout = on; }
    int shapedTexts() const { return m_shapedCount; }

private:
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

    Font makeFont() const;
    Shaped layOut(const Font &font, const QString &text) const;
    bool shapeByPairs(Font &font, const QString &text, Shaped &shaped) const;
    quint32 glyphOf(Font &font, char16_t c) const;
    bool pairAdvance(Font &font, char16_t first, char16_t second, qreal &advance) const;

    const QPaintDevice *m_device = nullptr;
    int m_dpi = 0;
    FontKey m_key{QStringLiteral("Arial"), 8, false, false};
    Font *m_current = nullptr;
    // Per face, size and style. Node-based, so that m_current stays valid.
    std::unordered_map<FontKey, Font, FontKeyHash> m_fonts;
    Font m_scratch;
    int m_shapedCount = 0;
    bool m_pairLayout = true;
};
