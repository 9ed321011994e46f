#include "logic/files/Codepage.h"

#include "logic/files/IoError.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>

namespace codepage {

namespace {
const char *const kName = "windows-1251";
}

QString decode1251(const QByteArray &bytes)
{
    // Code page 1251 gives one character for each byte: decoding through a table taken from the
    // codec is several times faster than the codec on a file of many megabytes.
    static const std::optional<std::array<char16_t, 256>> table = []() -> std::optional<std::array<char16_t, 256>> {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder(kName);
            const QString one = decoder.decode(QByteArray(1, char(b)));
            if (one.size() != 1)
                return std::nullopt;
            t[b] = one.at(0).unicode();
        }
        return t;
    }();
    if (!table || bytes.isEmpty()) {
        QStringDecoder decoder(kName);
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = (*table)[in[i]];
    return text;
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
    throw IoError(QCoreApplication::translate("Codepage",
                                              "Символ «%1» (U+%2) нельзя сохранить в кодировке Windows-1251. "
                                              "Файл «%3» не изменён.")
                      .arg(ch)
                      .arg(ch.isEmpty() ? 0 : ch.at(0).unicode(), 4, 16, QLatin1Char('0'))
                      .arg(fileName));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    forEachLine(text, [&](qsizetype start, qsizetype end) { lines.append(text.mid(start, end - start)); });
    return lines;
}

QString joinLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

} // namespace codepage
