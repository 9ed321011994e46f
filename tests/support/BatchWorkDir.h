#pragma once
// The working directory the batch printer's tests start from: a sender and a book of two
// recipients, Петров (Харьков) and Сидорова (Полтава).

#include "support/TestSupport.h"

namespace testing {

inline void writeBatchWorkDir(TempWorkDir &dir)
{
    dir.write(QStringLiteral("user.txt"), cp1251(QStringLiteral("ООО Велтора\r\nул. Садовая, 1\r\nКиев")));
    dir.write(QStringLiteral("Book.txt"),
              crlfLines({QStringLiteral("%Петров Пётр"), QStringLiteral("#ул. Ленина, 3"), QStringLiteral("#Харьков"),
                         QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#61000"),
                         QStringLiteral("%Сидорова Анна"), QStringLiteral("#ул. Мира, 7"), QStringLiteral("#Полтава"),
                         QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#36000")}));
}

} // namespace testing
