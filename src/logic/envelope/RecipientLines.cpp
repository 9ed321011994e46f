#include "logic/envelope/RecipientLines.h"

void tidyRecipientLines(QStringList &lines)
{
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\t')))
            line.chop(1);
    }
    const QString second = lines.size() > 1 ? lines.at(1) : QString();
    if (!lines.isEmpty() && lines.at(0) == second)
        lines.removeFirst();
}
