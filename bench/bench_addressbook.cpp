// The address book window on a large book: a generated "Book.txt" of 128,571 records (about
// 900,000 lines, 30 MB). Opening the window until the sorted list is shown, one add, one change
// and one delete of two records, each through the window's own buttons.

#include "BenchSupport.h"

#include "logic/files/Codepage.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPrinting.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr int Records = 128571;

QByteArray generatedBook()
{
    static const char *const surnames[] = {"Иванов",  "Петренко", "Шевченко", "Бондаренко", "Ковальчук", "Ёлкин",
                                           "Сидоров", "Мельник",  "Ткаченко", "Кравченко",  "Олійник",   "Лысенко"};
    static const char *const towns[] = {"Киев", "Харьков", "Одесса", "Днепр", "Львов", "Запорожье", "Сумы"};
    QRandomGenerator rng(1251);
    QString text;
    text.reserve(31 * 1000 * 1000);
    for (int i = 0; i < Records; ++i) {
        const QString surname = QString::fromUtf8(surnames[rng.bounded(12)]);
        text += QStringLiteral("%%1 %2 %3 Петрович-Заднепровский\r\n")
                    .arg(surname)
                    .arg(rng.bounded(1000000))
                    .arg(i % 2 ? QStringLiteral("Олег") : QStringLiteral("Анна"));
        text += QStringLiteral("#улица Тараса Шевченко, дом %1, корпус 2, подъезд 3, этаж 7, квартира %2\r\n")
                    .arg(rng.bounded(300))
                    .arg(rng.bounded(500));
        text += QStringLiteral("#город %1, микрорайон Южный, улица Новая\r\n")
                    .arg(QString::fromUtf8(towns[rng.bounded(7)]));
        text += i % 5 ? QStringLiteral("#Белоцерковский район\r\n") : QStringLiteral("#\r\n");
        text += i % 7 ? QStringLiteral("#Киевская область\r\n") : QStringLiteral("#\r\n");
        text += QStringLiteral("#Украина (Україна)\r\n");
        text += QStringLiteral("#%1\r\n").arg(rng.bounded(100000), 5, 10, QLatin1Char('0'));
    }
    return *codepage::encode1251(text);
}

// CPU time of this thread in milliseconds: the figure that other work on a shared machine does not inflate.
double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

int lineCount(const QByteArray &bytes)
{
    return int(bytes.count('\n'));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    const QByteArray book = generatedBook();
    {
        QFile f(work.filePath(QStringLiteral("Book.txt")));
        if (!f.open(QIODevice::WriteOnly) || f.write(book) != book.size())
            return 2;
    }
    std::fprintf(stderr, "Book.txt: %d lines, %.1f MB\n", lineCount(book), book.size() / 1e6);

    auto messagesOwned = std::make_unique<RecordingMessages>();
    RecordingMessages &messages = *messagesOwned;
    Program program(work.path(), work.path(), std::move(messagesOwned), std::make_unique<RecordingPrinting>(),
                    std::make_unique<RecordingDesktop>());
    installFontSubstitutes();

    std::unique_ptr<AddressBookDialog> form;
    double openCpuMs = 1e300;
    const double openMs = bench::bestMs(3, [&] {
        form.reset();
        const double cpu0 = cpuMs();
        form = std::make_unique<AddressBookDialog>(program.ctx());
        form->show();
        QCoreApplication::processEvents();
        form->namesList()->repaint();
        openCpuMs = std::min(openCpuMs, cpuMs() - cpu0);
    });
    if (form->namesList()->model()->rowCount() != Records || !messages.all.isEmpty())
        return 3;

    int serial = 0;
    const double addMs = bench::bestMs(3, [&] {
        AddAddresseeDialog *add = form->openAddDialog();
        add->box(0)->setText(QStringLiteral("Новиков %1").arg(++serial));
        add->box(3)->setText(QStringLiteral("Ирпенский"));
        add->confirmButton()->click();
        QCoreApplication::processEvents();
    });

    const double changeMs = bench::bestMs(3, [&] {
        const QModelIndex index = form->namesList()->model()->index(Records / 2 + serial, 0);
        form->namesList()->setCurrentIndex(index);
        EditAddresseeDialog *edit = form->openEditDialog();
        edit->box(1)->setText(QStringLiteral("ул. Новая, %1").arg(++serial));
        edit->confirmButton()->click();
        QCoreApplication::processEvents();
    });

    const double deleteMs = bench::bestMs(3, [&] {
        DeleteAddresseeDialog *del = form->openDeleteDialog();
        del->markRow(1000 + serial);
        del->markRow(Records / 3 + serial);
        ++serial;
        del->deleteButton()->click();
        QCoreApplication::processEvents();
    });
    if (!messages.all.isEmpty() || form->namesList()->model()->rowCount() != Records + 3 - 6)
        return 4;

    bool ok = true;
    ok &= bench::report(QStringLiteral("address book: open window, 128,571 records"), QStringLiteral("< 1000 ms"),
                        openMs, 1000, QStringLiteral("ms"));
    bench::report(QStringLiteral("address book: open window, CPU time"), QStringLiteral("< 1000 ms"), openCpuMs, 1000,
                  QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("address book: add one record"), QStringLiteral("< 500 ms"), addMs, 500,
                        QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("address book: change one record"), QStringLiteral("< 500 ms"), changeMs, 500,
                        QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("address book: delete two records"), QStringLiteral("< 500 ms"), deleteMs, 500,
                        QStringLiteral("ms"));
    bench::report(QStringLiteral("address book: peak memory"), QStringLiteral("< 600 MB"), bench::peakRssMb(), 600,
                  QStringLiteral("MB"));
    return ok ? 0 : 1;
}
