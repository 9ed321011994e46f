// The preview picture: sizes, stamp place and anchors per shape class, nudges, the recipient block
// through the lookup, the sender block from "User.txt".

#include "logic/envelope/EnvelopeDrawing.h"
#include "logic/files/IoError.h"
#include "logic/state/SharedState.h"
#include "support/TestSupport.h"
#include "ui/main/Program.h"

#include <QTest>

using namespace testing;

namespace {

bool isInk(QRgb p)
{
    return qGray(p) < 160;
}

// Bounding box of the dark pixels inside an area of the picture (empty when there are none).
QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QStringList bookRecord(const QString &name, const QStringList &fields)
{
    QStringList lines{QLatin1Char('%') + name};
    for (int i = 0; i < addressbook::RecordLines - 1; ++i)
        lines.append(QLatin1Char('#') + fields.value(i));
    return lines;
}

QStringList mailingRecord(const QString &key, const QStringList &fields)
{
    QStringList lines{QLatin1Char('%') + key};
    for (int i = 0; i < MailingData::MailingRecordLines - 1; ++i)
        lines.append(QLatin1Char('#') + fields.value(i));
    return lines;
}

struct Scene
{
    TempWorkDir dir{false};
    SharedState state;
    QImage image;

    explicit Scene(int envType = 1)
    {
        state.setEnvelope(EnvelopeShape(envType), 0, 0);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSize(8);
        state.setMainFont(font);
        dir.write(QStringLiteral("User.txt"), crlfLines({QStringLiteral("Иванов Иван"), QStringLiteral("г. Киев")}));
    }
    void addressBook(const QStringList &names)
    {
        QStringList lines;
        for (const QString &n : names)
            lines += bookRecord(n, {QStringLiteral("ул. Садовая, 1"), QStringLiteral("г. Львов")});
        state.mailing().source = SourceMode::AddressBook;
        state.mailing().setBookLines(lines);
        state.setMailingList(names);
    }
    // The anchors of the last drawing; a drawing that fails at the sender block has placed them too.
    BlockAnchors anchors;
    void draw()
    {
        anchors = previewAnchors(previewImageSize(state.envelopeShape()), state);
        anchors = drawEnvelope(image, state.envelopeShape(), state, dir.workDir());
    }
    void shift(int homeX, int homeY, int addrX, int addrY) { state.setShifts({homeX, homeY, addrX, addrY}); }
    QRect recipientArea() const { return {anchors.recipientX, anchors.recipientY, 150, 60}; }
    QRect senderArea() const { return {anchors.senderX, anchors.senderY, 190, 60}; }
};

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    void sizesStampAndAnchors_data()
    {
        QTest::addColumn<int>("envType");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("stamp"); // left, top, right, bottom
        QTest::addColumn<QPoint>("addr");
        QTest::addColumn<QPoint>("home");
        QTest::newRow("standard") << 1 << QSize(417, 299) << QRect(QPoint(359, 26), QPoint(399, 71)) << QPoint(245, 142)
                                  << QPoint(13, 37);
        QTest::newRow("long") << 2 << QSize(433, 207) << QRect(QPoint(373, 18), QPoint(413, 63)) << QPoint(255, 99)
                              << QPoint(13, 26);
        QTest::newRow("square") << 3 << QSize(333, 300) << QRect(QPoint(287, 26), QPoint(327, 71)) << QPoint(196, 143)
                                << QPoint(10, 38);
    }
    void sizesStampAndAnchors()
    {
        QFETCH(int, envType);
        QFETCH(QSize, size);
        QFETCH(QRect, stamp);
        QFETCH(QPoint, addr);
        QFETCH(QPoint, home);
        Scene s(envType);
        s.draw();
        QCOMPARE(s.image.size(), size);
        QCOMPARE(QPoint(s.anchors.recipientX, s.anchors.recipientY), addr);
        QCOMPARE(QPoint(s.anchors.senderX, s.anchors.senderY), home);

        // The stamp place is filled from (left, top) up to but not including (right, bottom).
        const StampPlace place = stampPlace(size);
        QCOMPARE(QRect(QPoint(place.left, place.top), QPoint(place.right, place.bottom)), stamp);
        const QRgb green = StampColour.rgb();
        QCOMPARE(s.image.pixel(place.left, place.top), green);
        QCOMPARE(s.image.pixel(place.right - 1, place.bottom - 1), green);
        QCOMPARE(s.image.pixel(place.right, place.bottom), EnvelopeColour.rgb());
        QCOMPARE(s.image.pixel(place.left - 1, place.top), EnvelopeColour.rgb());
        QCOMPARE(s.image.pixel(0, 0), EnvelopeColour.rgb());
        QCOMPARE(s.image.pixel(size.width() - 1, size.height() - 1), EnvelopeColour.rgb());

        // "Марка" sits centred, starting at the vertical middle of the stamp place.
        const QRect ink = inkBox(s.image, QRect(place.left, place.top, 40, 45));
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.top() >= place.top + 22);
        QVERIFY(qAbs((ink.left() - place.left) - (place.right - 1 - ink.right())) <= 2);

