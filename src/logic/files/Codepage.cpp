#include "logic/files/Codepage.h"

#include "logic/files/IoError.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <array>

namespace codepage {

namespace {

// The characters of bytes 0x80 to 0xFF; the bytes below are the ASCII characters themselves. 0x98
// has no character of its own and stands for the control character of the same number.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The byte of a character, or -1 when code page 1251 has none for it.
int byteOf(char16_t c)
{
    if (c < 0x80)
        return c;
    static const QHash<char16_t, uchar> bytes = [] {
        QHash<char16_t, uchar> h;
        for (int i = 0; i < 128; ++i)
            h.insert(UpperHalf[i], uchar(0x80 + i));
        return h;
    }();
    const auto found = bytes.constFind(c);
    return found == bytes.cend() ? -1 : *found;
}

} // namespace

QString decode1251(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = in[i] < 0x80 ? char16_t(in[i]) : UpperHalf[in[i] - 0x80];
    return text;
}

std::optional<QByteArray> encode1251(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text.at(i).unicode());
        if (b < 0)
            return std::nullopt;
        bytes[i] = char(b);
    }
    return bytes;
}

QString firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (byteOf(text.at(i).unicode()) >= 0)
            continue;
        // A high surrogate is named together with the character after it.
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        return text.mid(i, len);
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
