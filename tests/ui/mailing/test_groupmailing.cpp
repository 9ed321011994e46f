// The group mailing window: its state at each menu command, the source modes and what a switch
// empties, the buttons that fill and empty the mailing list, and the details box.

#include "logic/print/PrintingService.h"
#include "support/MailingTestText.h"
#include "support/TestSupport.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/LineOrderDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace testing;

namespace {

const QStringList Book = sampleBook();

QStringList items(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

} // namespace

class TestGroupMailing : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<GroupMailingWindow> window;

    // The window as a menu command shows it: made on first use, then the same window again.
    GroupMailingWindow &open(GroupMailingWindow::Origin origin = GroupMailingWindow::Origin::ExtrasMenu)
    {
        if (!window)
            window = std::make_unique<GroupMailingWindow>(program->ctx(), nullptr, nullptr, nullptr);
        window->showFor(origin);
        return *window;
    }
    template <typename T> T *child(const char *name) { return findControl<T>(window.get(), name); }
    QListWidget *names() { return child<QListWidget>("namesList"); }
    QListWidget *mailingList() { return child<QListWidget>("mailingList"); }
    QString details() { return child<QPlainTextEdit>("detailsBox")->toPlainText(); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void chooseOtherSource() { QTest::mouseClick(child<QRadioButton>("otherSourceButton"), Qt::LeftButton); }
    void chooseAddressBook() { QTest::mouseClick(child<QRadioButton>("addressBookButton"), Qt::LeftButton); }
    // Three rows pasted and mapped (surname, first name, town) through the line-order dialog.
    void createRecords()
    {
        QGuiApplication::clipboard()->setText(t("Коваль\tОлег\tЛьвов\r\nБойко\tАнна\tДнепр\r\n"));
        click("createButton");
        LineOrderDialog *d = window->lineOrderDialog();
        QVERIFY(d);
        for (auto [field, column] : {std::pair{FieldSurname, 0}, {FieldName, 1}, {FieldTown, 2}}) {
            d->columnList()->setCurrentRow(column);
            d->assignSelectedColumn(field);
        }
        d->createRecords();
    }
    // The enabled state of the controls that the source mode decides.
    QString modeControls()
    {
        QString s;
        for (const char *name : {"namesList", "addButton", "addAllButton", "browseButton", "createButton"})
            s += child<QWidget>(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }

private slots:
    void init()
    {
        program = std::make_unique<TestProgram>(false);
        program->dir().write(QStringLiteral("Book.txt"), crlfLines(Book));
        program->dir().write(QStringLiteral("ShowFile"), QByteArray(1, '\1'));
    }
    void cleanup()
    {
        window.reset();
        program.reset();
    }

    // A workbook's sheet opened from the file gives the records that the same rows pasted give.
    void tableFileAsPastedRows()
    {
        const QString pasted = t("Фамилия\tИмя\tУлица\tГород\tИндекс\tДата\r\n"
                                 "Иванов\tИван\tул. Крещатик, 1 кв. 5\tКиев\t01001\t05.03.2024\r\n"
                                 "Петров\t\t\tЛьвов\t79000\r\nПетров\t\t\tЛьвов\t79000\r\n"
                                 "Сидоренко    Олег\t\"Ольга\"\tпр. Мира; 7\tДнепр\t49000\r\n");
        QByteArray records[2];
        for (int way = 0; way < 2; ++way) {
            open();
            chooseOtherSource();
            QVERIFY(child<QPushButton>("openTableButton")->isEnabled());
            if (way == 0) {
                QGuiApplication::clipboard()->setText(pasted);
                click("createButton");
            } else {
                window->openTableFile(fixturePath(QStringLiteral("mailing/workbook.xlsx")), 0);
            }
            LineOrderDialog *d = window->lineOrderDialog();
            QVERIFY(d);
            QVERIFY(d->titleRowBox()->isChecked());
            for (auto [field, column] :
                 {std::pair{FieldSurname, 0}, {FieldStreet, 2}, {FieldTown, 3}, {FieldZipCode, 4}}) {
                d->columnList()->setCurrentRow(column);
                d->assignSelectedColumn(field);
            }
            program->messages().answers = {true}; // the two rows of one surname
            d->createRecords();
            records[way] = program->dir().read(QStringLiteral("Slfile.tmp"));
            QCOMPARE(program->state().mailingList().size(), 4);
        }
        QCOMPARE(records[1], records[0]);
        window->openTableFile(fixturePath(QStringLiteral("mailing/named_as_workbook.xlsx")));
        QVERIFY(program->messages().errors.last().contains(t("не zip-архив")));
    }

    void openedState_data()
    {
        QTest::addColumn<GroupMailingWindow::Origin>("origin");
        QTest::addColumn<int>("clearTop");
        QTest::addColumn<QString>("browseHint");
        QTest::newRow("file menu") << GroupMailingWindow::Origin::FileMenu << 310 << QString();
        QTest::newRow("extras menu") << GroupMailingWindow::Origin::ExtrasMenu << 300
                                     << t("Выберите нужный файл в окне броузера");
    }
    void openedState()
    {
        QFETCH(GroupMailingWindow::Origin, origin);
        QFETCH(int, clearTop);
        QFETCH(QString, browseHint);
        GroupMailingWindow &w = open(origin);
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), t("Групповая рассылка"));
        QCOMPARE(child<QPushButton>("clearButton")->y(), clearTop);
        QCOMPARE(child<QPushButton>("browseButton")->toolTip(), browseHint);
        QVERIFY(child<QRadioButton>("addressBookButton")->isChecked());
        QCOMPARE(modeControls(), QStringLiteral("11100"));
        QCOMPARE(items(names()), lines({"Иванов Иван", "Петров", "Иванов Иван", "Сидоров"}));
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(details(), QString());
        QCOMPARE(program->state().mailing().source, SourceMode::AddressBook);
        QCOMPARE(program->state().mailing().bookLines(), Book);
        QVERIFY(program->messages().all.isEmpty());
    }

