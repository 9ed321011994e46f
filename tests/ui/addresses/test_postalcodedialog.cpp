// The postal code directory window, driven through its controls.

#include "logic/addresses/PostalSearch.h"
#include "logic/print/PrintingService.h"
#include "support/TestSupport.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace testing;

namespace {

const QString kMissing = QStringLiteral("не хватает нужных параметров для поиска!");

int row(const char *file)
{
    return int(postal::regionFiles().indexOf(QString::fromLatin1(file)));
}

QStringList memoLines(PostalCodeDialog &form)
{
    QStringList lines;
    for (int i = 0; i < form.resultsList()->count(); ++i)
        lines.append(form.resultsList()->item(i)->text());
    return lines;
}

QPushButton *button(PostalCodeDialog &form, const char *name)
{
    return form.findChild<QPushButton *>(QString::fromLatin1(name));
}

// The entries of the fixture region file for "Суми", in file order.
QStringList sumyEntries()
{
    return {QStringLiteral(" 40000 м. Суми, Сумський р-н"),
            QStringLiteral(" 40001 м. Суми, Сумський р-н, відділення ВВ Суми 40001"),
            QStringLiteral(" 41000 с. Сумівка, Сумський р-н"), QString(),
            QStringLiteral("  42200 с. Суми-Суми, Роменський р-н")};
}

} // namespace

class TestPostalCodeDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;

    // A program whose Sumy region file is the fixture.
    TestProgram &program()
    {
        m_program = std::make_unique<TestProgram>();
        m_program->dir().write(QStringLiteral("Sumska.bsd"), fixtureBytes(QStringLiteral("addresses/region.bsd")));
        return *m_program;
    }

    void search(PostalCodeDialog &form, int region, const QString &locality)
    {
        form.regionBox()->setCurrentIndex(region);
        form.localityBox()->setText(locality);
        QTest::mouseClick(button(form, "searchButton"), Qt::LeftButton);
    }

