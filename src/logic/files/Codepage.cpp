#include "logic/files/Codepage.h"

#include "logic/files/IoError.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace codepage {

namespace {
const char *const kName = "windows-1251";
}

QString decode1251(const QByteArray &bytes)
{
    QStringDecoder decoder(kName);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encode1251(const QString &text)
{
    QStringEncoder encoder(kName);
    QByteArray bytes = encoder.encode(text);
    // The encoder quietly substitutes what it cannot map; a round trip tells.
    if (encoder.hasError() || decode1251(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString firstUnencodable(const QString &text)
{
    QStringEncoder encoder(kName);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        QStringEncoder one(kName);
        const QByteArray b = one.encode(ch);
        if (one.hasError() || decode1251(b) != ch)
            return ch;
        i += len - 1;
    }
    return {};
}

QByteArray encode1251OrThrow(const QString &text, const QString &fileName)
{
    if (auto bytes = encode1251(text))
        return *bytes;
    const QString ch = firstUnencodable(text);
    throw IoError(QStringLiteral("Символ «%1» (U+%2) нельзя сохранить в кодировке Windows-1251. "
                                 "Файл «%3» не изменён.")
                      .arg(ch)
                      .arg(ch.isEmpty() ? 0 : ch.at(0).unicode(), 4, 16, QLatin1Char('0'))
                      .arg(fileName));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace codepage
