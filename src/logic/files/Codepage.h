#pragma once
// Code page 1251, the encoding of every text file the program keeps.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace codepage {

QString decode1251(const QByteArray &bytes);

// The bytes of text in code page 1251, or nothing when a character has no place in it.
std::optional<QByteArray> encode1251(const QString &text);

// The first character of text that code page 1251 cannot hold, or a null QChar.
QString firstUnencodable(const QString &text);

// Encodes or throws IoError with a clear message naming the character and the file.
QByteArray encode1251OrThrow(const QString &text, const QString &fileName);

// Calls lineFound(start, end) for each line of text in order, the line being the characters from
// start up to end. Lines end at CR LF, lone LF or lone CR; a final line break does not start an
// empty line.
template <typename LineFound> void forEachLine(const QString &text, LineFound &&lineFound)
{
    const qsizetype n = text.size();
    const QChar *chars = text.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = chars[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lineFound(start, i);
            if (c == u'\r' && i + 1 < n && chars[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lineFound(start, n);
}

// Splits text into lines as forEachLine does.
QStringList splitLines(const QString &text);

// The text of lines as a text file holds them: every line followed by CR LF.
QString joinLines(const QStringList &lines);

} // namespace codepage
