// The preview window: paging, the envelope number box, the nudge arrows and what they leave for the
// prints, and a window opened again.

#include "logic/envelope/EnvelopeDrawing.h"
#include "logic/print/Placement.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"
#include "support/TestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/print/ArrowPairWidget.h"
#include "ui/print/PreviewWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace testing;

namespace {

const QString OutsideList = QStringLiteral("Вы вышли за пределы списка. Повторите ввод.");

// A program with a mailing list of n address-book entries, "Адресат 1" to "Адресат n", each with
// its own street, and a sender file.
struct Preview
{
    TestProgram program;
    QPointer<PreviewWindow> window;

    explicit Preview(int n, int envType = 1)
    {
        program.dir().write(QStringLiteral("user.txt"),
                            crlfLines({QStringLiteral("Иванов Иван"), QStringLiteral("г. Киев")}));
        program.start();
        SharedState &s = program.state();
        s.setEnvelope(EnvelopeShape(envType), s.envelopeWidth(), s.envelopeHeight());
        s.setEnvelopeSize(220, s.envelopeHeight());
        s.setEnvelopeSize(s.envelopeWidth(), 110);
        QStringList book;
        for (int i = 1; i <= n; ++i) {
            const QString name = QStringLiteral("Адресат %1").arg(i);
            book << QLatin1Char('%') + name << QStringLiteral("#ул. Номер %1").arg(i);
            for (int k = 2; k < MailingData::BookRecordLines; ++k)
                book << QStringLiteral("#");
            s.appendToMailingList(name);
        }
        s.mailing().source = SourceMode::AddressBook;
        s.mailing().setBookLines(book);
    }
    PreviewWindow *open()
    {
        window = PreviewWindow::open(program.ctx(), program.mainWindow());
        return window;
    }
    template <typename T> T *child(const char *name) { return findControl<T>(window, name); }
    QLineEdit *numberBox() { return child<QLineEdit>("numberBox"); }
    ArrowPairWidget *arrows(const char *name) { return child<ArrowPairWidget>(name); }
    void click(const char *name) { child<QPushButton>(name)->click(); }
    void press(const char *arrowPair, bool raise, int times = 1)
    {
        ArrowPairWidget *a = arrows(arrowPair);
        for (int i = 0; i < times; ++i)
            (raise ? a->raiseButton() : a->lowerButton())->click();
    }
    void enter(const QString &text)
    {
        numberBox()->setText(text);
        QTest::keyClick(numberBox(), Qt::Key_Return);
    }
    BlockAnchors printed()
    {
        return printPlacement(placementInput(program.state(), FeedMethod::LeftEdge, 2814), PlacementKind::Single);
    }
};

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void pagingAndNumberBox_data()
    {
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<QString>("action"); // "<<", ">>" or the text typed before Enter
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow(">> on 5") << 4 << ">>" << 4 << "5" << none << none;
        QTest::newRow("<< on 1") << 0 << "<<" << 0 << "1" << none << none;
        QTest::newRow(">> on 2") << 1 << ">>" << 2 << "3" << none << none;
        QTest::newRow("<< on 5") << 4 << "<<" << 3 << "4" << none << none;
        QTest::newRow("3") << 0 << "3" << 2 << "3" << none << none;
        QTest::newRow("leading zero") << 0 << "05" << 4 << "5" << none << none;
        QTest::newRow("6") << 1 << "6" << 1 << "6" << OutsideList << none;
        QTest::newRow("0") << 1 << "0" << 1 << "0" << OutsideList << none;
        QTest::newRow("1a") << 1 << "1a" << 1 << "1a" << QStringLiteral("Ошибка ввода. Повторита ввод") << none;
        QTest::newRow("minus") << 1 << "-1" << 1 << "-1" << QStringLiteral("Ошибка ввода. Повторита ввод") << none;
        QTest::newRow("empty") << 1 << "" << 1 << "" << QStringLiteral("Ошибка ввода данных. повторите ввод") << none;
        QTest::newRow("too large") << 1 << "99999999999" << 1 << "99999999999" << none
                                   << QStringLiteral("'99999999999' is not a valid integer value");
    }
    void pagingAndNumberBox()
    {
        QFETCH(int, startIndex);
        QFETCH(QString, action);
        QFETCH(int, index);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(QString, error);
        Preview p(5);
        p.program.state().setPreviewIndex(startIndex);
        p.open();
        QCOMPARE(p.child<QLabel>("countLabel")->text(), QStringLiteral("из 5"));
        const QImage before = p.window->picture();
        const QStringList detailsBefore = p.program.state().recipientDetails();
        QCOMPARE(detailsBefore.value(1), QStringLiteral("ул. Номер %1").arg(startIndex + 1));

        if (action == QLatin1String("<<"))
            p.click("previousButton");
        else if (action == QLatin1String(">>"))
            p.click("nextButton");
        else
            p.enter(action);

        SharedState &s = p.program.state();
        QCOMPARE(s.previewIndex(), index);
        QCOMPARE(p.numberBox()->text(), box);
        QCOMPARE(p.program.messages().shown, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(p.program.messages().errors, error.isEmpty() ? QStringList() : QStringList{error});
        // The picture and the details box follow the envelope shown, and only it.
        QCOMPARE(s.recipientDetails().value(1), QStringLiteral("ул. Номер %1").arg(index + 1));
        QCOMPARE(p.window->picture() == before, index == startIndex);
    }

    void recipientUpThreeTimes()
    {
        Preview p(5);
        p.open();
        const BlockAnchors printedBefore = p.printed();
        const QImage before = p.window->picture();
        QCOMPARE(p.window->anchors().recipientY, 142);

        p.press("recipientUpDown", true, 3);
        const SharedState &s = p.program.state();
        QCOMPARE(s.shifts().addrY, -3);
        QCOMPARE(s.shifts().addrX, 0);
        QCOMPARE(s.shifts().homeY, 0);
        QCOMPARE(p.window->anchors().recipientY, 139);
        const QRect block(245, 142, 160, 40);
        QCOMPARE(p.window->picture().copy(block.translated(0, -3)), before.copy(block));

        const BlockAnchors printedAfter = p.printed();
        QCOMPARE(printedAfter.recipientY - printedBefore.recipientY, -80);
        QCOMPARE(printedAfter.recipientX, printedBefore.recipientX);
        QCOMPARE(printedAfter.senderY, printedBefore.senderY);
    }

    void arrowLimits_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("shiftIndex"); // HomeShiftX, HomeShiftY, AddrShiftX, AddrShiftY
        QTest::addColumn<int>("raisedTo");
        QTest::addColumn<int>("loweredTo");
        QTest::newRow("sender left/right") << "senderLeftRight" << 0 << 100 << -244;
        QTest::newRow("sender up/down") << "senderUpDown" << 1 << -100 << 244;
        QTest::newRow("recipient left/right") << "recipientLeftRight" << 2 << 100 << -244;
        QTest::newRow("recipient up/down") << "recipientUpDown" << 3 << -100 << 244;
    }
    void arrowLimits()
    {
        QFETCH(QString, pair);
        QFETCH(int, shiftIndex);
        QFETCH(int, raisedTo);
        QFETCH(int, loweredTo);
        Preview p(1);
        p.open();
        const SharedState &s = p.program.state();
        auto shifts = [&] {
            return QList<int>{s.shifts().homeX, s.shifts().homeY, s.shifts().addrX, s.shifts().addrY};
        };
        const QByteArray name = pair.toLatin1();
        p.press(name.constData(), true, 105);
        QList<int> expected{0, 0, 0, 0};
        expected[shiftIndex] = raisedTo;
        QCOMPARE(shifts(), expected);
        p.press(name.constData(), false, 350);
        expected[shiftIndex] = loweredTo;
        QCOMPARE(shifts(), expected);
        QVERIFY(p.program.messages().all.isEmpty());
    }

