// A second program for the address book tests: adds records to the book of a working directory,
// one change at a time as the address book window makes them.
// Usage: book_writer <working directory> <name prefix> <count>. Exits 0 when every record was
// added, 1 (with the message on stderr) at the first failure.

#include "logic/addresses/AddressBook.h"
#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const WorkDir dir(args.at(1));
    AddressBook book(dir);
    const int count = args.at(3).toInt();
    try {
        for (int i = 0; i < count; ++i) {
            book.add({QStringLiteral("%1 %2").arg(args.at(2)).arg(i), QStringLiteral("ул. Тестовая, %1").arg(i),
                      QStringLiteral("Киев"), QString(), QString(), QStringLiteral("Украина"),
                      QStringLiteral("01001")});
            QThread::usleep(200); // a moment between changes, as between a user's clicks
        }
    } catch (const IoError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
