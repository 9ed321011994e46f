// The address book window: the sorted list and the detail box, the add, edit and delete dialogs
// beside it, and "Book.txt" as each confirmed action leaves it, byte for byte.

#include "logic/addresses/AddressBook.h"
#include "logic/files/Codepage.h"
#include "logic/mailing/BookTransfer.h"
#include "logic/print/PrintingService.h"
#include "support/FailingWrites.h"
#include "support/TestSupport.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace testing;

namespace {

const QString Book = QStringLiteral("Book.txt");

QByteArray fixture(const char *name)
{
    return fixtureBytes(QStringLiteral("addresses/") + QString::fromLatin1(name));
}

struct Window
{
    explicit Window(const QByteArray *book)
    {
        if (book)
            program.dir().write(Book, *book);
        form = std::make_unique<AddressBookDialog>(program.ctx());
        form->show();
    }
    RecordingMessages &messages() { return program.messages(); }
    QByteArray file() { return program.dir().read(Book); }
    QString memo() const { return form->detailsBox()->toPlainText(); }

    // What the list must show: the names of the file as it stands, sorted.
    QStringList fileNamesSorted()
    {
        QStringList names = addressbook::namesOf(codepage::splitLines(codepage::decode1251(file())));
        addressbook::NameOrder().sort(names);
        return names;
    }
    QStringList shown() const
    {
        QStringList names;
        const QAbstractItemModel *m = form->namesList()->model();
        for (int row = 0; row < m->rowCount(); ++row)
            names.append(m->index(row, 0).data().toString());
        return names;
    }
    void select(const QString &name, int occurrence = 0)
    {
        const QStringList names = shown();
        int row = names.indexOf(name);
        for (int i = 0; i < occurrence; ++i)
            row = names.indexOf(name, row + 1);
        QVERIFY2(row >= 0, qPrintable(name));
        QListView *list = form->namesList();
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    // A click on one of the window's buttons ("addButton", "editButton", "deleteButton").
    void press(const QString &button)
    {
        auto *b = form->findChild<QPushButton *>(button);
        QVERIFY2(b, qPrintable(button));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    template <typename Dialog> QList<Dialog *> open() const
    {
        QList<Dialog *> open;
        for (Dialog *d : form->findChildren<Dialog *>()) {
            if (d->isVisible())
                open.append(d);
        }
        return open;
    }

    TestProgram program{false};
    std::unique_ptr<AddressBookDialog> form;
};

void fill(AddresseeDialog *dialog, const QStringList &texts)
{
    for (int field = 0; field < texts.size(); ++field) {
        dialog->box(field)->clear();
        dialog->box(field)->insert(texts.at(field)); // as typed: the box keeps at most its length
    }
}

void clickRow(QListView *list, const QString &name)
{
    const QAbstractItemModel *m = list->model();
    for (int row = 0; row < m->rowCount(); ++row) {
        if (m->index(row, 0).data().toString() == name) {
            const QModelIndex index = m->index(row, 0);
            list->scrollTo(index);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
            return;
        }
    }
    QFAIL(qPrintable(name));
}

// A record of "Борисов" with the locality only.
QByteArray borisov(const QString &locality)
{
    return crlfLines({QStringLiteral("%Борисов"), QStringLiteral("#"), QLatin1Char('#') + locality, QStringLiteral("#"),
                      QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#")});
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAddressBookDialog : public QObject
{
    Q_OBJECT
private slots:
    void opensSortedAndShowsTheLastRecordOfAName()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        QVERIFY(w.messages().all.isEmpty());
        QCOMPARE(w.shown(),
                 QStringList({QStringLiteral("анна"), QStringLiteral("Ёлкин Егор"), QStringLiteral("Иванов Иван"),
                              QStringLiteral("Петров Пётр"), QStringLiteral("Петров Пётр")}));
        QVERIFY(w.memo().isEmpty());
        w.select(QStringLiteral("Петров Пётр"));
        QCOMPARE(w.memo(), QStringLiteral("Петров Пётр\nул. Садовая, 7\nЛьвов\nУкраина\n79000"));
        w.select(QStringLiteral("Иванов Иван"));
        QCOMPARE(w.memo(), QStringLiteral("Иванов Иван\n%15 скидка\nХарьков\n61000"));
        w.select(QStringLiteral("анна"));
        QCOMPARE(w.memo(), QStringLiteral("анна"));
    }

    void missingBookThenFirstAddCreatesIt()
    {
        Window w(nullptr);
        QCOMPARE(w.messages().errors, QStringList({QStringLiteral("File not found")}));
        QVERIFY(w.shown().isEmpty());
        w.form->openEditDialog();
        QCOMPARE(w.messages().shown, QStringList({QStringLiteral("Адресат не выбран!")}));
        QVERIFY(w.open<EditAddresseeDialog>().isEmpty());

        QPointer<AddAddresseeDialog> add = w.form->openAddDialog();
        fill(add, {QStringLiteral("Первый")});
        QTest::keyClick(add->box(0), Qt::Key_Return); // Enter presses "Добавить"
        settle();
        QVERIFY(add.isNull());
        QCOMPARE(w.file(),
                 crlfLines({QStringLiteral("%Первый"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                            QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#")}));
        QCOMPARE(w.shown(), QStringList({QStringLiteral("Первый")}));
        QCOMPARE(w.messages().errors.size(), 1);
    }

    void addAppendsAndShows_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("memo");
        const QByteArray book = fixture("book.txt");
        QTest::newRow("name and district")
            << QStringList{QStringLiteral("Сидоров"), {}, {}, QStringLiteral("Ирпенский")}
            << fixture("book_added_district.txt") << QStringLiteral("Сидоров\nИрпенский район");
        QTest::newRow("name only") << QStringList{QStringLiteral("Сидоров")}
                                   << book + crlfLines({QStringLiteral("%Сидоров"), QStringLiteral("#"),
                                                        QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                                                        QStringLiteral("#"), QStringLiteral("#")})
                                   << QStringLiteral("Сидоров");
        QTest::newRow("every box empty: an empty name")
            << QStringList{}
            << book + crlfLines({QStringLiteral("%"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                                 QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#")})
            << QString();
        QTest::newRow("a name already there is added again")
            << QStringList{QStringLiteral("анна"), QStringLiteral("Садовая")}
            << book + crlfLines({QStringLiteral("%анна"), QStringLiteral("#Садовая"), QStringLiteral("#"),
                                 QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#")})
            << QStringLiteral("анна\nСадовая");
    }
    void addAppendsAndShows()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, expected);
        QFETCH(QString, memo);
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.select(QStringLiteral("Иванов Иван"));
        QPointer<AddAddresseeDialog> add = w.form->openAddDialog();
        fill(add, boxes);
        add->confirmButton()->click();
        settle();
        QVERIFY(add.isNull());
        QCOMPARE(w.file(), expected);
        QCOMPARE(w.shown(), w.fileNamesSorted());
        // The detail box still shows the record selected before.
        QCOMPARE(w.memo(), QStringLiteral("Иванов Иван\n%15 скидка\nХарьков\n61000"));
        w.select(boxes.value(0), boxes.value(0) == QStringLiteral("анна") ? 1 : 0);
        QCOMPARE(w.memo(), memo);
        QVERIFY(w.messages().all.isEmpty());
    }

    void editFillsBoxesAndReplacesTheRecordShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shownBoxes");
        QTest::addColumn<QStringList>("newBoxes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("rename, empty region")
            << QStringLiteral("Ёлкин Егор")
            << QStringList{QStringLiteral("Ёлкин Егор"), QStringLiteral("пр. Мира, 3"), QStringLiteral("Одесса"), {},
                           QStringLiteral("Одесская"),   QStringLiteral("Украина"),     QStringLiteral("65000")}
            << QStringList{QStringLiteral("Ёлкина Ева"),
                           QStringLiteral("пр. Мира, 3"),
                           QStringLiteral("Одесса"),
                           {},
                           {},
                           QStringLiteral("Украина"),
                           QStringLiteral("65000")}
            << fixture("book_renamed_elkin.txt");
        QTest::newRow("same name twice: the last one only")
            << QStringLiteral("Петров Пётр") << QStringList{QStringLiteral("Петров Пётр"),
                                                            QStringLiteral("ул. Садовая, 7"),
                                                            QStringLiteral("Львов"),
                                                            {},
                                                            {},
                                                            QStringLiteral("Украина"),
                                                            QStringLiteral("79000")}
            << QStringList{QStringLiteral("Петров Пётр"),
                           QStringLiteral("ул. Садовая, 9"),
                           QStringLiteral("Львов"),
                           {},
                           {},
                           QStringLiteral("Украина"),
                           QStringLiteral("79000")}
            << fixture("book_changed_last_petrov.txt");
        const QByteArray elkin =
            crlfLines({QStringLiteral("%Ёлкин Егор"), QStringLiteral("#пр. Мира, 3"), QStringLiteral("#Одесса"),
                       QStringLiteral("#"), QStringLiteral("#Одесская область"), QStringLiteral("#Украина"),
                       QStringLiteral("#65000")});
        QByteArray moved = fixture("book.txt");
        moved.replace(elkin, QByteArray());
        // The suffix taken off in its box comes back unchanged; the record moves to the end.
        QTest::newRow("unchanged save") << QStringLiteral("Ёлкин Егор") << QStringList{} << QStringList{}
                                        << QByteArray(moved + elkin);
    }
    void editFillsBoxesAndReplacesTheRecordShown()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, shownBoxes);
        QFETCH(QStringList, newBoxes);
        QFETCH(QByteArray, expected);
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.select(name);
        QPointer<EditAddresseeDialog> edit = w.form->openEditDialog();
        QVERIFY(edit);
        if (!shownBoxes.isEmpty())
            QCOMPARE(edit->boxTexts(), shownBoxes);
        // Opening the dialog drops the selection and empties the detail box.
        QVERIFY(w.memo().isEmpty());
        QVERIFY(w.form->namesList()->selectionModel()->selectedRows().isEmpty());
        if (!newBoxes.isEmpty())
            fill(edit, newBoxes);
        edit->confirmButton()->click();
        settle();
        QVERIFY(edit.isNull());
        QCOMPARE(w.file(), expected);
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QVERIFY(w.messages().all.isEmpty());
    }

    void editKeepsLongLinesWhole()
    {
        const QByteArray book = fixture("book_odd.txt");
        Window w(&book);
        const QString listed = QString(300, QChar(0x0414)).left(254);
        QVERIFY(w.shown().contains(listed));
        w.select(listed);
        QCOMPARE(w.memo().split(QLatin1Char('\n')).at(1).size(), 404);
        EditAddresseeDialog *edit = w.form->openEditDialog();
        QCOMPARE(edit->box(0)->text().size(), 300);
        QCOMPARE(edit->box(1)->text().size(), 404);
        edit->confirmButton()->click();
        QCOMPARE(w.file(), fixture("book_odd_long_moved.txt"));
        QCOMPARE(w.shown(), w.fileNamesSorted());
    }

    void deleteMarksInOneDialog()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.select(QStringLiteral("Иванов Иван"));
        const QString memo = w.memo();
        QPointer<DeleteAddresseeDialog> del = w.form->openDeleteDialog();
        QCOMPARE(del->names(), w.shown());
        clickRow(del->list(), QStringLiteral("Иванов Иван"));
        clickRow(del->list(), QStringLiteral("анна"));
        QCOMPARE(del->names(), QStringList({QStringLiteral("Ёлкин Егор"), QStringLiteral("Петров Пётр"),
                                            QStringLiteral("Петров Пётр")}));
        QCOMPARE(w.file(), book); // nothing written before "Удалить"
        del->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        settle();
        QVERIFY(del.isNull());
        QCOMPARE(w.file(), fixture("book_deleted_two.txt"));
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QCOMPARE(w.memo(), memo); // still the deleted record
    }

    void deleteOneOfTwoSameNames()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        QPointer<DeleteAddresseeDialog> del = w.form->openDeleteDialog();
        clickRow(del->list(), QStringLiteral("Петров Пётр"));
        QCOMPARE(del->names().count(QStringLiteral("Петров Пётр")), 1);
        del->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        const QStringList lines = codepage::splitLines(codepage::decode1251(w.file()));
        QCOMPARE(lines.count(QStringLiteral("%Петров Пётр")), 1);
        QVERIFY(lines.contains(QStringLiteral("#ул. Ленина, 1")));
        QCOMPARE(w.shown(), w.fileNamesSorted());
    }

    void cancelledDeleteForgetsItsMarks_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Отмена") << false;
        QTest::newRow("close box") << true;
    }
    void cancelledDeleteForgetsItsMarks()
    {
        QFETCH(bool, closeBox);
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        QPointer<DeleteAddresseeDialog> cancelled = w.form->openDeleteDialog();
        clickRow(cancelled->list(), QStringLiteral("Иванов Иван"));
        if (closeBox)
            cancelled->close();
        else
            cancelled->findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        settle();
        QVERIFY(cancelled.isNull());
        QCOMPARE(w.file(), book);
        QCOMPARE(w.shown(), w.fileNamesSorted());

        QPointer<DeleteAddresseeDialog> del = w.form->openDeleteDialog();
        clickRow(del->list(), QStringLiteral("анна"));
        del->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        QVERIFY(w.fileNamesSorted().contains(QStringLiteral("Иванов Иван")));
        QVERIFY(!w.fileNamesSorted().contains(QStringLiteral("анна")));
    }

    void cancelledAddOrEditWritesNothing_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }
    void cancelledAddOrEditWritesNothing()
    {
        QFETCH(bool, edit);
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.select(QStringLiteral("Иванов Иван"));
        QPointer<AddresseeDialog> dialog;
        if (edit)
            dialog = w.form->openEditDialog();
        else
            dialog = w.form->openAddDialog();
        QVERIFY(dialog);
        fill(dialog, {QStringLiteral("Сидоров")});
        dialog->cancelButton()->click();
        settle();
        QVERIFY(dialog.isNull());
        QCOMPARE(w.file(), book);
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QVERIFY(w.messages().all.isEmpty());
    }

    void dialogsOpenTogetherActOnTheirOwnControls()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        AddAddresseeDialog *first = w.form->openAddDialog();
        AddAddresseeDialog *second = w.form->openAddDialog();
        w.select(QStringLiteral("анна"));
        EditAddresseeDialog *edit = w.form->openEditDialog();
        DeleteAddresseeDialog *delFirst = w.form->openDeleteDialog();
        DeleteAddresseeDialog *delSecond = w.form->openDeleteDialog();
        QCOMPARE(w.open<AddAddresseeDialog>().size(), 2);
        QVERIFY(!first->isModal() && !edit->isModal() && !delFirst->isModal());
        // Placed beside the window: left edge at half of left edge plus width, top at 107.
        const QRect frame = w.form->frameGeometry();
        QCOMPARE(first->pos(), QPoint((frame.left() + frame.width()) / 2, 107));
        QCOMPARE(delFirst->pos(), QPoint((frame.left() + frame.width()) / 2, frame.top()));

        fill(first, {QStringLiteral("Первый")});
        fill(second, {QStringLiteral("Второй")});
        fill(edit, {QStringLiteral("Анна Мария")});
        clickRow(delFirst->list(), QStringLiteral("Иванов Иван"));
        clickRow(delSecond->list(), QStringLiteral("Ёлкин Егор"));

        second->confirmButton()->click();
        edit->confirmButton()->click();
        delSecond->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        first->confirmButton()->click();
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QCOMPARE(w.shown(),
                 QStringList({QStringLiteral("Анна Мария"), QStringLiteral("Второй"), QStringLiteral("Иванов Иван"),
                              QStringLiteral("Первый"), QStringLiteral("Петров Пётр"), QStringLiteral("Петров Пётр")}));
        // The first delete dialog still holds its own list and marks.
        QVERIFY(delFirst->isVisible());
        QCOMPARE(delFirst->marked(), QStringList({QStringLiteral("Иванов Иван")}));
        delFirst->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        QVERIFY(!w.fileNamesSorted().contains(QStringLiteral("Иванов Иван")));
        QCOMPARE(w.shown(), w.fileNamesSorted());
        const QStringList lines = codepage::splitLines(codepage::decode1251(w.file()));
        QCOMPARE(lines.size(), 5 * addressbook::RecordLines);
        QCOMPARE(lines.at(lines.size() - 7), QStringLiteral("%Первый"));
    }

    void editSavesOverTheRecordItWasFilledFrom()
    {
        const QByteArray book = borisov(QStringLiteral("Дніпро"));
        Window w(&book);
        w.select(QStringLiteral("Борисов"));
        w.press(QStringLiteral("editButton"));
        QCOMPARE(w.open<EditAddresseeDialog>().size(), 1);
        QPointer<EditAddresseeDialog> edit = w.open<EditAddresseeDialog>().first();
        QCOMPARE(edit->box(addressbook::Locality)->text(), QStringLiteral("Дніпро"));

        // Another record of the same name comes in while the edit dialog stays open.
        w.press(QStringLiteral("addButton"));
        AddAddresseeDialog *add = w.open<AddAddresseeDialog>().first();
        fill(add, {QStringLiteral("Борисов"), {}, QStringLiteral("Суми")});
        add->confirmButton()->click();
        settle();
        QCOMPARE(w.file(), book + borisov(QStringLiteral("Суми")));

        fill(edit, {QStringLiteral("Борисов"), {}, QStringLiteral("Запоріжжя")});
        edit->confirmButton()->click();
        settle();
        QVERIFY(edit.isNull());
        QCOMPARE(w.file(), borisov(QStringLiteral("Суми")) + borisov(QStringLiteral("Запоріжжя")));
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QVERIFY(w.messages().all.isEmpty());
    }

    void editOfARecordChangedMeanwhileIsRefused_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("deleted in the delete dialog") << QStringLiteral("delete");
        QTest::newRow("saved by another edit dialog") << QStringLiteral("edit");
        QTest::newRow("rewritten by another program") << QStringLiteral("file");
    }
    void editOfARecordChangedMeanwhileIsRefused()
    {
        QFETCH(QString, meanwhile);
        const QByteArray book = borisov(QStringLiteral("Дніпро"));
        Window w(&book);
        w.select(QStringLiteral("Борисов"));
        EditAddresseeDialog *edit = w.form->openEditDialog();
        QVERIFY(edit);
        if (meanwhile == QStringLiteral("delete")) {
            w.press(QStringLiteral("deleteButton"));
            DeleteAddresseeDialog *del = w.open<DeleteAddresseeDialog>().first();
            clickRow(del->list(), QStringLiteral("Борисов"));
            del->deleteButton()->click();
        } else if (meanwhile == QStringLiteral("edit")) {
            w.select(QStringLiteral("Борисов"));
            EditAddresseeDialog *other = w.form->openEditDialog();
            fill(other, {QStringLiteral("Борисов"), {}, QStringLiteral("Суми")});
            other->confirmButton()->click();
        } else {
            w.program.dir().write(Book, borisov(QStringLiteral("Суми")));
        }
        settle();
        const QByteArray before = w.file();
        QVERIFY(w.messages().all.isEmpty());

        fill(edit, {QStringLiteral("Борисов"), {}, QStringLiteral("Запоріжжя")});
        edit->confirmButton()->click();
        settle();
        QCOMPARE(w.messages().shown.size(), 1);
        QVERIFY(w.messages().shown.first().contains(QStringLiteral("«Борисов»")));
        QVERIFY(w.messages().shown.first().contains(QStringLiteral("не сохранены")));
        QCOMPARE(w.file(), before);
        QCOMPARE(w.shown(), w.fileNamesSorted());
        // The dialog stays open with what was typed, to be copied or cancelled.
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->box(addressbook::Locality)->text(), QStringLiteral("Запоріжжя"));
    }

    void failedWriteReportsAndKeepsDialogOpen()
    {
        if (!FailingWrites::supported)
            QSKIP("no way to make writes fail on this system");
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        const QStringList names = w.shown();
        AddAddresseeDialog *add = w.form->openAddDialog();
        fill(add, {QStringLiteral("Новый")});
        DeleteAddresseeDialog *del = w.form->openDeleteDialog();
        clickRow(del->list(), QStringLiteral("анна"));
        {
            FailingWrites failing;
            add->confirmButton()->click();
            del->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        }
        settle();
        QCOMPARE(w.messages().errors.size(), 2);
        QVERIFY(add->isVisible());
        QVERIFY(del->isVisible());
        QCOMPARE(w.file(), book);
        QCOMPARE(w.shown(), names);
        // Once the disk has room again the same dialogs finish their work.
        add->confirmButton()->click();
        del->findChild<QPushButton *>(QStringLiteral("deleteButton"))->click();
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QVERIFY(w.shown().contains(QStringLiteral("Новый")));
        QVERIFY(!w.shown().contains(QStringLiteral("анна")));
    }

    void fileChangedBehindTheWindowIsReadAgain()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.program.dir().write(Book, fixture("book_deleted_two.txt") + crlfLines({QStringLiteral("%Чужой")}));
        AddAddresseeDialog *add = w.form->openAddDialog();
        fill(add, {QStringLiteral("Свой")});
        add->confirmButton()->click();
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QVERIFY(w.shown().contains(QStringLiteral("Чужой")));
        QVERIFY(!w.shown().contains(QStringLiteral("анна")));
    }

