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
    fuzz::putFile(settings::HomeFontFile, b);
    fuzz::putFile(settings::AddrFontFile, b);

    TFontSetting home, addr;
    try {
        home = settings::readHomeFont(dir);
        addr = settings::readAddrFont(dir);
    } catch (const IoError &) {
        // Too short, or a size that no font has.
        const bool sized = b.size() >= TFontSetting::RecordSize;
        const qint32 pointSize = sized ? qFromLittleEndian<qint32>(b.constData() + 256) : 0;
        FUZZ_CHECK(!sized || pointSize < settings::MinFontSize || pointSize > settings::MaxFontSize);
        return 0;
    }
    FUZZ_CHECK(b.size() >= TFontSetting::RecordSize);
    FUZZ_CHECK(home == addr);

    // The fields stand where the record says.
    const int length = quint8(b.at(0));
    FUZZ_CHECK(home.Name.size() == std::min(length, 255));
    FUZZ_CHECK(home.Name == codepage::decode1251(b.mid(1, home.Name.size())));
    FUZZ_CHECK(home.Size == qFromLittleEndian<qint32>(b.constData() + 256));
    FUZZ_CHECK(home.Bold == (b.at(264) == 1));
    FUZZ_CHECK(home.Italic == (b.at(265) == 1));

    // Written back and read again: the same font, in a record of the same width.
    try {
        settings::writeHomeFont(dir, home);
    } catch (const IoError &) {
        // Only a name that code page 1251 cannot hold is refused.
        FUZZ_CHECK(!codepage::encode1251(home.Name).has_value());
        return 0;
    }
    FUZZ_CHECK(dir.readBytes(settings::HomeFontFile).size() == TFontSetting::RecordSize);
    FUZZ_CHECK(settings::readHomeFont(dir) == home);
    FUZZ_CHECK(TFontSetting::fromRecord(home.toRecord()) == home);
    return 0;
}
