// The single-envelope print of the main window on the recording printer: the feed-method gate,
// the size check, the placement, fonts, the recipient tidying, wrapped lines, failures.

#include "logic/files/SettingsFiles.h"
#include "support/RecordingPrinting.h"
#include "support/TestSupport.h"
#include "ui/common/QtBoxLines.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"
#include "ui/print/PrintActions.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testing;

namespace {

const QString NoSize = QStringLiteral("Не установлены параметры конверта");

struct Fixture
{
    TestProgram program;
    MainWindow *main = nullptr;

    Fixture()
    {
        settings::writeEnvelopeSize(program.dir().workDir(), 110, 220);
        settings::writeSenderFont(program.dir().workDir(), FontSetting{QStringLiteral("Arial"), 10, false, false});
        settings::writeRecipientFont(program.dir().workDir(),
                                     FontSetting{QStringLiteral("Times New Roman"), 12, true, true});
        main = program.start();
        main->senderBox()->setPlainText(QStringLiteral("Иванов И. И.\nКиев"));
        main->recipientBox()->setPlainText(QStringLiteral("Петров П. П.\nХарьков\n61000"));
    }
    RecordingPrinting &rec() { return static_cast<RecordingPrinting &>(program.printing()); }
    FeedMethodDialog *feed() { return program.feedMethodDialog(); }
    void confirmFeed(const char *radio = "leftEdgeButton")
    {
        feed()->findChild<QRadioButton *>(QString::fromLatin1(radio))->setChecked(true);
        feed()->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    }
    QStringList printed() const
    {
        QStringList out;
        for (const RecordedText &t : const_cast<Fixture *>(this)->rec().texts)
            out.append(t.text);
        return out;
    }
};

} // namespace

class TestSinglePrint : public QObject
{
    Q_OBJECT
private slots:
    void printsOnlyAfterTheFeedMethodIsConfirmed()
    {
        Fixture f;
        f.main->printEnvelope();
        QVERIFY(f.feed()->isVisible());
        QVERIFY(f.rec().calls.isEmpty());
        QVERIFY(f.program.messages().all.isEmpty());

        // Cancel keeps the gate shut.
        f.feed()->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        QVERIFY(!f.feed()->isVisible());
        f.main->printEnvelope();
        QVERIFY(f.rec().calls.isEmpty());

        f.confirmFeed();
        QVERIFY(!f.feed()->isVisible());
        f.main->printEnvelope();
        QVERIFY(f.feed()->isVisible()); // shown again, without waiting, at every print
        QCOMPARE(f.rec().calls,
                 (QStringList{QStringLiteral("portrait"), QStringLiteral("title Велтора"), QStringLiteral("begin"),
                              QStringLiteral("font Arial 10"), QStringLiteral("font Times New Roman 12 bold italic"),
                              QStringLiteral("end")}));
        QCOMPARE(f.printed(),
                 (QStringList{QStringLiteral("Иванов И. И."), QStringLiteral("Киев"), QStringLiteral("Петров П. П."),
                              QStringLiteral("Харьков"), QStringLiteral("61000")}));
        const QList<RecordedText> &t = f.rec().texts;
        const int h = f.rec().lineHeight;
        QCOMPARE(QPoint(t[0].x, t[0].y), QPoint(70, 290));
        QCOMPARE(QPoint(t[1].x, t[1].y), QPoint(70, 290 + h));
        QCOMPARE(QPoint(t[2].x, t[2].y), QPoint(1876, 817));
        QCOMPARE(QPoint(t[4].x, t[4].y), QPoint(1876, 817 + 2 * h));
        QVERIFY(!f.rec().printing());
    }