    // A phone's contacts imported over a book that holds one of them, then names exported.
    void importAskingAboutTakenNamesThenExport()
    {
        const QByteArray book = crlfLines(bookRecord({"Тарас Шевченко", "старый адрес", "", "", "", "", ""}) +
                                          bookRecord({"Коваль Пётр", "", "", "", "", "", ""}));
        Window w(&book);
        w.messages().choices = {0}; // "Заменить", for all the names
        w.messages().forAllAnswers = {true};
        w.form->importFile(fixturePath(QStringLiteral("addresses/phone-3.0.vcf")));
        QCOMPARE(w.messages().questions.size(), 1);
        QVERIFY(w.messages().questions.first().contains(QStringLiteral("Тарас Шевченко")));
        QCOMPARE(w.messages().shown.last(), QStringLiteral("Добавлено: 2, заменено: 2, пропущено: 0.\n"
                                                           "Без почтового адреса: Без Адреса"));
        QCOMPARE(w.shown(), w.fileNamesSorted());
        QCOMPARE(w.shown().size(), 4);

        w.select(QStringLiteral("Коваль Пётр"));
        QListView *list = w.form->namesList();
        const QModelIndex taras = list->model()->index(int(w.shown().indexOf(QStringLiteral("Тарас Шевченко"))), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualRect(taras).center());
        const QString selected = w.program.dir().filePath(QStringLiteral("selected.vcf"));
        w.form->exportFile(selected, true);
        const QList<Contact> contacts = booktransfer::readContacts(selected);
        QCOMPARE(contacts.size(), 2);
        QStringList codes{contacts.at(0).addresses.first().postalCode, contacts.at(1).addresses.first().postalCode};
        codes.sort();
        QCOMPARE(codes, (QStringList{QStringLiteral("01001"), QStringLiteral("65000")}));
        const QString all = w.program.dir().filePath(QStringLiteral("all.csv"));
        w.form->exportFile(all, false);
        QCOMPARE(booktransfer::readContacts(all).size(), 4);
        QVERIFY(w.messages().errors.isEmpty());
    }

