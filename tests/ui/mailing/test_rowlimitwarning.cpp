// The line-limit warning and the file "ShowFile" that turns it off.

#include "logic/print/PrintingService.h"
#include "support/TestSupport.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/RowLimitWarning.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace testing;

class TestRowLimitWarning : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<GroupMailingWindow> window;

    // Switches the group mailing window to another source; the warning, if it comes, is handled by
    // `answer` while it is shown. Returns whether it was shown.
    bool switchToOtherSource(const std::function<void(RowLimitWarning &)> &answer)
    {
        if (!window)
            window = std::make_unique<GroupMailingWindow>(program->ctx(), nullptr, nullptr, nullptr);
        window->showFor(GroupMailingWindow::Origin::ExtrasMenu);
        bool shown = false;
        QTimer::singleShot(0, window.get(), [&] {
            if (auto *form = qobject_cast<RowLimitWarning *>(QApplication::activeModalWidget())) {
                shown = true;
                answer(*form);
            }
        });
        window->findChild<QRadioButton *>(QStringLiteral("otherSourceButton"))->click();
        return shown;
    }

private slots:
    void init() { program = std::make_unique<TestProgram>(false); }
    void cleanup()
    {
        window.reset();
        program.reset();
    }

    void showFileByCheckBox_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QByteArray>("showFile");
        QTest::newRow("closed untouched") << 0 << QByteArray();
        QTest::newRow("ticked") << 1 << QByteArray(1, '\1');
        QTest::newRow("ticked and unticked") << 2 << QByteArray(1, '\0');
    }
    void showFileByCheckBox()
    {
        QFETCH(int, clicks);
        QFETCH(QByteArray, showFile);
        program->dir().write(QStringLiteral("Book.txt"), QByteArray());
        const bool shown = switchToOtherSource([&](RowLimitWarning &form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Велтора"));
            for (int i = 0; i < clicks; ++i)
                QTest::mouseClick(form.checkBox(), Qt::LeftButton);
            QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        });
        QVERIFY(shown);
        QCOMPARE(program->dir().exists(QStringLiteral("ShowFile")), !showFile.isEmpty());
        if (!showFile.isEmpty())
            QCOMPARE(program->dir().read(QStringLiteral("ShowFile")), showFile);

        // Only the file's existence counts, whatever it holds.
        const bool shownAgain = switchToOtherSource([](RowLimitWarning &form) { form.close(); });
        QCOMPARE(shownAgain, showFile.isEmpty());
        QVERIFY(program->messages().all.isEmpty());
    }
};

QTEST_MAIN(TestRowLimitWarning)
#include "test_rowlimitwarning.moc"
