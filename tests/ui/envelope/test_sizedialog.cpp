// The size dialog: captions of "envs.txt", exact comparison, the layout and the files it writes.

#include "logic/envelope/EnvelopeSizes.h"
#include "logic/files/SettingsFiles.h"
#include "support/TestSupport.h"
#include "ui/envelope/SizeDialog.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing;

class TestSizeDialog : public QObject
{
    Q_OBJECT
private slots:
    void captionLookup_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        const QStringList ten = {QStringLiteral("С6  114x162"), QStringLiteral("E65  110x220"),
                                 QStringLiteral("C5  162x229"), QStringLiteral("C4  229x324"),
                                 QStringLiteral("B4  250x353"), QStringLiteral("K7  90x140"),
                                 QStringLiteral("K6  125x125"), QStringLiteral("K65  125x190"),
                                 QStringLiteral("K5  145x215"), QStringLiteral("K8  150x150")};
        QTest::newRow("typed exactly") << ten << QStringLiteral("K6  125x125") << 6;
        QTest::newRow("case differs") << ten << QStringLiteral("k6  125x125") << -1;
        QTest::newRow("prompt") << ten << QStringLiteral("Выберите размер конверта") << -1;
        QTest::newRow("latin C is not cyrillic С") << ten << QStringLiteral("C6  114x162") << -1;
        QStringList dup = ten;
        dup[4] = dup.at(2);
        QTest::newRow("duplicate: first wins") << dup << ten.at(2) << 2;
        QTest::newRow("eight lines, empty text") << ten.mid(0, 8) << QString() << 8;
        QStringList eleven = ten;
        eleven.append(QStringLiteral("extra"));
        QTest::newRow("after the tenth") << eleven << QStringLiteral("extra") << -1;
    }
    void captionLookup()
    {
        QFETCH(QStringList, captions);
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(sizeIndexForCaption(text, captions), index);
    }

    void layoutPerShapeClass_data()
    {
        QTest::addColumn<int>("envType");
        QTest::addColumn<QSize>("shape");
        QTest::addColumn<QPoint>("stamp");
        QTest::addColumn<QPoint>("recipient");
        QTest::addColumn<QPoint>("label");
        QTest::newRow("standard") << 1 << QSize(625, 448) << QPoint(562, 60) << QPoint(424, 319) << QPoint(424, 303);
        QTest::newRow("long") << 2 << QSize(650, 310) << QPoint(587, 60) << QPoint(449, 181) << QPoint(449, 165);
        QTest::newRow("square") << 3 << QSize(500, 450) << QPoint(437, 60) << QPoint(299, 321) << QPoint(299, 305);
    }
    void layoutPerShapeClass()
    {
        QFETCH(int, envType);
        QFETCH(QSize, shape);
        QFETCH(QPoint, stamp);
        QFETCH(QPoint, recipient);
        QFETCH(QPoint, label);
        const EnvelopeLayout l = envelopeLayout(EnvelopeShape(envType));
        QCOMPARE(l.shapeSize, shape);
        QCOMPARE(l.stampPos, stamp);
        QCOMPARE(l.recipientPos, recipient);
        QCOMPARE(l.recipientLabelPos, label);
        // An unknown class keeps the rectangle and still places the controls from it.
        EnvelopeLayoutInput in;
        in.shapeSize = shape;
        QCOMPARE(envelopeLayout(EnvelopeShape(7), in).recipientPos, recipient);
    }

    void okStoresTheChoice()
    {
        TestProgram program;
        MainWindow *main = program.start();
        SizeDialog dialog(program.ctx(), main);
        dialog.sizeBox()->setCurrentIndex(6);
        dialog.applyChosenSize();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(program.dir().read(QStringLiteral("parfile")), QByteArray("\x7d\0\0\0\x7d\0\0\0", 8));
        QCOMPARE(program.dir().read(QStringLiteral("envtip")), QByteArray("\x03\0\0\0", 4));
        QCOMPARE(program.state().envelopeShape(), EnvelopeShape::Square);
        QCOMPARE(main->findChild<QWidget *>(QStringLiteral("envelopeShape"))->size(), QSize(500, 450));
        QCOMPARE(main->findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(), QStringLiteral("125 X 125 мм"));
    }

    void unknownTextKeepsTheDialogOpen()
    {
        TestProgram program;
        MainWindow *main = program.start();
        const QByteArray parfile = program.dir().read(QStringLiteral("parfile"));
        SizeDialog dialog(program.ctx(), main);
        dialog.applyChosenSize(); // the prompt text is left untouched
        QCOMPARE(program.messages().shown, QStringList{QStringLiteral("Выберите размер конверта")});
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(program.dir().read(QStringLiteral("parfile")), parfile);
    }

    // Pasted in another letter case, the caption stays as pasted, whether OK is clicked or Enter
    // pressed, and is refused like any unknown text.
    void pastedCaptionInAnotherCaseIsRefused_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::newRow("OK") << false;
        QTest::newRow("Enter") << true;
    }
    void pastedCaptionInAnotherCaseIsRefused()
    {
        QFETCH(bool, enter);
        TestProgram program;
        MainWindow *main = program.start();
        main->show();
        const QByteArray parfile = program.dir().read(QStringLiteral("parfile"));
        const QByteArray envtip = program.dir().read(QStringLiteral("envtip"));
        const int width = program.state().envelopeWidth();
        const int height = program.state().envelopeHeight();
        QVERIFY(width != 150 || height != 150);
        SizeDialog dialog(program.ctx(), main);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit *text = dialog.sizeBox()->lineEdit();
        text->setFocus();
        text->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("k8  150x150"));
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        if (enter)
            QTest::keyClick(text, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        QCOMPARE(dialog.sizeBox()->currentText(), QStringLiteral("k8  150x150"));
        QCOMPARE(program.messages().shown, QStringList{QStringLiteral("Выберите размер конверта")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(program.state().envelopeWidth(), width);
        QCOMPARE(program.state().envelopeHeight(), height);
        QCOMPARE(program.dir().read(QStringLiteral("parfile")), parfile);
        QCOMPARE(program.dir().read(QStringLiteral("envtip")), envtip);
    }

    void emptiedTextWithEightCaptions()
    {
        TestProgram program;
        MainWindow *main = program.start();
        QStringList eight;
        for (int i = 0; i < 8; ++i)
            eight.append(QStringLiteral("Конверт %1").arg(i));
        program.dir().write(QStringLiteral("envs.txt"), crlfLines(eight));
        SizeDialog dialog(program.ctx(), main);
        dialog.sizeBox()->setEditText(QString());
        dialog.applyChosenSize();
        QCOMPARE(program.state().envelopeWidth(), 215);
        QCOMPARE(program.state().envelopeHeight(), 145);
        QCOMPARE(program.state().envelopeShape(), EnvelopeShape::Standard);
    }

    void missingCatalogue()
    {
        TestProgram program;
        MainWindow *main = program.start();
        program.dir().remove(QStringLiteral("envs.txt"));
        main->chooseEnvelopeSize();
        QCOMPARE(program.messages().errors.size(), 1);
        QVERIFY(program.messages().errors.first().contains(QStringLiteral("envs.txt")));
    }

    void installedCatalogue()
    {
        QFile file(QDir(installedDataDir()).filePath(QStringLiteral("envs.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xd1"
                                 "6  114x162\r\n")); // Cyrillic С in code page 1251
        QCOMPARE(bytes.count("\r\n"), 10);
        QVERIFY(bytes.endsWith("K8  150x150\r\n"));
    }
};

QTEST_MAIN(TestSizeDialog)
#include "test_sizedialog.moc"