    void sizeMissing_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::newRow("no width") << 110 << 0;
        QTest::newRow("no height") << 0 << 220;
    }
    void sizeMissing()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        Fixture f;
        f.confirmFeed();
        f.program.state().setEnvelopeSize(f.program.state().envelopeWidth(), height);
        f.program.state().setEnvelopeSize(width, f.program.state().envelopeHeight());
        f.main->printEnvelope();
        QCOMPARE(f.program.messages().shown, QStringList{NoSize});
        QVERIFY(f.rec().calls.isEmpty());
    }

    void feedMethodIsTheLastRecordOfEnvs_data()
    {
        QTest::addColumn<QByteArray>("envs");
        QTest::addColumn<int>("homeX");
        // A4: printable width 2814 units, D = 2814 - 2948 = -134.
        QTest::newRow("left then centre: centre") << QByteArray("\x01\0\0\0\x04\0\0\0", 8) << -64;
        QTest::newRow("centre then left: left") << QByteArray("\x04\0\0\0\x01\0\0\0", 8) << 70;
        QTest::newRow("0 prints as left edge") << QByteArray("\0\0\0\0", 4) << 70;
    }
    void feedMethodIsTheLastRecordOfEnvs()
    {
        QFETCH(QByteArray, envs);
        QFETCH(int, homeX);
        Fixture f;
        f.confirmFeed();
        f.program.dir().write(QStringLiteral("envs"), envs);
        f.main->printEnvelope();
        QCOMPARE(f.rec().texts.first().x, homeX);
    }

    void unreadableSettingsStopThePrint_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("issel") << QStringLiteral("issel");
        QTest::newRow("envs") << QStringLiteral("envs");
    }
    void unreadableSettingsStopThePrint()
    {
        QFETCH(QString, file);
        Fixture f;
        f.confirmFeed();
        f.program.dir().remove(file);
        f.main->printEnvelope();
        QCOMPARE(f.program.messages().errors, QStringList{QStringLiteral("File not found")});
        QVERIFY(f.rec().calls.isEmpty());
    }

    void everyStyleIsSetForEachBlock()
    {
        Fixture f;
        f.confirmFeed();
        f.main->printEnvelope();
        f.main->printEnvelope(); // the bold italic recipient font of the first print does not leak
        const QList<RecordedText> &t = f.rec().texts;
        QCOMPARE(t.size(), 10);
        for (int i : {5, 6}) {
            QCOMPARE(t[i].face, QStringLiteral("Arial"));
            QVERIFY(!t[i].bold && !t[i].italic);
        }
        for (int i : {7, 8, 9}) {
            QCOMPARE(t[i].face, QStringLiteral("Times New Roman"));
            QCOMPARE(t[i].size, 12);
            QVERIFY(t[i].bold && t[i].italic);
        }
    }

    void recipientLinesAreTidiedInTheBox()
    {
        Fixture f;
        f.confirmFeed();
        f.main->recipientBox()->setPlainText(QStringLiteral("Петров\nПетров\nул. Мира\t\nд.\t5"));
        f.main->printEnvelope();
        const QStringList expected{QStringLiteral("Петров"), QStringLiteral("ул. Мира"), QStringLiteral("д.\t5")};
        QCOMPARE(f.printed().mid(2), expected);
        QCOMPARE(displayedLines(*f.main->recipientBox()), expected);
        QCOMPARE(f.rec().texts[2].y, 817); // the remaining first line takes the block's start
    }

    void wrappedLinesPrintAsTheBoxShowsThem()
    {
        Fixture f;
        f.confirmFeed();
        const QString longLine =
            QStringLiteral("Днепропетровская область, Криворожский район, село Широкое, улица Центральная");
        f.main->senderBox()->setPlainText(longLine + QStringLiteral("\nКиев\n"));
        const QStringList shown = displayedLines(*f.main->senderBox());
        QVERIFY(shown.size() > 3);                      // the long line wraps
        QCOMPARE(shown.last(), QStringLiteral("Киев")); // the final line break adds no line
        QCOMPARE(shown.join(QLatin1Char(' ')), longLine + QStringLiteral(" Киев"));
        f.main->printEnvelope();
        const QList<RecordedText> &t = f.rec().texts;
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(t[i].text, shown[i]);
            QCOMPARE(t[i].y, 290 + i * f.rec().lineHeight);
        }
    }

    void emptyBoxesPrintAnEmptyPage()
    {
        Fixture f;
        f.confirmFeed();
        f.main->senderBox()->clear();
        f.main->recipientBox()->clear();
        f.main->printEnvelope();
        QVERIFY(f.rec().texts.isEmpty());
        QVERIFY(f.rec().calls.contains(QStringLiteral("end")));
    }

    void failureAfterBeginAbortsTheJob()
    {
        Fixture f;
        f.confirmFeed();
        f.rec().failAfterTexts = 1;
        f.main->printEnvelope();
        QCOMPARE(f.program.messages().errors, QStringList{QStringLiteral("Printer is out of paper")});
        QVERIFY(f.rec().calls.contains(QStringLiteral("abort")));
        QVERIFY(!f.rec().calls.contains(QStringLiteral("end")));
        QVERIFY(!f.rec().printing());

        // The printer is free again for the next print.
        f.rec().failAfterTexts = -1;
        f.rec().calls.clear();
        f.main->printEnvelope();
        QVERIFY(f.rec().calls.contains(QStringLiteral("end")));
    }

    void printerRefusingTheJobIsReported()
    {
        Fixture f;
        f.confirmFeed();
        f.rec().failOnBegin = true;
        f.main->printEnvelope();
        QCOMPARE(f.program.messages().errors, QStringList{QStringLiteral("Printer selected is not valid")});
        QVERIFY(f.rec().texts.isEmpty());
        QVERIFY(!f.rec().calls.contains(QStringLiteral("abort")));
    }

    void singlePrintKeepsTheCopiesOfTheLastBatch()
    {
        Fixture f;
        f.confirmFeed();
        f.rec().setCopies(3);
        f.rec().calls.clear();
        f.main->printEnvelope();
        QCOMPARE(f.rec().copies, 3);
        QVERIFY(!f.rec().calls.join(u' ').contains(QStringLiteral("copies")));
    }
};

QTEST_MAIN(TestSinglePrint)
#include "test_singleprint.moc"
