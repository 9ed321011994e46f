#pragma once
// Text helpers of the group mailing tests (source literals are UTF-8) and the address book they read.

#include "support/TestSupport.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace testing {

inline QString t(const char *text)
{
    return QString::fromUtf8(text);
}

inline QStringList lines(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *line : list)
        result.append(QString::fromUtf8(line));
    return result;
}

// Four records: two of one name (the later one is what a lookup finds), one with every field
// filled, one cut short by the end of the book.
inline QStringList sampleBook()
{
    return bookRecord({"Иванов Иван", "ул. Ленина, 1", "Киев", "", "", "Украина", "01001"}) +
           bookRecord({"Петров", "пр. Мира, 5", "Харьков", "Змиевской район", "Харьковская область", "", "61000"}) +
           bookRecord({"Иванов Иван", "ул. Садовая, 7", "Одесса", "", "", "", "65000"}) +
           bookRecord({"Сидоров", "ул. Короткая"});
}

} // namespace testing
