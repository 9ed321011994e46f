#include "support/RecordingPrinting.h"

#include "logic/files/IoError.h"

void RecordingPrinting::beginDoc()
{
    if (failOnBegin)
        throw IoError(QStringLiteral("Printer selected is not valid"));
    if (jobRunning)
        throw IoError(QStringLiteral("Printing in progress"));
    if (needsOutputFileName())
        throw IoError(QStringLiteral("No output file for the printer \"%1\"").arg(currentPrinter()));
    jobRunning = true;
    pages = 1;
    calls.append(QStringLiteral("begin"));
}

void RecordingPrinting::textOut(int x, int y, const QString &text)
{
    if (failAfterTexts >= 0 && texts.size() >= failAfterTexts)
        throw IoError(QStringLiteral("Printer is out of paper"));
    texts.append(RecordedText{pages, x, y, text, m_face, m_size, m_bold, m_italic});
}

QList<RecordedText> RecordingPrinting::textsOnPage(int page) const
{
    QList<RecordedText> out;
    for (const RecordedText &t : texts)
        if (t.page == page)
            out.append(t);
    return out;
}
