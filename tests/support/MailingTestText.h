#pragma once
// Text helpers of the group mailing tests: source literals are UTF-8.

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

} // namespace testing
