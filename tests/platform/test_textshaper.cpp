// Lines laid out a pair of characters at a time are laid out as the whole layout lays them out:
// the same glyphs of the same font at the same places, kerning included; text that pairs cannot
// lay out (a character the font lacks, combining marks, other scripts, joined letters) takes the
// whole layout.

#include "platform/TextShaper.h"

#include <QGuiApplication>
#include <QTest>

namespace {

const QStringList Lines = {
    QStringLiteral("Петренко Ольга Петровна"),
    QStringLiteral("вул. Шевченка, 12, кв. 7"),
    QStringLiteral("м. Львів, Львівська обл."),
    QStringLiteral("«Київ» — 01001; Тут Ґудзь, ТОВ “Гарт”"),
    QStringLiteral("AVATAR WAVE LTV Yo Te To Fa P. Y, T."),
    QStringLiteral("Та Ту Го Гу Ру Ф. Г. Ъ\" 1111 7/4 (0-9)"),
    QStringLiteral("office fluffy affine  two  spaces"),
    QStringLiteral("Ελληνικά Ωμέγα ÅÄÖ åäö Ñ"),
    QStringLiteral("x"),
};

// Text the pairs hand over to the whole layout: what it gives must come out the same.
const QStringList Others = {
    QStringLiteral("Київ 中文 text"),   // a character from another font
    QStringLiteral("Йо\u0301сип"),      // a combining accent
    QStringLiteral("שלום and مرحبا"),   // right-to-left scripts
    QStringLiteral("tab\there"),        // a tab
    QStringLiteral("\U0001F600 smile"), // outside the basic plane
};

void compare(const TextShaper::Shaped &a, const TextShaper::Shaped &b, const QString &what)
{
    QVERIFY2(a.size() == b.size(), qPrintable(what));
    for (qsizetype r = 0; r < a.size(); ++r) {
        QVERIFY2(a.at(r).font == b.at(r).font, qPrintable(what));
        QVERIFY2(a.at(r).glyphs == b.at(r).glyphs, qPrintable(what));
        QCOMPARE(a.at(r).positions.size(), b.at(r).positions.size());
        for (qsizetype i = 0; i < a.at(r).positions.size(); ++i) {
            const QPointF d = a.at(r).positions.at(i) - b.at(r).positions.at(i);
            QVERIFY2(qAbs(d.x()) < 1e-9 && qAbs(d.y()) < 1e-9,
                     qPrintable(QStringLiteral("%1: glyph %2 off by %3, %4").arg(what).arg(i).arg(d.x()).arg(d.y())));
        }
    }
}

} // namespace

class TestTextShaper : public QObject
{
    Q_OBJECT

private slots:
    void pairsLayOutAsTheWholeLayout_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("sans 10") << QStringLiteral("Liberation Sans") << 10 << false << false;
        QTest::newRow("sans bold 12") << QStringLiteral("Liberation Sans") << 12 << true << false;
        QTest::newRow("serif italic 9") << QStringLiteral("Liberation Serif") << 9 << false << true;
        QTest::newRow("serif 14") << QStringLiteral("Liberation Serif") << 14 << false << false;
        QTest::newRow("dejavu 11") << QStringLiteral("DejaVu Sans") << 11 << false << false;
        QTest::newRow("dejavu bold italic 8") << QStringLiteral("DejaVu Sans") << 8 << true << true;
    }

    void pairsLayOutAsTheWholeLayout()
    {
        QFETCH(QString, face);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        for (const int dpi : {1200, 600}) {
            MeasuringDevice device(dpi);
            TextShaper byPairs;
            TextShaper whole;
            byPairs.reset(&device, dpi);
            whole.reset(&device, dpi);
            whole.setPairLayout(false);
            byPairs.setFont(face, size, bold, italic);
            whole.setFont(face, size, bold, italic);
            // Twice: the second time every pair is known.
            for (int round = 0; round < 2; ++round) {
                for (const QString &line : Lines + Others) {
                    compare(byPairs.shape(line), whole.shape(line), line);
                    if (QTest::currentTestFailed())
                        return;
                }
                byPairs.clear();
                byPairs.reset(&device, dpi);
                byPairs.setFont(face, size, bold, italic);
            }
            // The heights the canvases place lines by are the whole layout's.
            QCOMPARE(byPairs.font().ascent, whole.font().ascent);
            QCOMPARE(byPairs.font().height, whole.font().height);
        }
    }

    // What a job learns is bounded: many distinct lines keep at most MaxShapedTexts of them.
    void keptTextsAreBounded()
    {
        MeasuringDevice device(1200);
        TextShaper shaper;
        shaper.reset(&device, 1200);
        shaper.setFont(QStringLiteral("Liberation Sans"), 10, false, false);
        for (int i = 0; i < TextShaper::MaxShapedTexts + 100; ++i) {
            const TextShaper::Shaped &shaped = shaper.shape(QStringLiteral("Строка %1").arg(i));
            QCOMPARE(shaped.size(), 1);
            QVERIFY(shaper.shapedTexts() <= TextShaper::MaxShapedTexts);
        }
        shaper.clear();
        QCOMPARE(shaper.shapedTexts(), 0);
    }
};

QTEST_MAIN(TestTextShaper)
#include "test_textshaper.moc"
