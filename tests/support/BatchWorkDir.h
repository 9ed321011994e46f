#pragma once
// The working directory the batch printer's tests start from: a sender and a book of two
// recipients, Петров (Харьков) and Сидорова (Полтава).

#include "support/TestSupport.h"

namespace testing {

inline void writeBatchWorkDir(TempWorkDir &dir)
{
    dir.write(QStringLiteral("user.txt"), cp1251(QStringLiteral("ООО Велтора\r\nул. Садовая, 1\r\nКиев")));
    dir.write(QStringLiteral("Book.txt"),
              crlfLines(bookRecord({"Петров Пётр", "ул. Ленина, 3", "Харьков", "", "", "", "61000"}) +
                        bookRecord({"Сидорова Анна", "ул. Мира, 7", "Полтава", "", "", "", "36000"})));
}

} // namespace testing
