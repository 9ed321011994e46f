// The batch print and the test print on the recording printer: pages and their order, copies,
// title, placement, fonts, the recipient details box as printing fills it, and failures.

#include "logic/files/IoError.h"
#include "logic/files/TextLines.h"
#include "logic/print/BatchPrint.h"
#include "logic/state/SharedState.h"
#include "support/RecordingPrinting.h"
#include "support/TestSupport.h"
#include "ui/print/PrintActions.h"

#include <QApplication>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace testing;

namespace {

// Three address records; the second name has no record of its own.
QStringList bookLines()
{
    return bookRecord({"Андреев", "ул. Липовая, 1", "", "Киев", "", "", "01001"}) +
           bookRecord({"Борисова", "пр. Мира, 2", "", "Львов", "", "", "79000"}) +
           bookRecord({"Васильев", "ул. Садовая, 3", "", "Одесса", "", "", "65000"});
}

QStringList textsOf(const QList<RecordedText> &texts)
{
    QStringList out;
    for (const RecordedText &t : texts)
        out.append(t.text);
    return out;
}

// A printer that fails when asked for the given page.
class FailingPrinting : public RecordingPrinting
{
public:
    int failAtPage = 2;
    void newPage() override
    {
        if (pages + 1 == failAtPage)
            throw IoError(QStringLiteral("Printer out of paper"));
        RecordingPrinting::newPage();
    }
};

// A printer that takes its time over every page.
class SlowPrinting : public RecordingPrinting
{
public:
    void newPage() override
    {
        QThread::msleep(5);
        RecordingPrinting::newPage();
    }
};

} // namespace

class TestBatchPrint : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    RecordingPrinting *printer = nullptr;

    void startProgram(std::unique_ptr<RecordingPrinting> p = nullptr)
    {
        if (!p)
            p = std::make_unique<RecordingPrinting>();
        printer = p.get();
        program = std::make_unique<TestProgram>(true, std::move(p));
        program->dir().write(QStringLiteral("user.txt"),
                             crlfLines({QStringLiteral("Отправитель"), QStringLiteral("г. Харьков")}));
        program->start();
        SharedState &s = program->state();
        s.setEnvelopeSize(220, s.envelopeHeight());
        s.setEnvelopeSize(s.envelopeWidth(), 110);
        s.setSenderFont(FontSetting{QStringLiteral("Times New Roman"), 12, true, false});
        s.setRecipientFont(FontSetting{QStringLiteral("Arial"), 14, false, true});
        s.mailing().source = SourceMode::AddressBook;
        s.mailing().setBookLines(bookLines());
        s.setMailingList({QStringLiteral("Андреев"), QStringLiteral("Нет такого"), QStringLiteral("Васильев"),
                          QStringLiteral("Борисова")});
    }
    void setFeed(int method) { program->dir().write(QStringLiteral("envs"), settings::int32Record(method)); }

