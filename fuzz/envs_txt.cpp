// The envelope size captions "envs.txt", read as the size dialog reads them, and the caption lookup.

#include "FuzzSupport.h"

#include "logic/envelope/EnvelopeSizes.h"
#include "logic/files/Codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    const QByteArray b = fuzz::bytes(data, size);
    fuzz::putFile(QStringLiteral("envs.txt"), b);

    const QStringList captions = dir.loadLines(QStringLiteral("ENVS.TXT"));
    FUZZ_CHECK(captions == codepage::splitLines(codepage::decode1251(b)));

    const int sizes = int(EnvelopeSizeTable.size());
    QStringList asked = captions.mid(0, sizes + 2);
    asked << QString() << QStringLiteral("С6  114x162");
    for (const QString &text : asked) {
        const int index = sizeIndexForCaption(text, captions);
        FUZZ_CHECK(index >= -1 && index < sizes);
        // The first of the ten lines that equals the text, a missing line counting as empty.
        int expected = -1;
        for (int i = 0; i < sizes && expected < 0; ++i)
            if ((i < captions.size() ? captions.at(i) : QString()) == text)
                expected = i;
        FUZZ_CHECK(index == expected);
        if (index >= 0) {
            const EnvelopeSizeRow row = EnvelopeSizeTable.at(index);
            FUZZ_CHECK(row.heightMm <= row.widthMm);
        }
    }
    return 0;
}
