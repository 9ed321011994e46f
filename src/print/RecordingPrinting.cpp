#include "RecordingPrinting.h"

#include "app/IoError.h"

void RecordingPrinting::beginDoc()
{
    if (failOnBegin)
        throw IoError(QStringLiteral("Printer selected is not valid"));
    if (jobRunning)
        throw IoError(QStringLiteral("Printing in progress"));
    jobRunning = true;
    pages = 1;
    calls.append(QStringLiteral("begin"));
}

QList<RecordedText> RecordingPrinting::textsOnPage(int page) const
{
    QList<RecordedText> out;
    for (const RecordedText &t : texts)
        if (t.page == page)
            out.append(t);
    return out;
}