        // No recipient block without a mailing list; the sender block starts at its anchor.
        QVERIFY(inkBox(s.image, s.recipientArea()).isEmpty());
        const QRect sender = inkBox(s.image, s.senderArea());
        QVERIFY(!sender.isEmpty());
        QVERIFY(sender.left() >= home.x() && sender.left() <= home.x() + 2);
        QVERIFY(sender.top() >= home.y() && sender.top() <= home.y() + 4);
    }

    void nudgesAddedAfterRounding_data()
    {
        QTest::addColumn<int>("envType");
        QTest::addColumn<int>("homeShiftX");
        QTest::addColumn<int>("homeShiftY");
        QTest::addColumn<int>("addrShiftX");
        QTest::addColumn<int>("addrShiftY");
        QTest::addColumn<QPoint>("home");
        QTest::addColumn<QPoint>("addr");
        // 300 / 8 = 37.5 goes to 38; adding the nudge first would give R(36.5) = 36.
        QTest::newRow("half then nudge") << 3 << 0 << -1 << 0 << 0 << QPoint(10, 37) << QPoint(196, 143);
        QTest::newRow("recipient up 5") << 3 << 0 << 0 << 0 << -5 << QPoint(10, 38) << QPoint(196, 138);
        QTest::newRow("all four") << 1 << -3 << 7 << 100 << -100 << QPoint(10, 44) << QPoint(345, 42);
        QTest::newRow("limits") << 2 << -244 << 244 << -244 << 244 << QPoint(-231, 270) << QPoint(11, 343);
    }
    void nudgesAddedAfterRounding()
    {
        QFETCH(int, envType);
        QFETCH(int, homeShiftX);
        QFETCH(int, homeShiftY);
        QFETCH(int, addrShiftX);
        QFETCH(int, addrShiftY);
        QFETCH(QPoint, home);
        QFETCH(QPoint, addr);
        Scene s(envType);
        s.shift(homeShiftX, homeShiftY, addrShiftX, addrShiftY);
        s.draw();
        QCOMPARE(QPoint(s.anchors.senderX, s.anchors.senderY), home);
        QCOMPARE(QPoint(s.anchors.recipientX, s.anchors.recipientY), addr);
    }

    // Moving a block by a nudge moves its pixels exactly and leaves the rest of the picture alone.
    void nudgeMovesBlockPixels()
    {
        Scene s(3);
        s.addressBook({QStringLiteral("Петренко О. П.")});
        s.draw();
        const QImage before = s.image;
        const QRect block = s.recipientArea();
        const QRect ink = inkBox(before, block);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() >= 196 && ink.left() <= 198);
        QVERIFY(ink.top() >= 143 && ink.top() <= 147);
        // Two field lines below the name: the block is three text lines high.
        QVERIFY(ink.height() > 2 * QFontMetrics(previewTextFont()).height());

        s.shift(0, 0, 0, -5);
        s.draw();
        QCOMPARE(s.image.copy(block.translated(0, -5)), before.copy(block));
        const QRect sender = s.senderArea();
        QCOMPARE(s.image.copy(sender), before.copy(sender));
        QCOMPARE(s.image.pixel(before.width() - 1, before.height() - 1), EnvelopeColour.rgb());
    }

    void recipientLookup_data()
    {
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<bool>("otherSource");
        QTest::addColumn<QStringList>("mailingList");
        QTest::addColumn<int>("previewIndex");
        QTest::addColumn<QStringList>("detailsBefore");
        QTest::addColumn<QStringList>("detailsAfter");
        QTest::addColumn<int>("indexAfter");

        const QString ivanov = QStringLiteral("Иванов");
        const QString petrov = QStringLiteral("Петров");
        QStringList twoSame = bookRecord(ivanov, {QStringLiteral("старый адрес")}) +
                              bookRecord(petrov, {QStringLiteral("ул. Мира, 3")}) +
                              bookRecord(ivanov, {QStringLiteral("новый адрес"), QString(), QStringLiteral("Одесса")});
        QTest::newRow("same name twice: the later record")
            << twoSame << false << QStringList{petrov, ivanov} << 1 << QStringList()
            << QStringList{ivanov, QStringLiteral("новый адрес"), QStringLiteral("Одесса")} << 1;
        QTest::newRow("index past a shortened list: the last entry")
            << twoSame << false << QStringList{ivanov, petrov} << 7 << QStringList()
            << QStringList{petrov, QStringLiteral("ул. Мира, 3")} << 1;
        QTest::newRow("no record: the box keeps its lines, tidied")
            << twoSame << false << QStringList{QStringLiteral("Сидоров")} << 0
            << QStringList{QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("b\t")}
            << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 0;

        // Surname and first name taken from the same column: the key repeats as the first field.
        const QString key = QStringLiteral("Коваль\t");
        const QStringList record = mailingRecord(key, {QStringLiteral("Коваль\t"), QStringLiteral("ул. Лесная\t"),
                                                       QStringLiteral("к\tв. 2"), QStringLiteral("Житомир")});
        QTest::newRow("other source: no entry first, end tabs go, inner tab stays")
            << record << true << QStringList{QStringLiteral("Коваль")} << 0 << QStringList()
            << QStringList{QStringLiteral("Коваль"), QStringLiteral("ул. Лесная"), QStringLiteral("к\tв. 2"),
                           QStringLiteral("Житомир")}
            << 0;
    }
    void recipientLookup()
    {
        QFETCH(QStringList, data);
        QFETCH(bool, otherSource);
        QFETCH(QStringList, mailingList);
        QFETCH(int, previewIndex);
        QFETCH(QStringList, detailsBefore);
        QFETCH(QStringList, detailsAfter);
        QFETCH(int, indexAfter);
        Scene s(1);
        if (otherSource) {
            s.state.mailing().source = SourceMode::OtherSource;
            s.state.mailing().setMailingRecords(data);
        } else {
            s.state.mailing().setBookLines(data);
        }
        s.state.setMailingList(mailingList);
        s.state.setPreviewIndex(previewIndex);
        s.state.setRecipientDetails(detailsBefore);
        s.draw();
        QCOMPARE(s.state.recipientDetails(), detailsAfter);
        QCOMPARE(s.state.previewIndex(), indexAfter);
        QVERIFY(!inkBox(s.image, s.recipientArea()).isEmpty());
    }

    void emptyListDrawsNoRecipientBlock()
    {
        Scene s(2);
        const QStringList stale{QStringLiteral("Прежний адресат"), QStringLiteral("ул. Прежняя")};
        s.state.setRecipientDetails(stale);
        s.state.setPreviewIndex(3);
        s.draw();
        QVERIFY(inkBox(s.image, s.recipientArea()).isEmpty());
        QCOMPARE(s.state.recipientDetails(), stale);
        QCOMPARE(s.state.previewIndex(), 3);
    }

    void senderFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("inked");
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("missing") << QByteArray() << false << false;
        QTest::newRow("long line wraps inside the box")
            << crlfLines({QStringLiteral("Общество с ограниченной ответственностью Велтора-Сервис")}) << true << true;
    }
    void senderFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        QFETCH(bool, inked);
        Scene s(1);
        s.addressBook({QStringLiteral("Петренко О. П.")});
        if (present)
            s.dir.write(QStringLiteral("User.txt"), content);
        else
            s.dir.remove(QStringLiteral("User.txt"));
        QString error;
        try {
            s.draw();
        } catch (const IoError &e) {
            error = e.message();
        }
        QCOMPARE(error.startsWith(QStringLiteral("Cannot open file")), !present);
        // The rest of the picture is there whatever became of the sender block.
        QCOMPARE(s.image.size(), QSize(417, 299));
        QCOMPARE(s.image.pixel(360, 27), StampColour.rgb());
        QVERIFY(!inkBox(s.image, s.recipientArea()).isEmpty());

        const QRect sender = inkBox(s.image, QRect(0, s.anchors.senderY, s.anchors.recipientX, 60));
        QCOMPARE(!sender.isEmpty(), inked);
        if (inked) {
            QVERIFY(sender.right() < s.anchors.senderX + SenderBoxWidth);
            QVERIFY(sender.height() > QFontMetrics(previewTextFont()).height()); // two lines
        }
    }

    // Every drawing paints the whole picture: a shorter block leaves nothing of a longer one behind.
    void redrawPaintsEverything()
    {
        Scene s(1);
        s.addressBook({QStringLiteral("Петренко О. П.")});
        s.draw();
        s.state.clearMailingList();
        s.dir.write(QStringLiteral("User.txt"), QByteArray());
        s.draw();
        QVERIFY(inkBox(s.image, QRect(0, 0, 350, 299)).isEmpty());
    }
};

QTEST_MAIN(TestDrawing)
#include "test_drawing.moc"