    void addButtons()
    {
        open();
        click("addButton"); // no name selected: nothing
        QCOMPARE(mailingList()->count(), 0);
        names()->setCurrentRow(1);
        click("addButton");
        click("addButton");
        QCOMPARE(items(mailingList()), lines({"Петров", "Петров"}));
        click("addAllButton");
        QCOMPARE(items(mailingList()), lines({"Иванов Иван", "Петров", "Иванов Иван", "Сидоров"}));
        QCOMPARE(program->state().mailingList(), items(mailingList()));

        // A click on either list shows the record; the same name twice shows the later record.
        names()->setCurrentRow(0);
        QCOMPARE(details(), t("Иванов Иван\nул. Садовая, 7\nОдесса\n65000"));
        mailingList()->setCurrentRow(1);
        QCOMPARE(details(), t("Петров\nпр. Мира, 5\nХарьков\nЗмиевской район\nХарьковская область\n61000"));

        click("clearButton"); // "Очистить"
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(details(), QString());
        QVERIFY(program->state().mailingList().isEmpty());
        QVERIFY(program->state().recipientDetails().isEmpty());
    }

    void modeSwitches()
    {
        open();
        names()->setCurrentRow(1);
        click("addAllButton");
        chooseOtherSource(); // empties both the list and the details
        QCOMPARE(modeControls(), QStringLiteral("00011"));
        QCOMPARE(program->state().mailing().source, SourceMode::OtherSource);
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(details(), QString());
        chooseOtherSource(); // already checked: nothing happens
        QCOMPARE(program->state().mailing().source, SourceMode::OtherSource);

        createRecords();
        QCOMPARE(items(mailingList()), lines({"Коваль", "Бойко"}));
        mailingList()->setCurrentRow(0);
        QCOMPARE(details(), t("Коваль\nКоваль\t\nОлег\t\nЛьвов"));

        chooseAddressBook(); // empties the list, keeps the details
        QCOMPARE(modeControls(), QStringLiteral("11100"));
        QCOMPARE(program->state().mailing().source, SourceMode::AddressBook);
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(details(), t("Коваль\nКоваль\t\nОлег\t\nЛьвов"));

        chooseOtherSource(); // the records are still there but not listed until a new "Создать"
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(program->state().mailing().mailingRecords().size(), 18);
        QVERIFY(program->messages().all.isEmpty());
    }

    void menuCommandRebuilds()
    {
        GroupMailingWindow &first = open();
        chooseOtherSource();
        createRecords();
        mailingList()->setCurrentRow(1);
        QVERIFY(!details().isEmpty());
        first.close();
        QVERIFY(!first.isVisible());

        // The book is read again: the address book's own file, not another spelling beside it.
        program->dir().write(QStringLiteral("book.txt"), crlfLines(lines({"%Другая запись", "#Львов"})));
        program->dir().write(QStringLiteral("Book.txt"), crlfLines(lines({"%Новый", "#Сумы"})));
        GroupMailingWindow &second = open(GroupMailingWindow::Origin::FileMenu);
        QVERIFY(second.isVisible());
        QVERIFY(child<QRadioButton>("addressBookButton")->isChecked());
        QCOMPARE(modeControls(), QStringLiteral("11100"));
        QCOMPARE(items(names()), lines({"Новый"}));
        QCOMPARE(mailingList()->count(), 0);
        QCOMPARE(details(), QString());
        QCOMPARE(program->state().mailing().source, SourceMode::AddressBook);
        // The records outlive the window.
        QCOMPARE(program->state().mailing().mailingRecords().size(), 18);
    }