    void reopenedWindowKeepsShiftsAndEntry()
    {
        Preview p(5);
        p.open();
        p.press("recipientUpDown", true, 3);
        p.press("recipientLeftRight", true, 2);
        p.press("senderUpDown", false, 4);
        p.click("nextButton");
        const QImage shown = p.window->picture();
        p.click("closeButton");
        QTRY_VERIFY(p.window.isNull());

        p.open();
        const SharedState &s = p.program.state();
        QCOMPARE(p.numberBox()->text(), QStringLiteral("2"));
        QCOMPARE(p.window->picture(), shown);
        for (const char *pair : {"senderUpDown", "senderLeftRight", "recipientUpDown", "recipientLeftRight"})
            QCOMPARE(p.arrows(pair)->position(), 0);
        // The first step of a fresh arrow pair replaces its shift; the other shifts stay.
        p.press("recipientUpDown", false);
        QCOMPARE(s.shifts().addrY, 1);
        QCOMPARE(s.shifts().addrX, 2);
        QCOMPARE(s.shifts().homeY, 4);
        QCOMPARE(s.shifts().homeX, 0);
    }

    void emptyList()
    {
        Preview p(0);
        const QStringList stale{QStringLiteral("Прежний адресат")};
        p.program.state().setRecipientDetails(stale);
        p.open();
        QCOMPARE(p.child<QLabel>("countLabel")->text(), QStringLiteral("из 0"));
        const QImage before = p.window->picture();
        for (int y = 142; y < 182; ++y)
            for (int x = 245; x < 405; ++x)
                QCOMPARE(before.pixel(x, y), EnvelopeColour.rgb());
        p.click("previousButton");
        p.click("nextButton");
        p.enter(QStringLiteral("1"));
        QCOMPARE(p.program.messages().shown, QStringList{OutsideList});
        QCOMPARE(p.program.state().previewIndex(), 0);
        QCOMPARE(p.window->picture(), before);
        QCOMPARE(p.program.state().recipientDetails(), stale);
    }

