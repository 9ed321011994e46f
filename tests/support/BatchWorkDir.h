#pragma once
// The working directory the batch printer's tests start from: a sender and a book of two
// recipients, Петров (Харьков) and Сидорова (Полтава).

#include "support/TestSupport.h"

#include <QDir>
#include <QProcessEnvironment>

namespace testing {

inline void writeBatchWorkDir(TempWorkDir &dir)
{
    dir.write(QStringLiteral("user.txt"), cp1251(QStringLiteral("ООО Велтора\r\nул. Садовая, 1\r\nКиев")));
    dir.write(QStringLiteral("Book.txt"),
              crlfLines(bookRecord({"Петров Пётр", "ул. Ленина, 3", "Харьков", "", "", "", "61000"}) +
                        bookRecord({"Сидорова Анна", "ул. Мира, 7", "Полтава", "", "", "", "36000"})));
}

// Where veltora-batch runs: offscreen, the system's language `lang` (Russian: the texts the tests
// quote), no language chosen in the window.
inline QProcessEnvironment batchEnvironment(const QString &lang = QStringLiteral("ru_RU.UTF-8"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::temp().filePath(QStringLiteral("veltora-no-settings")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

} // namespace testing
