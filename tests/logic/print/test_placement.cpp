// Print placement in printer units, the tidying of recipient lines, and block printing.

#include "logic/files/SettingsFiles.h"
#include "logic/print/Placement.h"
#include "support/RecordingPrinting.h"

#include <QTest>
#include <limits>

class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("feed");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<QList<int>>("shifts"); // HomeShiftX, HomeShiftY, AddrShiftX, AddrShiftY
        QTest::addColumn<bool>("batch");
        QTest::addColumn<QList<int>>("expected"); // senderX, senderY, recipientX, recipientY
        const QList<int> none{0, 0, 0, 0};
        QTest::newRow("110x220, left edge")
            << 220 << 110 << 1 << 4960 << none << false << QList<int>{70, 290, 1876, 817};
        QTest::newRow("110x220, centre") << 220 << 110 << 4 << 4960 << none << false
                                         << QList<int>{2082, 290, 3888, 817};
        QTest::newRow("one step of AddrShiftY")
            << 220 << 110 << 1 << 4960 << QList<int>{0, 0, 0, 1} << false << QList<int>{70, 290, 1876, 844};
        // Each product is rounded by itself: 70 + R(26.8) = 97, R(-80.4) = -80, R(53.6) = 54.
        QTest::newRow("sender and recipient shifts")
            << 220 << 110 << 1 << 4960 << QList<int>{1, -3, 2, -1} << false << QList<int>{97, 210, 1930, 790};
        // D = 2546 - 2948 = -402: both blocks move left of the left-edge positions.
        QTest::newRow("centre, page narrower than envelope")
            << 220 << 110 << 4 << 2546 << none << false << QList<int>{-332, 290, 1474, 817};
        QTest::newRow("other feed value prints as left edge")
            << 220 << 110 << 0 << 2546 << none << false << QList<int>{70, 290, 1876, 817};
        QTest::newRow("feed 2 prints as left edge")
            << 162 << 114 << 2 << 2814 << none << false << QList<int>{70, 290, 1099, 871};
        // The batch print adds half of D, rounded toward zero: -399 / 2 = -199.
        QTest::newRow("batch, centre, odd negative D")
            << 220 << 110 << 4 << 2549 << none << true << QList<int>{-129, 290, 1677, 817};
        QTest::newRow("batch, centre, 114x162 on A4")
            << 162 << 114 << 4 << 2814 << none << true << QList<int>{391, 290, 1420, 871};
    }
    void placement()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, feed);
        QFETCH(int, pageWidth);
        QFETCH(QList<int>, shifts);
        QFETCH(bool, batch);
        QFETCH(QList<int>, expected);
        PlacementInput in;
        in.envelopeWidth = width;
        in.envelopeHeight = height;
        in.feedMethod = FeedMethod(feed);
        in.pageWidth = pageWidth;
        in.shifts = {shifts[0], shifts[1], shifts[2], shifts[3]};
        const BlockAnchors a = printPlacement(in, batch ? PlacementKind::Batch : PlacementKind::Single);
        QCOMPARE((QList<int>{a.senderX, a.senderY, a.recipientX, a.recipientY}), expected);
    }

    // Whatever a settings file or the nudges hold, the arithmetic stays defined: a coordinate
    // beyond what an int can name is held at its end.
    void extremeInputsGiveDefinedResults_data()
    {
        constexpr int Max = std::numeric_limits<int>::max();
        constexpr int Min = std::numeric_limits<int>::min();
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QList<int>>("expected");
        // The recipient block stays 80 mm (1072 units) left of the envelope's right edge.
        QTest::newRow("largest size, centre") << Max << Max << 0 << QList<int>{Min, 290, Max - 1072, Max};
        QTest::newRow("smallest size") << Min << 0 << 0 << QList<int>{Max, 290, -1072, Min};
        QTest::newRow("largest nudges") << 220 << 4960 << Max << QList<int>{Max, Max, Max, Max};
        QTest::newRow("smallest nudges") << 220 << Min << Min << QList<int>{Min, Min, Min, Min};
    }
    void extremeInputsGiveDefinedResults()
    {
        QFETCH(int, size);
        QFETCH(int, pageWidth);
        QFETCH(int, shift);
        QFETCH(QList<int>, expected);
        PlacementInput in;
        in.envelopeWidth = size;
        in.envelopeHeight = size;
        in.feedMethod = FeedMethod::Centre;
        in.pageWidth = pageWidth;
        in.shifts = {shift, shift, shift, shift};
        const BlockAnchors a = printPlacement(in, PlacementKind::Single);
        QCOMPARE((QList<int>{a.senderX, a.senderY, a.recipientX, a.recipientY}), expected);
        const BlockAnchors b = printPlacement(in, PlacementKind::Batch);
        QCOMPARE(b.senderY, expected.at(1));
        QCOMPARE(b.recipientY, expected.at(3));
    }

    void tidyRecipientLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        const auto L = [](std::initializer_list<const char16_t *> items) {
            QStringList out;
            for (const char16_t *s : items)
                out.append(QString::fromUtf16(s));
            return out;
        };
        QTest::newRow("tab at the end goes") << L({u"Петров\t", u"ул. Мира"}) << L({u"Петров", u"ул. Мира"});
        QTest::newRow("tab inside stays, and so does the last character")
            << L({u"д.\t5", u"кв.\t7\t"}) << L({u"д.\t5", u"кв.\t7"});
        QTest::newRow("only one ending tab goes") << L({u"a\t\t", u"b"}) << L({u"a\t", u"b"});
        QTest::newRow("repeated first line printed once")
            << L({u"Петров", u"Петров", u"Киев"}) << L({u"Петров", u"Киев"});
        QTest::newRow("equal after the tab is taken off") << L({u"Петров\t", u"Петров"}) << L({u"Петров"});
        QTest::newRow("only the first line is compared") << L({u"a", u"b", u"b"}) << L({u"a", u"b", u"b"});
        QTest::newRow("one line is kept") << L({u"Петров"}) << L({u"Петров"});
        QTest::newRow("one empty line equals the missing second") << L({u""}) << QStringList();
        QTest::newRow("no lines") << QStringList() << QStringList();
    }
    void tidyRecipientLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        ::tidyRecipientLines(lines);
        QCOMPARE(lines, expected);
    }

    void blockLinesMoveDownByTheirHeight()
    {
        RecordingPrinting rec;
        rec.lineHeight = 57;
        printBlock(rec, 1876, 817, {QStringLiteral("a"), QString(), QStringLiteral("c")});
        QCOMPARE(rec.texts.size(), 3);
        QCOMPARE((QList<int>{rec.texts[0].y, rec.texts[1].y, rec.texts[2].y}), (QList<int>{817, 874, 931}));
        for (const RecordedText &t : rec.texts)
            QCOMPARE(t.x, 1876);
        rec.texts.clear();
        printBlock(rec, 0, 0, {});
        QVERIFY(rec.texts.isEmpty());
    }

    void blockOfMoreThan255LinesPrintsTheFirst255()
    {
        RecordingPrinting rec;
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines.append(QString::number(i));
        printBlock(rec, 70, 290, lines);
        QCOMPARE(rec.texts.size(), 255);
        QCOMPARE(rec.texts.last().text, QStringLiteral("254"));
        QCOMPARE(rec.texts.last().y, 290 + 254 * rec.lineHeight);
    }

    void recipientBlockSetsEveryStyle()
    {
        RecordingPrinting rec;
        rec.setFont(QStringLiteral("Arial"), 20, true, true);
        QStringList lines{QStringLiteral("Петров\t")};
        printRecipientBlock(rec, FontSetting{QStringLiteral("Courier New"), 11, false, false}, 5, 6, lines);
        QCOMPARE(lines, QStringList{QStringLiteral("Петров")});
        QCOMPARE(rec.texts.size(), 1);
        const RecordedText &t = rec.texts.first();
        QCOMPARE(t.face, QStringLiteral("Courier New"));
        QCOMPARE(t.size, 11);
        QVERIFY(!t.bold && !t.italic);
        QCOMPARE(QPoint(t.x, t.y), QPoint(5, 6));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "test_placement.moc"
