#include "logic/files/TextLines.h"

#include "logic/files/Codepage.h"

#include <QTextLayout>
#include <QTextOption>

int textAreaWidth(int boxWidth)
{
    // A sunken frame of 2 pixels and a margin of 2 pixels on each side.
    return std::max(1, boxWidth - 8);
}

bool laidOutInPairs(QChar c)
{
    if (c.unicode() < 0x20 || c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Format)
        return false;
    switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Cyrillic:
    case QChar::Script_Greek:
        break;
    default:
        return false;
    }
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirWS:
    case QChar::DirON:
        return true;
    default:
        return false;
    }
}

QString wrappedPiece(const QString &paragraph, int start, int length)
{
    QString piece = paragraph.mid(start, length);
    if (start + length < paragraph.size())
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
    return piece;
}

QStringList wrappedLines(const QStringList &lines, const QFont &font, int boxWidth)
{
    const qreal width = textAreaWidth(boxWidth);
    QStringList result;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &line : lines) {
        if (line.isEmpty()) {
            result.append(QString());
            continue;
        }
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine tl = layout.createLine(); tl.isValid(); tl = layout.createLine()) {
            tl.setLineWidth(width);
            result.append(wrappedPiece(line, tl.textStart(), tl.textLength()));
        }
        layout.endLayout();
    }
    return result;
}

QStringList wrappedLines(const QString &text, const QFont &font, int boxWidth)
{
    return wrappedLines(codepage::splitLines(text), font, boxWidth);
}