    void senderButtonOpensSenderDialogBeside()
    {
        const QByteArray book = fixture("book.txt");
        Window w(&book);
        w.program.dir().write(QStringLiteral("user.txt"), QByteArray("\xc8\xe2\xe0\xed"));
        w.form->findChild<QPushButton *>(QStringLiteral("senderButton"))->click();
        const QList<SenderDialog *> forms = w.form->findChildren<SenderDialog *>();
        QCOMPARE(forms.size(), 1);
        QVERIFY(forms.first()->isVisible());
        QVERIFY(!forms.first()->isModal());
        QCOMPARE(forms.first()->senderBox()->toPlainText(), QStringLiteral("Иван"));
        QVERIFY(w.form->isVisible());
    }

    void mainWindowOpensItModally()
    {
        TestProgram program(false);
        program.dir().write(Book, fixture("book.txt"));
        MainWindow *main = program.start();
        main->show();
        for (const QString &action : {QStringLiteral("addressBookAction"), QStringLiteral("addressBookButton")}) {
            QStringList seen;
            QTimer::singleShot(0, [&] {
                if (auto *form = qobject_cast<AddressBookDialog *>(QApplication::activeModalWidget())) {
                    seen = form->listedNames();
                    form->close();
                }
            });
            main->findChild<QAction *>(action)->trigger();
            QCOMPARE(seen.size(), 5);
        }
    }
};

QTEST_MAIN(TestAddressBookDialog)
#include "test_addressbookdialog.moc"
