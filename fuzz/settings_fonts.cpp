// The font settings "HomeFont" and "AddrFont": 268-byte records with a length-prefixed name.

#include "FuzzSupport.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"

#include <QtEndian>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    const QByteArray b = fuzz::bytes(data, size);
    fuzz::putFile(settings::SenderFontFile, b);
    fuzz::putFile(settings::RecipientFontFile, b);

    FontSetting home, addr;
    try {
        home = settings::readSenderFont(dir);
        addr = settings::readRecipientFont(dir);
    } catch (const IoError &) {
        // Too short, or a size that no font has.
        const bool sized = b.size() >= FontSetting::RecordSize;
        const qint32 pointSize = sized ? qFromLittleEndian<qint32>(b.constData() + 256) : 0;
        FUZZ_CHECK(!sized || pointSize < settings::MinFontSize || pointSize > settings::MaxFontSize);
        return 0;
    }
    FUZZ_CHECK(b.size() >= FontSetting::RecordSize);
    FUZZ_CHECK(home == addr);

    // The fields stand where the record says.
    const int length = quint8(b.at(0));
    FUZZ_CHECK(home.name.size() == std::min(length, 255));
    FUZZ_CHECK(home.name == codepage::decode1251(b.mid(1, home.name.size())));
    FUZZ_CHECK(home.pointSize == qFromLittleEndian<qint32>(b.constData() + 256));
    FUZZ_CHECK(home.bold == (b.at(264) == 1));
    FUZZ_CHECK(home.italic == (b.at(265) == 1));

    // Written back and read again: the same font, in a record of the same width.
    try {
        settings::writeSenderFont(dir, home);
    } catch (const IoError &) {
        // Only a name that code page 1251 cannot hold is refused.
        FUZZ_CHECK(!codepage::encode1251(home.name).has_value());
        return 0;
    }
    FUZZ_CHECK(dir.readBytes(settings::SenderFontFile).size() == FontSetting::RecordSize);
    FUZZ_CHECK(settings::readSenderFont(dir) == home);
    FUZZ_CHECK(FontSetting::fromRecord(home.toRecord()) == home);
    return 0;
}
