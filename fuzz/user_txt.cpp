// The sender file "User.txt": read as lines and wrapped into the lines the sender box shows (the
// preview and every print go this way).

#include "FuzzSupport.h"

#include "logic/envelope/EnvelopeGeometry.h"
#include "logic/files/Codepage.h"
#include "logic/files/TextLines.h"

#include <QFont>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::ensureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    const QByteArray b = fuzz::bytes(data, size);
    fuzz::putFile(QStringLiteral("User.txt"), b);

    const QStringList lines = dir.loadLines(QStringLiteral("user.txt"));
    FUZZ_CHECK(lines == codepage::splitLines(codepage::decode1251(b)));

    static const QFont &font = *new QFont(QStringLiteral("Liberation Sans"), 8);
    // Every line shows as one line or more, the pieces of a line covering it in order up to the blanks
    // hidden at the breaks.
    const auto noBlanks = [](QString t) { return t.remove(QLatin1Char(' ')); };
    qsizetype total = 0;
    for (const QString &line : lines) {
        const QStringList pieces = wrappedLines(QStringList{line}, font, SenderBoxWidth);
        FUZZ_CHECK(!pieces.isEmpty());
        FUZZ_CHECK_MSG(noBlanks(pieces.join(QString())) == noBlanks(line), line);
        for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
            FUZZ_CHECK(!pieces.at(i).endsWith(QLatin1Char(' ')));
        total += pieces.size();
    }
    FUZZ_CHECK(wrappedLines(lines, font, SenderBoxWidth).size() == total);
    return 0;
}