private slots:
    void cleanup()
    {
        program.reset();
        printer = nullptr;
    }

    void selectionPrintsOnePagePerEnvelopeInOrder()
    {
        startProgram();
        QSignalSpy boxChanges(&program->state(), &SharedState::recipientDetailsChanged);
        printSelection(program->ctx(), {2, 0}, 3); // envelopes 3 and 1
        QVERIFY(program->messages().all.isEmpty());
        QCOMPARE(printer->calls.filter(
                     QRegularExpression(QStringLiteral("^(copies|portrait|title|begin|newPage|end|abort)"))),
                 (QStringList{QStringLiteral("copies 3"), QStringLiteral("portrait"), QStringLiteral("title Велтора"),
                              QStringLiteral("begin"), QStringLiteral("newPage"), QStringLiteral("end")}));
        QCOMPARE(printer->copies, 3);
        QCOMPARE(printer->pages, 2);
        const QStringList sender{QStringLiteral("Отправитель"), QStringLiteral("г. Харьков")};
        const QStringList third{QStringLiteral("Васильев"), QStringLiteral("ул. Садовая, 3"), QStringLiteral("Одесса"),
                                QStringLiteral("65000")};
        const QStringList first{QStringLiteral("Андреев"), QStringLiteral("ул. Липовая, 1"), QStringLiteral("Киев"),
                                QStringLiteral("01001")};
        QCOMPARE(textsOf(printer->textsOnPage(1)), sender + third);
        QCOMPARE(textsOf(printer->textsOnPage(2)), sender + first);
        // Blocks: sender from (70, 290) in the sender font, recipient from (1876, 817) in the
        // recipient font, each line one text height under the one before.
        const QList<RecordedText> page = printer->textsOnPage(2);
        QCOMPARE(page.at(0).x, 70);
        QCOMPARE(page.at(0).y, 290);
        QCOMPARE(page.at(1).y, 290 + printer->lineHeight);
        QCOMPARE(page.at(0).face, QStringLiteral("Times New Roman"));
        QVERIFY(page.at(1).bold && !page.at(1).italic);
        QCOMPARE(page.at(2).x, 1876);
        QCOMPARE(page.at(2).y, 817);
        QCOMPARE(page.at(5).y, 817 + 3 * printer->lineHeight);
        QCOMPARE(page.at(5).face, QStringLiteral("Arial"));
        QVERIFY(!page.at(5).bold && page.at(5).italic);
        // The details box shows the last printed recipient; its windows hear of it once.
        QCOMPARE(program->state().recipientDetails().first(), QStringLiteral("Андреев"));
        QCOMPARE(boxChanges.size(), 1);
    }

    void missingRecordPrintsThePreviousRecipient()
    {
        startProgram();
        program->state().setRecipientDetails({QStringLiteral("Прежний адресат")});
        printSelection(program->ctx(), {1, 3, 1}, 1);
        QCOMPARE(printer->pages, 3);
        QCOMPARE(textsOf(printer->textsOnPage(1)).at(2), QStringLiteral("Прежний адресат"));
        QCOMPARE(textsOf(printer->textsOnPage(2)).at(2), QStringLiteral("Борисова"));
        QCOMPARE(textsOf(printer->textsOnPage(3)), textsOf(printer->textsOnPage(2)));
    }

    void otherSourceNamePrintedOnce()
    {
        startProgram();
        SharedState &s = program->state();
        s.mailing().source = SourceMode::OtherSource;
        s.mailing().setMailingRecords({QStringLiteral("%Гончар\t"), QStringLiteral("#Олег\t"), QStringLiteral("#"),
                                       QStringLiteral("#ул. Новая, 5\t"), QStringLiteral("#Полтава"),
                                       QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                                       QStringLiteral("#")});
        s.setMailingList({QStringLiteral("Гончар")});
        printSelection(program->ctx(), {0}, 1);
        const QStringList expected{QStringLiteral("Гончар"), QStringLiteral("Олег"), QStringLiteral("ул. Новая, 5"),
                                   QStringLiteral("Полтава")};
        QCOMPARE(textsOf(printer->textsOnPage(1)).mid(2), expected);
        QCOMPARE(s.recipientDetails(), expected); // printing leaves the box tidied
    }

    void placement_data()
    {
        QTest::addColumn<bool>("batch");
        QTest::addColumn<int>("feed");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("homeX");
        QTest::addColumn<int>("addrX");
        // D = 4960 - 2948 = 2012: half of it for the batch, all of it for the test print.
        QTest::newRow("batch, centre") << true << 4 << 4960 << 1006 + 70 << 1006 + 1876;
        QTest::newRow("test, centre") << false << 4 << 4960 << 2012 + 70 << 2012 + 1876;
        // D = -5: halved toward zero.
        QTest::newRow("batch, centre, narrow") << true << 4 << 2943 << 70 - 2 << 1876 - 2;
        QTest::newRow("test, centre, narrow") << false << 4 << 2943 << 70 - 5 << 1876 - 5;
        QTest::newRow("batch, left edge") << true << 1 << 4960 << 70 << 1876;
        QTest::newRow("test, left edge") << false << 1 << 4960 << 70 << 1876;
    }
    void placement()
    {
        QFETCH(bool, batch);
        QFETCH(int, feed);
        QFETCH(int, pageWidth);
        QFETCH(int, homeX);
        QFETCH(int, addrX);
        startProgram();
        setFeed(feed);
        printer->pageWidthUnits = pageWidth;
        {
            BlockShifts sh = program->state().shifts();
            sh.addrY = 1;
            program->state().setShifts(sh);
        } // one step: 2 mm
        program->state().setRecipientDetails({QStringLiteral("Адресат")});
        if (batch)
            printSelection(program->ctx(), {1}, 1); // no record: the box's line is printed
        else
            printPreviewedEnvelope(program->ctx());
        const QList<RecordedText> page = printer->textsOnPage(1);
        QCOMPARE(page.size(), 3);
        QCOMPARE(page.at(0).x, homeX);
        QCOMPARE(page.at(0).y, 290);
        QCOMPARE(page.at(2).x, addrX);
        QCOMPARE(page.at(2).y, 817 + 27);
    }

    void testPrintSetsNoTitleNorCopies()
    {
        startProgram();
        program->state().setRecipientDetails(
            {QStringLiteral("Адресат"), QStringLiteral("Адресат"), QStringLiteral("Киев")});
        printPreviewedEnvelope(program->ctx());
        QCOMPARE(
            printer->calls.filter(QRegularExpression(QStringLiteral("^(copies|portrait|title|begin|newPage|end)"))),
            (QStringList{QStringLiteral("portrait"), QStringLiteral("begin"), QStringLiteral("end")}));
        QCOMPARE(textsOf(printer->textsOnPage(1)).mid(2),
                 (QStringList{QStringLiteral("Адресат"), QStringLiteral("Киев")}));
    }

    void refusedBeforeTheJob_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<QString>("message");
        QTest::newRow("no envelope size") << 0 << QList<int>{0} << QStringLiteral("Не установлены параметры конверта");
        QTest::newRow("past the list") << 220 << QList<int>{0, 4} << QStringLiteral("5");
        QTest::newRow("negative index") << 220 << QList<int>{-1} << QStringLiteral("0");
    }
    void refusedBeforeTheJob()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, selection);
        QFETCH(QString, message);
        startProgram();
        program->state().setEnvelopeSize(width, program->state().envelopeHeight());
        printSelection(program->ctx(), selection, 2);
        QCOMPARE(program->messages().shown.size(), 1);
        QVERIFY(program->messages().shown.first().contains(message));
        QVERIFY(printer->calls.isEmpty());
        QVERIFY(printer->texts.isEmpty());
        if (width == 0) {
            program->messages().clear();
            printPreviewedEnvelope(program->ctx());
            QCOMPARE(program->messages().shown, QStringList{message});
            QVERIFY(printer->calls.isEmpty());
        }
    }

    void missingSenderFileStopsBeforeTheJob()
    {
        startProgram();
        program->dir().remove(QStringLiteral("user.txt"));
        QVERIFY_THROWS_EXCEPTION(IoError, printSelection(program->ctx(), {0, 2}, 1));
        QVERIFY_THROWS_EXCEPTION(IoError, printPreviewedEnvelope(program->ctx()));
        QVERIFY(!printer->calls.contains(QStringLiteral("begin")));
    }

    void failureAfterBeginAbortsTheJob()
    {
        auto failing = std::make_unique<FailingPrinting>();
        failing->failAtPage = 3;
        startProgram(std::move(failing));
        try {
            printSelection(program->ctx(), {0, 2, 3, 0}, 1);
            QFAIL("no error");
        } catch (const IoError &e) {
            QCOMPARE(e.message(), QStringLiteral("Printer out of paper"));
        }
        QCOMPARE(printer->calls.filter(QRegularExpression(QStringLiteral("^(begin|newPage|end|abort)"))),
                 (QStringList{QStringLiteral("begin"), QStringLiteral("newPage"), QStringLiteral("abort")}));
        QVERIFY(!printer->printing());
    }

    void cancelledJobIsAborted()
    {
        startProgram();
        QList<int> asked;
        const PrintOutcome outcome =
            printBatch(*printer, program->state(), program->ctx().workDir, {0, 2, 3}, 1, [&](int done, int total) {
                asked.append(done);
                return total == 3 && done < 2;
            });
        QCOMPARE(outcome.kind, PrintOutcome::Kind::Cancelled);
        QCOMPARE(outcome.envelopes, 2);
        QCOMPARE(asked, (QList<int>{0, 1, 2}));
        QVERIFY(printer->calls.contains(QStringLiteral("abort")));
        QVERIFY(!printer->calls.contains(QStringLiteral("end")));
        QVERIFY(!printer->printing());
        // Progress runs to the end when nobody cancels.
        asked.clear();
        printer->calls.clear();
        printBatch(*printer, program->state(), program->ctx().workDir, {0, 2}, 1, [&](int done, int) {
            asked.append(done);
            return true;
        });
        QCOMPARE(asked, (QList<int>{0, 1, 2}));
        QVERIFY(printer->calls.contains(QStringLiteral("end")));
    }

    void declinedBeforeBeginPrintsNothing()
    {
        startProgram();
        int asked = 0;
        const auto decline = [&] {
            ++asked;
            return false;
        };
        SharedState &s = program->state();
        const WorkDir &dir = program->ctx().workDir;
        QCOMPARE(printBatch(*printer, s, dir, {0}, 1, {}, decline).kind, PrintOutcome::Kind::Cancelled);
        QCOMPARE(printTestEnvelope(*printer, s, dir, decline).kind, PrintOutcome::Kind::Cancelled);
        QCOMPARE(asked, 2);
        // Asked only once the checks have passed, and not at all for an empty selection.
        s.setEnvelopeSize(s.envelopeWidth(), 0);
        QCOMPARE(printBatch(*printer, s, dir, {0}, 1, {}, decline).kind, PrintOutcome::Kind::NoEnvelopeSize);
        s.setEnvelopeSize(s.envelopeWidth(), 110);
        QCOMPARE(printBatch(*printer, s, dir, {}, 1, {}, decline).kind, PrintOutcome::Kind::Printed);
        QCOMPARE(asked, 2);
        QVERIFY(!printer->calls.contains(QStringLiteral("begin")));
    }

    void longJobShowsProgressAndCanBeCancelled()
    {
        startProgram(std::make_unique<SlowPrinting>());
        QString shown;
        bool modal = false;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!progress || progress->value() < 1)
                return;
            shown = progress->labelText();
            modal = progress->isModal() && progress->windowTitle() == QStringLiteral("Велтора");
            progress->cancel();
            timer.stop();
        });
        timer.start();
        printSelection(program->ctx(), QList<int>(400, 0), 1);
        QVERIFY(modal);
        QVERIFY2(shown.contains(QRegularExpression(QStringLiteral("^Печать конверта \\d+ из 400$"))),
                 qPrintable(shown));
        QVERIFY(printer->calls.contains(QStringLiteral("abort")));
        QVERIFY(!printer->calls.contains(QStringLiteral("end")));
        QVERIFY(printer->pages < 400);
        QVERIFY(!QApplication::activeModalWidget()); // the progress window is gone
        QVERIFY(program->messages().all.isEmpty());
    }

    // A printer that makes no copies of its own (a PDF file) gets every copy as pages: the whole
    // selection once per copy, collated.
    void copiesWithoutThePrintersHelpAreCollatedPages()
    {
        auto p = std::make_unique<RecordingPrinting>();
        p->printerMakesCopies = false;
        startProgram(std::move(p));
        printSelection(program->ctx(), {2, 0}, 3);
        QVERIFY(program->messages().all.isEmpty());
        QCOMPARE(printer->copies, 1);
        QCOMPARE(printer->pages, 6);
        for (int page = 1; page <= 6; ++page)
            QCOMPARE(printer->textsOnPage(page).at(2).text,
                     page % 2 == 1 ? QStringLiteral("Васильев") : QStringLiteral("Андреев"));
    }

    // The centre feed moves the blocks by half the difference between the page and the envelope;
    // on a page that is the envelope itself nothing is moved. The service learns the envelope.
    void centreFeedOnAPageThatIsTheEnvelope_data()
    {
        QTest::addColumn<bool>("envelopePage");
        QTest::addColumn<int>("recipientX");
        // 220 - 80 mm = 1876 units; the page 2814 units against the envelope's 2948: (2814 - 2948) / 2.
        QTest::newRow("sheet") << false << 1876 - 67;
        QTest::newRow("envelope") << true << 1876;
    }
    void centreFeedOnAPageThatIsTheEnvelope()
    {
        QFETCH(bool, envelopePage);
        QFETCH(int, recipientX);
        auto p = std::make_unique<RecordingPrinting>();
        p->pageIsTheEnvelope = envelopePage;
        startProgram(std::move(p));
        setFeed(4);
        printSelection(program->ctx(), {0}, 1);
        QVERIFY(program->messages().all.isEmpty());
        QCOMPARE(printer->envelopeWidth, 220);
        QCOMPARE(printer->envelopeHeight, 110);
        const QList<RecordedText> page = printer->textsOnPage(1);
        QCOMPARE(page.at(2).text, QStringLiteral("Андреев"));
        QCOMPARE(page.at(2).x, recipientX);
        QCOMPARE(page.at(0).x, envelopePage ? 70 : 70 - 67);
    }

    void emptySelectionBeginsNoJob()
    {
        startProgram();
        printSelection(program->ctx(), {}, 4);
        QCOMPARE(printer->copies, 4); // set for later prints all the same
        QVERIFY(!printer->calls.contains(QStringLiteral("begin")));
        QVERIFY(program->messages().all.isEmpty());
    }

    void moreThanTenThousandEnvelopes()
    {
        startProgram();
        QList<int> selection(10001, 3);
        selection[5000] = 0;
        printSelection(program->ctx(), selection, 1);
        QCOMPARE(printer->pages, 10001);
        QCOMPARE(printer->calls.count(QStringLiteral("newPage")), 10000);
        QCOMPARE(textsOf(printer->textsOnPage(5001)).at(2), QStringLiteral("Андреев"));
    }

    // Lines that plainly fit the box skip the layout: the result must stay that of wrappedLines at
    // every length across the edge of the box.
    void boxLinesAsTheBoxShowsThem_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::newRow("narrow letters") << QStringLiteral("ііі");
        QTest::newRow("wide letters") << QStringLiteral("ШЩЖ");
        QTest::newRow("words") << QStringLiteral("ул. Липовая ");
        QTest::newRow("kerned pairs") << QStringLiteral("AVAWTo");
        QTest::newRow("kerned Cyrillic") << QStringLiteral("Та Гу Г.Ту");
        QTest::newRow("right to left") << QStringLiteral("שלום ");
        QTest::newRow("digits and commas") << QStringLiteral("12, ");
        QTest::newRow("tab") << QStringLiteral("ab\t");
        QTest::newRow("combining mark") << QStringLiteral("е\u0301ж");
        QTest::newRow("outside the font") << QStringLiteral("\u4e2d\u6587");
    }
    void boxLinesAsTheBoxShowsThem()
    {
        QFETCH(QString, unit);
        for (const char *face : {"MS Sans Serif", "Times New Roman"}) {
            QFont font{QString::fromLatin1(face)};
            font.setPointSize(8);
            BoxLines boxLines(font, RecipientBoxWidth);
            QString line;
            for (int n = 0; n < 60; ++n) {
                line += unit.at(n % unit.size());
                QCOMPARE(boxLines({line}), wrappedLines(QStringList{line}, font, RecipientBoxWidth));
            }
            QCOMPARE(boxLines({line, QString(), line}),
                     wrappedLines(QStringList{line, QString(), line}, font, RecipientBoxWidth));
        }
    }

    void longSenderLinesAreWrapped()
    {
        startProgram();
        const QString longLine =
            QStringLiteral("Очень длинная строка адреса отправителя, которая не помещается в поле");
        program->dir().write(QStringLiteral("user.txt"), crlfLines({longLine}));
        printSelection(program->ctx(), {0}, 1);
        const QList<RecordedText> page = printer->textsOnPage(1);
        QStringList sender;
        for (const RecordedText &t : page)
            if (t.x == 70)
                sender.append(t.text);
        QVERIFY(sender.size() > 1);
        QCOMPARE(sender.join(QLatin1Char(' ')), longLine);
    }
};

QTEST_MAIN(TestBatchPrint)
#include "test_batchprint.moc"
