// The sender information window and "user.txt", byte for byte.

#include "logic/print/PrintingService.h"
#include "support/FailingWrites.h"
#include "support/TestSupport.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace testing;

namespace {

const QString User = QStringLiteral("user.txt");

QPushButton *button(SenderDialog &form, const char *name)
{
    return form.findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestSenderDialog : public QObject
{
    Q_OBJECT
private slots:
    void readAndSaveLineBreaks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray three = cp1251(QStringLiteral("Иванов И.И.\r\nул. Мира, 1\r\nКиев"));
        QTest::newRow("CR LF, none after the last line")
            << three
            << QStringList{QStringLiteral("Иванов И.И."), QStringLiteral("ул. Мира, 1"), QStringLiteral("Киев")}
            << three;
        QTest::newRow("LF from another program")
            << cp1251(QStringLiteral("Иванов И.И.\nул. Мира, 1\nКиев\n"))
            << QStringList{QStringLiteral("Иванов И.И."), QStringLiteral("ул. Мира, 1"), QStringLiteral("Киев"), {}}
            << three + "\r\n";
        QTest::newRow("lone CR") << QByteArray("a\rb\r\rc") << QStringLiteral("a b  c").split(QLatin1Char(' '))
                                 << QByteArray("a\r\nb\r\n\r\nc");
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringLiteral("a b c d").split(QLatin1Char(' '))
                               << QByteArray("a\r\nb\r\nc\r\nd");
        QTest::newRow("empty file") << QByteArray() << QStringList{QString()} << QByteArray();
        QTest::newRow("non-breaking space kept") << QByteArray("a\xa0"
                                                               "b")
                                                 << QStringList{QStringLiteral("a\u00a0b")}
                                                 << QByteArray("a\xa0"
                                                               "b");
    }
    void readAndSaveLineBreaks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, saved);
        TestProgram program(false);
        program.dir().write(User, file);
        SenderDialog form(program.ctx());
        QCOMPARE(form.text().split(QLatin1Char('\n')), lines);
        button(form, "saveButton")->click();
        QCOMPARE(program.dir().read(User), saved);
        QVERIFY(program.messages().all.isEmpty());
    }

    void typedLinesClearAndSave()
    {
        TestProgram program(false);
        program.dir().write(User, QByteArray("old"));
        SenderDialog form(program.ctx());
        form.show();
        form.senderBox()->clear();
        QTest::keyClicks(form.senderBox(), QStringLiteral("one"));
        QTest::keyClick(form.senderBox(), Qt::Key_Return);
        QTest::keyClicks(form.senderBox(), QStringLiteral("two"));
        QTest::keyClick(form.senderBox(), Qt::Key_Return, Qt::ShiftModifier); // a line break too
        QTest::keyClicks(form.senderBox(), QStringLiteral("three"));
        button(form, "saveButton")->click();
        QCOMPARE(program.dir().read(User), QByteArray("one\r\ntwo\r\nthree"));

        button(form, "clearButton")->click();
        QVERIFY(form.senderBox()->toPlainText().isEmpty());
        QCOMPARE(program.dir().read(User), QByteArray("one\r\ntwo\r\nthree")); // until "Сохранить"
        button(form, "saveButton")->click();
        QCOMPARE(program.dir().read(User), QByteArray());
        QVERIFY(program.dir().exists(User));

        button(form, "closeButton")->click();
        QVERIFY(!form.isVisible());
    }

    void missingFileOpensEmptyAndSaveCreatesIt()
    {
        TestProgram program(false);
        SenderDialog form(program.ctx());
        QCOMPARE(program.messages().errors, QStringList({QStringLiteral("File not found")}));
        QVERIFY(form.senderBox()->toPlainText().isEmpty());
        form.senderBox()->setPlainText(QStringLiteral("Отправитель"));
        button(form, "saveButton")->click();
        QCOMPARE(program.dir().read(User), cp1251(QStringLiteral("Отправитель")));
        QCOMPARE(program.messages().errors.size(), 1);
    }

    void failedSaveKeepsFileAndBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("disk full") << QStringLiteral("Новый отправитель, длинная строка") << true;
        QTest::newRow("character outside code page 1251") << QStringLiteral("Ли 李") << false;
    }
    void failedSaveKeepsFileAndBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, fullDisk);
        if (fullDisk && !FailingWrites::supported)
            QSKIP("no way to make writes fail on this system");
        TestProgram program(false);
        const QByteArray old = cp1251(QStringLiteral("Старый\r\nадрес"));
        program.dir().write(User, old);
        SenderDialog form(program.ctx());
        form.senderBox()->setPlainText(text);
        {
            std::optional<FailingWrites> failing;
            if (fullDisk)
                failing.emplace();
            button(form, "saveButton")->click();
        }
        QCOMPARE(program.messages().errors.size(), 1);
        QCOMPARE(program.dir().read(User), old);
        QCOMPARE(form.senderBox()->toPlainText(), text);
    }

    void mainWindowOpensItModally()
    {
        TestProgram program(false);
        program.dir().write(User, QByteArray("Sender"));
        MainWindow *main = program.start();
        main->show();
        for (const QString &action : {QStringLiteral("senderAction"), QStringLiteral("senderButton")}) {
            QString seen;
            QTimer::singleShot(0, [&] {
                if (auto *form = qobject_cast<SenderDialog *>(QApplication::activeModalWidget())) {
                    seen = form->senderBox()->toPlainText();
                    form->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
                }
            });
            main->findChild<QAction *>(action)->trigger();
            QCOMPARE(seen, QStringLiteral("Sender"));
        }
    }
};

QTEST_MAIN(TestSenderDialog)
#include "test_senderdialog.moc"