    void openDialogClosesWithTheMode()
    {
        open();
        chooseOtherSource();
        QGuiApplication::clipboard()->setText(t("Коваль\tОлег\tЛьвов"));
        click("createButton");
        QPointer<LineOrderDialog> d = window->lineOrderDialog();
        QVERIFY(d && d->isVisible());
        chooseAddressBook();
        QTRY_VERIFY(!d); // closed and gone: its OK cannot fill the address-book mailing list
    }

    void missingBook()
    {
        program->dir().remove(QStringLiteral("Book.txt"));
        GroupMailingWindow &w = open();
        QCOMPARE(program->messages().errors, QStringList{QStringLiteral("File not found")});
        QVERIFY(w.isVisible());
        QCOMPARE(names()->count(), 0);
        QVERIFY(program->state().mailing().bookLines().isEmpty());
        click("addAllButton");
        QCOMPARE(mailingList()->count(), 0);
    }

    void entriesWithWrongPostalCodesMarked()
    {
        // The shipped postal directory, and a book of real localities.
        program = std::make_unique<TestProgram>(true);
        program->dir().write(
            QStringLiteral("Book.txt"),
            crlfLines(bookRecord({"Коваль", "вул. Франка, 1", "м. Дрогобич", "", "Львівська обл.", "", "82100"}) +
                      bookRecord({"Бойко", "вул. Лесі, 2", "Трускавець", "", "", "", "82100"}) +
                      bookRecord({"Мельник", "ul. Dluga 1", "Gdansk", "", "", "Польща", "80-001"}) +
                      bookRecord({"Ткач", "вул. Садова, 3", "Луцьк", "", "Львівська область", "", "43002"})));
        open();
        click("addAllButton");
        const QListWidget *list = mailingList();
        QCOMPARE(items(list), lines({"Коваль", "Бойко", "Мельник", "Ткач"}));
        QStringList marked;
        for (int i = 0; i < list->count(); ++i) {
            const QListWidgetItem *item = list->item(i);
            QCOMPARE(item->icon().isNull(), item->toolTip().isEmpty());
            if (!item->toolTip().isEmpty())
                marked.append(item->text() + QLatin1Char(':') + item->toolTip());
        }
        QCOMPARE(marked, lines({"Бойко:82100 — Дрогобич, Львівська обл., а не Трускавець (Трускавець, Львівська "
                                "обл.: 82200, 82208)",
                                "Ткач:43002 — Луцьк, Волинська обл., а не Львівська область"}));
        QCOMPARE(child<QLabel>("postalCheckLabel")->text(), t("Ошибки в индексах: 2 из 4"));
        QVERIFY(program->messages().all.isEmpty());

        // A list of right addresses only says so; an empty one says nothing.
        click("clearButton");
        QVERIFY(child<QLabel>("postalCheckLabel")->text().isEmpty());
        names()->setCurrentRow(0);
        click("addButton");
        QCOMPARE(child<QLabel>("postalCheckLabel")->text(), t("Индексы в порядке"));
        QVERIFY(list->item(0)->icon().isNull());
    }

    void withoutTheDirectoryNothingIsMarked()
    {
        open(); // this working directory has no region files
        click("addAllButton");
        QCOMPARE(mailingList()->count(), 4);
        for (int i = 0; i < mailingList()->count(); ++i)
            QVERIFY(mailingList()->item(i)->toolTip().isEmpty());
        QCOMPARE(child<QLabel>("postalCheckLabel")->text(), t("Индексы не проверены"));
        QVERIFY(child<QLabel>("postalCheckLabel")->toolTip().contains(QStringLiteral("krim.bsd")));
        QVERIFY(program->messages().all.isEmpty());
    }

    void detailsFollowTheSharedState()
    {
        open();
        click("addAllButton");
        // The prints fill the details box through the shared lookup.
        QVERIFY(program->state().lookupRecipient(1));
        QCOMPARE(details(), t("Петров\nпр. Мира, 5\nХарьков\nЗмиевской район\nХарьковская область\n61000"));
        QVERIFY(!program->state().lookupRecipient(4));
        QCOMPARE(details(), t("Петров\nпр. Мира, 5\nХарьков\nЗмиевской район\nХарьковская область\n61000"));
    }
};

QTEST_MAIN(TestGroupMailing)
#include "test_groupmailing.moc"