private slots:
    void cleanup() { m_program.reset(); }

    void opening()
    {
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        QCOMPARE(form.windowTitle(), QStringLiteral("Справочник почтовых индексов Украины"));
        QCOMPARE(form.regionBox()->count(), 25);
        QCOMPARE(form.regionBox()->itemText(24), QStringLiteral("Винницкая"));
        QCOMPARE(form.regionBox()->currentText(), QStringLiteral("Выберите область"));
        QCOMPARE(form.selectedRegion(), -1);
        QCOMPARE(form.resultsList()->count(), 0);
        QVERIFY(p.messages().all.isEmpty());
    }

    void sameResultsFromEveryTrigger_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Искать") << QStringLiteral("button");
        QTest::newRow("Enter") << QStringLiteral("return");
        QTest::newRow("keypad Enter") << QStringLiteral("enter");
    }
    void sameResultsFromEveryTrigger()
    {
        QFETCH(QString, trigger);
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        form.show();
        form.regionBox()->setCurrentIndex(row("Sumska.bsd"));
        form.localityBox()->setText(QStringLiteral("суми"));
        form.localityBox()->setFocus();
        if (trigger == QLatin1String("button"))
            QTest::mouseClick(button(form, "searchButton"), Qt::LeftButton);
        else
            QTest::keyClick(form.localityBox(), trigger == QLatin1String("return") ? Qt::Key_Return : Qt::Key_Enter);
        // Exactly one search: Enter is not also taken by a button of the window.
        QCOMPARE(memoLines(form), sumyEntries());
        QVERIFY(form.isVisible());
        QVERIFY(p.messages().all.isEmpty());
    }

    void eachSearchReplacesTheList()
    {
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        search(form, row("Sumska.bsd"), QStringLiteral("Суми"));
        QCOMPARE(memoLines(form), sumyEntries());
        search(form, row("Sumska.bsd"), QStringLiteral("Ромни"));
        QCOMPARE(memoLines(form), QStringList{QStringLiteral(" 42000 м. Ромни, Роменський р-н")});
        search(form, row("Sumska.bsd"), QStringLiteral("Полтава")); // finds nothing: an empty list
        QCOMPARE(form.resultsList()->count(), 0);
        search(form, row("Sumska.bsd"), QStringLiteral("- '")); // an empty key: nothing, no message
        QCOMPARE(form.resultsList()->count(), 0);
        search(form, row("Vinnizka.bsd"), QStringLiteral("21001"));
        QCOMPARE(memoLines(form), QStringList{QStringLiteral(" 21001 м. Вінниця, Вінницький р-н")});
        QVERIFY(p.messages().all.isEmpty());

        QTest::mouseClick(button(form, "clearButton"), Qt::LeftButton);
        QCOMPARE(form.resultsList()->count(), 0);
        QVERIFY(form.localityBox()->text().isEmpty());
        QCOMPARE(form.selectedRegion(), row("Vinnizka.bsd"));
    }

    void withoutRegionEveryRegionSearched_data()
    {
        QTest::addColumn<QString>("regionText");
        QTest::newRow("nothing chosen") << QStringLiteral("Выберите область");
        QTest::newRow("text that names no region") << QStringLiteral("Сумы");
    }
    void withoutRegionEveryRegionSearched()
    {
        QFETCH(QString, regionText);
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        form.regionBox()->setEditText(regionText);
        form.localityBox()->setText(QStringLiteral("Ромни"));
        QTest::keyClick(form.localityBox(), Qt::Key_Return);
        QVERIFY(p.messages().all.isEmpty());
        // The region follows each entry; the fixture's Sumy file is searched with the shipped others.
        const QStringList found = memoLines(form);
        QVERIFY(found.contains(QStringLiteral(" 42000 м. Ромни, Сумська обл., Роменський р-н")));
        for (const QString &line : found)
            QVERIFY2(line.contains(QStringLiteral(" обл.")), qPrintable(line));

        // Entries of other regions, in the order of the region table; the city of Kyiv is its own region.
        form.localityBox()->setText(QStringLiteral("Трускавець"));
        form.search();
        QCOMPARE(memoLines(form).value(0), QStringLiteral(" 82200 м. Трускавець, Львівська обл., Дрогобицький р-н"));
        form.localityBox()->setText(QStringLiteral("01001"));
        form.search();
        QCOMPARE(memoLines(form), QStringList{QStringLiteral(" 01001 м. Київ")});
    }

    void insertIntoRecipientBox()
    {
        TestProgram &p = program();
        MainWindow *main = p.start();
        main->recipientBox()->setPlainText(QStringLiteral("Коваль Олег\nвул. Франка, 1"));
        PostalCodeDialog form(p.ctx(), main);
        connect(&form, &PostalCodeDialog::insertRequested, main, &MainWindow::insertIntoRecipientBox);
        QSignalSpy inserted(&form, &PostalCodeDialog::insertRequested);
        form.show();

        // Nothing found, nothing chosen: said, and the window stays.
        QTest::mouseClick(button(form, "insertButton"), Qt::LeftButton);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(p.messages().shown.size(), 1);
        QVERIFY(form.isVisible());

        form.localityBox()->setText(QStringLiteral("Трускавец"));
        form.search();
        QCOMPARE(form.resultsList()->currentRow(), 0); // the first entry found is chosen
        form.resultsList()->setCurrentRow(1);
        QCOMPARE(form.resultsList()->currentItem()->text().left(6), QStringLiteral(" 82208"));
        form.withLocalityBox()->setChecked(true);
        QTest::mouseClick(button(form, "insertButton"), Qt::LeftButton);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(
            inserted.at(0).at(0).toStringList(),
            (QStringList{QStringLiteral("м. Трускавець"), QStringLiteral("Львівська обл."), QStringLiteral("82208")}));
        QVERIFY(!form.isVisible());
        QCOMPARE(main->recipientBox()->toPlainText(),
                 QStringLiteral("Коваль Олег\nвул. Франка, 1\nм. Трускавець\nЛьвівська обл.\n82208"));

        // The code alone; the city of Kyiv has no region line.
        form.withLocalityBox()->setChecked(false);
        QCOMPARE(form.linesToInsert(form.resultsList()->item(0)), QStringList{QStringLiteral("82200")});
        form.localityBox()->setText(QStringLiteral("01001"));
        form.search();
        form.withLocalityBox()->setChecked(true);
        QCOMPARE(form.linesToInsert(form.resultsList()->item(0)),
                 (QStringList{QStringLiteral("м. Київ"), QStringLiteral("01001")}));
        main->recipientBox()->clear();
        main->insertIntoRecipientBox({QStringLiteral("01001")});
        QCOMPARE(main->recipientBox()->toPlainText(), QStringLiteral("01001"));
        main->recipientBox()->setPlainText(QStringLiteral("буд. 12345а\n82200\n")); // a code ends it
        main->insertIntoRecipientBox({QStringLiteral("м. Київ"), QStringLiteral("01001")});
        QCOMPARE(main->recipientBox()->toPlainText(), QStringLiteral("буд. 12345а\nм. Київ\n01001")); // replaced
    }

    void listGrowsWithTheWindow()
    {
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize before = form.resultsList()->size();
        form.resize(form.width() + 300, form.height() + 200);
        QCoreApplication::processEvents();
        QCOMPARE(form.resultsList()->size(), before + QSize(300, 200));
        QVERIFY(form.minimumSizeHint().width() < form.width());
    }

    void missingParameters_data()
    {
        QTest::addColumn<QString>("regionText"); // empty: the entry of the Sumy region is chosen
        QTest::addColumn<QString>("locality");
        QTest::newRow("no locality") << QString() << QString();
        QTest::newRow("neither") << QStringLiteral("Выберите область") << QString();
    }
    void missingParameters()
    {
        QFETCH(QString, regionText);
        QFETCH(QString, locality);
        TestProgram &p = program();
        p.dir().remove(QStringLiteral("Sumska.bsd")); // nothing is read: no file error either
        PostalCodeDialog form(p.ctx(), nullptr);
        form.regionBox()->setCurrentIndex(row("Sumska.bsd"));
        if (!regionText.isEmpty())
            form.regionBox()->setEditText(regionText);
        form.localityBox()->setText(locality);
        QTest::keyClick(form.localityBox(), Qt::Key_Return);
        QCOMPARE(p.messages().all, QStringList{kMissing});
        QCOMPARE(form.resultsList()->count(), 0);
    }

    void regionTypedInFull()
    {
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        form.regionBox()->setEditText(QStringLiteral("Сумская"));
        QCOMPARE(form.selectedRegion(), row("Sumska.bsd"));
        form.localityBox()->setText(QStringLiteral("Ромни"));
        QTest::mouseClick(button(form, "searchButton"), Qt::LeftButton);
        QCOMPARE(memoLines(form), QStringList{QStringLiteral(" 42000 м. Ромни, Роменський р-н")});
    }

    void missingRegionFile()
    {
        TestProgram &p = program();
        PostalCodeDialog form(p.ctx(), nullptr);
        search(form, row("Sumska.bsd"), QStringLiteral("Ромни"));
        p.dir().remove(QStringLiteral("Odeska.bsd"));
        search(form, row("Odeska.bsd"), QStringLiteral("Одеса"));
        QCOMPARE(p.messages().errors, QStringList{QStringLiteral("File not found")});
        QCOMPARE(form.resultsList()->count(), 0);
        // Every region is searched without one: the missing file is reported, not skipped.
        form.regionBox()->setEditText(QStringLiteral("Выберите область"));
        form.search();
        QCOMPARE(p.messages().errors.size(), 2);
    }

    void missingRegionList()
    {
        TestProgram &p = program();
        p.dir().remove(QStringLiteral("oblrus.txt"));
        PostalCodeDialog form(p.ctx(), nullptr);
        QCOMPARE(p.messages().errors.size(), 1);
        QVERIFY2(p.messages().errors.first().startsWith(QStringLiteral("Cannot open file")),
                 qPrintable(p.messages().errors.first()));
        QCOMPARE(form.regionBox()->count(), 0);
        QCOMPARE(form.regionBox()->currentText(), QStringLiteral("Выберите область"));
        p.messages().clear();
        // No region can be chosen, and every region is searched.
        form.localityBox()->setText(QStringLiteral("Ромни"));
        QTest::mouseClick(button(form, "searchButton"), Qt::LeftButton);
        QVERIFY(p.messages().all.isEmpty());
        QVERIFY(memoLines(form).contains(QStringLiteral(" 42000 м. Ромни, Сумська обл., Роменський р-н")));
    }

    void openedModallyFromMainWindowAndClosed()
    {
        TestProgram &p = program();
        MainWindow *main = p.start();
        QString title;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *form = qobject_cast<PostalCodeDialog *>(QApplication::activeModalWidget());
            if (!form)
                return;
            title = form->windowTitle();
            modal = form->isModal();
            QTest::mouseClick(button(*form, "cancelButton"), Qt::LeftButton); // Отмена
        });
        QTimer::singleShot(10000, [] { // never hang the suite on a window left open
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });
        p.messages().clear();
        main->findPostalCode(); // returns once the window is closed
        QCOMPARE(title, QStringLiteral("Справочник почтовых индексов Украины"));
        QVERIFY(modal);
        QVERIFY(p.messages().all.isEmpty());
    }
};

QTEST_MAIN(TestPostalCodeDialog)
#include "test_postalcodedialog.moc"
