// The font setup window: how it opens, what OK writes to "HomeFont" and "AddrFont", the size
// that is not a number, and the samples that follow the controls.

#include "logic/files/SettingsFiles.h"
#include "support/TestSupport.h"
#include "ui/envelope/FontSetupDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace testing;

namespace {

// The faces of the recording printer: Arial, Courier New, Times New Roman, Liberation Sans.
const QString Third = QStringLiteral("Times New Roman");

template <typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

} // namespace

class TestFontSetup : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTheStoredChoice()
    {
        TestProgram program;
        settings::writeSenderFont(program.dir().workDir(), FontSetting{QStringLiteral("Courier New"), 14, true, false});
        settings::writeRecipientFont(program.dir().workDir(), FontSetting{QStringLiteral("Old Face"), 40, false, true});
        program.start();
        FontSetupDialog form(program.ctx());
        QCOMPARE(child<QListWidget>(&form, "senderFontList")->currentItem()->text(), QStringLiteral("Courier New"));
        QCOMPARE(child<QComboBox>(&form, "senderSizeBox")->currentText(), QStringLiteral("14"));
        QVERIFY(child<QCheckBox>(&form, "senderBoldBox")->isChecked());
        QVERIFY(!child<QCheckBox>(&form, "senderItalicBox")->isChecked());
        QCOMPARE(child<QListWidget>(&form, "recipientFontList")->currentItem(), nullptr); // not among the faces
        QCOMPARE(child<QComboBox>(&form, "recipientSizeBox")->currentText(), QStringLiteral("40"));
        QVERIFY(child<QCheckBox>(&form, "recipientItalicBox")->isChecked());
        QCOMPARE(child<QComboBox>(&form, "recipientSizeBox")->count(), 29);

        // OK without touching anything keeps both choices.
        const QByteArray home = program.dir().read(QStringLiteral("HomeFont"));
        const QByteArray addr = program.dir().read(QStringLiteral("AddrFont"));
        child<QPushButton>(&form, "okButton")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(program.dir().read(QStringLiteral("HomeFont")), home);
        QCOMPARE(program.dir().read(QStringLiteral("AddrFont")), addr);
    }

    void opensWithTheThirdFaceWhenASettingCannotBeRead()
    {
        TestProgram program;
        program.start();
        settings::writeSenderFont(program.dir().workDir(), FontSetting{QStringLiteral("Arial"), 14, true, true});
        program.dir().remove(QStringLiteral("AddrFont"));
        FontSetupDialog form(program.ctx());
        QVERIFY(program.messages().all.isEmpty());
        for (const char *list : {"recipientFontList", "senderFontList"})
            QCOMPARE(child<QListWidget>(&form, list)->currentRow(), 2);
        for (const char *box : {"recipientSizeBox", "senderSizeBox"})
            QCOMPARE(child<QComboBox>(&form, box)->currentText(), QStringLiteral("8"));
        for (const char *check : {"recipientBoldBox", "recipientItalicBox", "senderBoldBox", "senderItalicBox"})
            QVERIFY(!child<QCheckBox>(&form, check)->isChecked());
        child<QPushButton>(&form, "okButton")->click();
        const FontSetting plain{Third, 8, false, false};
        QCOMPARE(settings::readSenderFont(program.dir().workDir()), plain);
        QCOMPARE(settings::readRecipientFont(program.dir().workDir()), plain);
    }

    void sizesOnOk_data()
    {
        QTest::addColumn<QString>("homeSize");
        QTest::addColumn<QString>("addrSize");
        QTest::addColumn<bool>("homeWritten");
        QTest::addColumn<bool>("addrWritten");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("both numbers, beyond the list")
            << QStringLiteral("40") << QStringLiteral(" 9") << true << true << QStringList();
        QTest::newRow("sender size wrong: nothing written")
            << QStringLiteral("12pt") << QStringLiteral("10") << false << false
            << QStringList{QStringLiteral("'12pt' is not a valid integer value")};
        QTest::newRow("recipient size wrong: sender written")
            << QStringLiteral("12") << QString() << true << false
            << QStringList{QStringLiteral("'' is not a valid integer value")};
    }
    void sizesOnOk()
    {
        QFETCH(QString, homeSize);
        QFETCH(QString, addrSize);
        QFETCH(bool, homeWritten);
        QFETCH(bool, addrWritten);
        QFETCH(QStringList, errors);
        TestProgram program;
        program.start();
        const QByteArray oldHome = program.dir().read(QStringLiteral("HomeFont"));
        const QByteArray oldAddr = program.dir().read(QStringLiteral("AddrFont"));
        FontSetupDialog form(program.ctx());
        child<QListWidget>(&form, "senderFontList")->setCurrentRow(0);
        child<QListWidget>(&form, "recipientFontList")->setCurrentRow(1);
        child<QCheckBox>(&form, "senderBoldBox")->setChecked(false);
        child<QCheckBox>(&form, "recipientBoldBox")->setChecked(true);
        child<QComboBox>(&form, "senderSizeBox")->setEditText(homeSize);
        child<QComboBox>(&form, "recipientSizeBox")->setEditText(addrSize);
        child<QPushButton>(&form, "okButton")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted)); // closes with OK even when storing failed
        QCOMPARE(program.messages().errors, errors);
        if (homeWritten)
            QCOMPARE(settings::readSenderFont(program.dir().workDir()),
                     (FontSetting{QStringLiteral("Arial"), homeSize.trimmed().toInt(), false, false}));
        else
            QCOMPARE(program.dir().read(QStringLiteral("HomeFont")), oldHome);
        if (addrWritten)
            QCOMPARE(settings::readRecipientFont(program.dir().workDir()),
                     (FontSetting{QStringLiteral("Courier New"), addrSize.trimmed().toInt(), true, false}));
        else
            QCOMPARE(program.dir().read(QStringLiteral("AddrFont")), oldAddr);
    }

    void cancelWritesNothing()
    {
        TestProgram program;
        program.start();
        const QByteArray oldHome = program.dir().read(QStringLiteral("HomeFont"));
        FontSetupDialog form(program.ctx());
        child<QComboBox>(&form, "senderSizeBox")->setEditText(QStringLiteral("30"));
        child<QPushButton>(&form, "cancelButton")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(program.dir().read(QStringLiteral("HomeFont")), oldHome);
    }

    void samplesFollowTheirHalf()
    {
        TestProgram program;
        program.dir().remove(QStringLiteral("HomeFont"));
        program.start();
        FontSetupDialog form(program.ctx());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *sample2 = child<QLabel>(&form, "senderSample");
        auto *sample1 = child<QLabel>(&form, "recipientSample");
        const QFont designed = sample1->font();
        QCOMPARE(sample2->font().pixelSize(), 16);

        auto *list = child<QListWidget>(&form, "senderFontList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(sample2->font().family(), QStringLiteral("Courier New"));
        QTest::mouseClick(child<QCheckBox>(&form, "senderBoldBox"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>(&form, "senderItalicBox"), Qt::LeftButton);
        QVERIFY(sample2->font().bold() && sample2->font().italic());
        QTest::mouseClick(child<QCheckBox>(&form, "senderBoldBox"), Qt::LeftButton);
        QVERIFY(!sample2->font().bold());
        QCOMPARE(sample2->font().pixelSize(), 16); // the size boxes leave the sample alone
        QCOMPARE(sample1->font(), designed);       // the other half is untouched
    }
};

QTEST_MAIN(TestFontSetup)
#include "test_fontsetup.moc"