    // A list shortened after an earlier preview: the last entry is shown and paging goes on from it.
    void shortenedList()
    {
        Preview p(3);
        p.program.state().setPreviewIndex(7);
        p.open();
        QCOMPARE(p.numberBox()->text(), QStringLiteral("3"));
        QCOMPARE(p.program.state().recipientDetails().value(1), QStringLiteral("ул. Номер 3"));
        p.click("previousButton");
        QCOMPARE(p.numberBox()->text(), QStringLiteral("2"));
        // A list that grows while the window is open updates the count.
        p.program.state().appendToMailingList(QStringLiteral("Новый"));
        QCOMPARE(p.child<QLabel>("countLabel")->text(), QStringLiteral("из 4"));
    }

    void missingSenderFileReportedOnce()
    {
        Preview p(3);
        p.program.dir().remove(QStringLiteral("user.txt"));
        p.open();
        QCOMPARE(p.program.messages().errors.size(), 1);
        QVERIFY(p.program.messages().errors.first().startsWith(QStringLiteral("Cannot open file")));
        p.press("recipientUpDown", true, 2);
        p.click("nextButton");
        QCOMPARE(p.program.messages().errors.size(), 1);
        // The envelope number box and the recipient block still follow the paging.
        QCOMPARE(p.numberBox()->text(), QStringLiteral("2"));
        QCOMPARE(p.program.state().recipientDetails().value(1), QStringLiteral("ул. Номер 2"));
        // Back again, then gone again: reported anew.
        p.program.dir().write(QStringLiteral("user.txt"), crlfLines({QStringLiteral("Иванов")}));
        p.click("nextButton");
        p.program.dir().remove(QStringLiteral("user.txt"));
        p.click("previousButton");
        QCOMPARE(p.program.messages().errors.size(), 2);
    }

    // The arrows sit around the picture, at its upper left and lower right, inside the window.
    void controlsPlaced_data()
    {
        QTest::addColumn<int>("envType");
        QTest::addColumn<QPoint>("addrUpDown");
        QTest::addColumn<QPoint>("addrLeftRight");
        QTest::newRow("standard") << 1 << QPoint(484, 281) << QPoint(449, 316);
        QTest::newRow("long") << 2 << QPoint(500, 189) << QPoint(465, 224);
        QTest::newRow("square") << 3 << QPoint(400, 282) << QPoint(365, 317);
    }
    void controlsPlaced()
    {
        QFETCH(int, envType);
        QFETCH(QPoint, addrUpDown);
        QFETCH(QPoint, addrLeftRight);
        Preview p(2, envType);
        p.open();
        QCOMPARE(p.child<QLabel>("picture")->size(), previewImageSize(EnvelopeShape(envType)));
        QCOMPARE(p.arrows("recipientUpDown")->pos(), addrUpDown);
        QCOMPARE(p.arrows("recipientLeftRight")->pos(), addrLeftRight);
        QCOMPARE(p.arrows("senderUpDown")->geometry(), QRect(48, 21, 15, 33));
        QCOMPARE(p.arrows("senderLeftRight")->geometry(), QRect(65, 0, 33, 15));
        QCOMPARE(p.child<QLabel>("countLabel")->pos(), QPoint(176, 351));
        const QRect client = p.window->rect();
        for (QWidget *w : p.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
            // No clipped captions.
            if (auto *b = qobject_cast<QPushButton *>(w))
                QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 8 <= b->width(), qPrintable(b->text()));
        }
        QVERIFY(p.program.messages().all.isEmpty());
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
