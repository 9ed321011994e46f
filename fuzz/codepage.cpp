// Code page 1251: decoding any bytes, encoding any text, and the line splitting every text file
// goes through.

#include "FuzzSupport.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"

using namespace codepage;

namespace {

void checkBytes(const QByteArray &bytes)
{
    const QString text = decode1251(bytes);
    // One character for each byte.
    FUZZ_CHECK(text.size() == bytes.size());
    // What was decoded encodes back to the same bytes, unless a byte has no character
    // (then encode1251 refuses the text rather than substituting).
    if (const auto again = encode1251(text))
        FUZZ_CHECK(*again == bytes);
    else
        FUZZ_CHECK(!firstUnencodable(text).isEmpty());

    // Lines: none holds a line break, and joined with CR LF they read back the same.
    const QStringList lines = splitLines(text);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    FUZZ_CHECK(splitLines(joinLines(lines)) == lines);
    // Nothing but line breaks is lost.
    QString flat = text;
    flat.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    FUZZ_CHECK(lines.join(QString()) == flat);
}

void checkText(const QString &text, bool wellFormed)
{
    const auto bytes = encode1251(text);
    const QString bad = firstUnencodable(text);
    FUZZ_CHECK_MSG(bytes.has_value() == bad.isEmpty(), QStringLiteral("firstUnencodable: «%1»").arg(bad));
    if (bytes) {
        FUZZ_CHECK(decode1251(*bytes) == text);
        FUZZ_CHECK(encode1251OrThrow(text, QStringLiteral("f")) == *bytes);
    } else {
        FUZZ_CHECK(text.contains(bad));
        bool thrown = false;
        try {
            encode1251OrThrow(text, QStringLiteral("f"));
        } catch (const IoError &) {
            thrown = true;
        }
        FUZZ_CHECK(thrown);
    }
    // UTF-8 (the mailing records) holds any text without a lone surrogate, but for the byte-order
    // marks it starts with, which are dropped on writing.
    if (wellFormed) {
        QString expected = text;
        while (expected.startsWith(QChar::ByteOrderMark))
            expected.remove(0, 1);
        FUZZ_CHECK(WorkDir::decode(WorkDir::encode(text, TextEncoding::Utf8, QString()), TextEncoding::Utf8) ==
                   expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkBytes(fuzz::bytes(data, size));
    checkText(fuzz::text(data, size), true);
    // Raw UTF-16 as well, lone surrogates included.
    const QString utf16(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    checkText(utf16, utf16.isValidUtf16());
    return 0;
}
