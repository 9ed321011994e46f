// The feed-method window: what its creation at start-up does with "issel" and "envs", and what
// OK and "Отмена" leave in the files.

#include "logic/files/SettingsFiles.h"
#include "support/TestSupport.h"
#include "ui/print/FeedMethodDialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testing;

namespace {

QByteArray int32(qint32 v)
{
    return settings::int32Record(v);
}

QRadioButton *radio(FeedMethodDialog *form, const char *name)
{
    return form->findChild<QRadioButton *>(QString::fromLatin1(name));
}

void click(FeedMethodDialog *form, const char *name)
{
    form->findChild<QPushButton *>(QString::fromLatin1(name))->click();
}

} // namespace

class TestFeedMethod : public QObject
{
    Q_OBJECT
private slots:
    void creation_data()
    {
        QTest::addColumn<QByteArray>("envs");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("left edge") << int32(1) << true << true << false << QStringList();
        QTest::newRow("centre") << int32(4) << true << false << true << QStringList();
        QTest::newRow("other value: neither") << int32(7) << true << false << false << QStringList();
        QTest::newRow("first of two records") << int32(1) + int32(4) << true << true << false << QStringList();
        QTest::newRow("missing") << QByteArray() << false << false << false
                                 << QStringList{QStringLiteral("File not found")};
        QTest::newRow("short") << QByteArray("\x01", 1) << true << false << false
                               << QStringList{QStringLiteral("Read beyond end of file")};
    }
    void creation()
    {
        QFETCH(QByteArray, envs);
        QFETCH(bool, present);
        QFETCH(bool, left);
        QFETCH(bool, centre);
        QFETCH(QStringList, errors);
        TestProgram program;
        program.dir().write(QStringLiteral("issel"), QByteArray("\x01", 1));
        if (present)
            program.dir().write(QStringLiteral("envs"), envs);
        else
            program.dir().remove(QStringLiteral("envs"));
        program.start();
        FeedMethodDialog *form = program.feedMethodDialog();
        QVERIFY(!form->isVisible());
        QCOMPARE(program.dir().read(QStringLiteral("issel")), QByteArray("\x00", 1));
        QCOMPARE(radio(form, "leftEdgeButton")->isChecked(), left);
        QCOMPARE(radio(form, "centreButton")->isChecked(), centre);
        QCOMPARE(program.messages().errors, errors);
        QCOMPARE(form->windowTitle(), QStringLiteral("Способ загрузки конверта"));
    }

    void confirm_data()
    {
        QTest::addColumn<QByteArray>("envs");
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("left edge") << int32(4) << QStringLiteral("leftEdgeButton") << int32(1);
        QTest::newRow("centre") << int32(1) + int32(1) << QStringLiteral("centreButton") << int32(4);
        QTest::newRow("stored choice kept") << int32(4) << QString() << int32(4);
        QTest::newRow("nothing chosen, nothing confirmed yet") << int32(9) << QString() << int32(0);
    }
    void confirm()
    {
        QFETCH(QByteArray, envs);
        QFETCH(QString, choose);
        QFETCH(QByteArray, expected);
        TestProgram program;
        program.dir().write(QStringLiteral("envs"), envs);
        program.start();
        FeedMethodDialog *form = program.feedMethodDialog();
        form->show();
        if (!choose.isEmpty())
            form->findChild<QRadioButton *>(choose)->setChecked(true);
        click(form, "okButton");
        QCOMPARE(program.dir().read(QStringLiteral("envs")), expected);
        QCOMPARE(program.dir().read(QStringLiteral("issel")), QByteArray("\x01", 1));
        QVERIFY(!form->isVisible());
        QVERIFY(program.messages().all.isEmpty());
    }

    void confirmingTwiceKeepsTheSecondChoice()
    {
        TestProgram program;
        program.start();
        FeedMethodDialog *form = program.feedMethodDialog();
        radio(form, "centreButton")->setChecked(true);
        click(form, "okButton");
        radio(form, "leftEdgeButton")->setChecked(true);
        click(form, "okButton");
        QCOMPARE(program.dir().read(QStringLiteral("envs")), int32(1));
        QCOMPARE(form->confirmedFeedMethod(), FeedMethod::LeftEdge);
    }

    void cancelTouchesNoFile()
    {
        TestProgram program;
        program.dir().write(QStringLiteral("envs"), int32(1) + int32(4));
        program.start();
        FeedMethodDialog *form = program.feedMethodDialog();
        form->show();
        radio(form, "centreButton")->setChecked(true);
        click(form, "cancelButton");
        QVERIFY(!form->isVisible());
        QCOMPARE(program.dir().read(QStringLiteral("envs")), int32(1) + int32(4));
        QCOMPARE(program.dir().read(QStringLiteral("issel")), QByteArray("\x00", 1));
    }

    void failedWriteKeepsTheWindowOpen()
    {
        TestProgram program;
        program.start();
        FeedMethodDialog *form = program.feedMethodDialog();
        form->show();
        // A folder in place of the file: the write fails and the handler stops at that step.
        program.dir().remove(QStringLiteral("envs"));
        QVERIFY(QDir(program.dir().path()).mkdir(QStringLiteral("envs")));
        radio(form, "leftEdgeButton")->setChecked(true);
        click(form, "okButton");
        QCOMPARE(program.messages().errors.size(), 1);
        QVERIFY(form->isVisible());
        QCOMPARE(program.dir().read(QStringLiteral("issel")), QByteArray("\x00", 1));
    }
};

QTEST_MAIN(TestFeedMethod)
#include "test_feedmethod.moc"
