// The settings files of plain numbers: "envtip", "parfile", "envs" (first and last record), "issel".

#include "FuzzSupport.h"

#include "logic/files/IoError.h"
#include "logic/files/SettingsFiles.h"

#include <QtEndian>
#include <functional>

namespace {

// Runs a reader; true when it read, false when it refused with the runtime's error.
bool reads(const std::function<void()> &reader)
{
    try {
        reader();
        return true;
    } catch (const IoError &) {
        return false;
    }
}

qint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<qint32>(b.constData() + at);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WorkDir &dir = fuzz::workDir();
    const QByteArray b = fuzz::bytes(data, size);
    for (const QString &name : {settings::EnvelopeShapeFile, settings::EnvelopeSizeFile, settings::FeedMethodFile,
                                settings::FeedMethodConfirmedFile})
        fuzz::putFile(name, b);

    EnvelopeShape envtip = EnvelopeShape::None;
    FeedMethod envsFirst = FeedMethod::None, envsLast = FeedMethod::None;
    settings::EnvelopeSize size2;
    bool issel = false;
    // A record shorter than the file's width is "Read beyond end of file"; a longer file is read in
    // part. Values that no envelope can have are refused too.
    const auto between = [](qint32 v, qint32 low, qint32 high) { return v >= low && v <= high; };
    const bool envtipOk = b.size() >= 4 && between(le32(b, 0), 1, 3);
    const bool parfileOk = b.size() >= 8 && between(le32(b, 0), settings::MinEnvelopeMm, settings::MaxEnvelopeMm) &&
                           between(le32(b, 4), settings::MinEnvelopeMm, settings::MaxEnvelopeMm);
    const qint32 last = b.size() >= 4 ? le32(b, (b.size() / 4 - 1) * 4) : 0;
    const bool envsLastOk = b.size() >= 4 && (last == 0 || last == 1 || last == 4);
    FUZZ_CHECK(reads([&] { envtip = settings::readEnvelopeShape(dir); }) == envtipOk);
    FUZZ_CHECK(reads([&] { size2 = settings::readEnvelopeSize(dir); }) == parfileOk);
    FUZZ_CHECK(reads([&] { envsFirst = settings::readFeedMethodChoice(dir); }) == (b.size() >= 4));
    FUZZ_CHECK(reads([&] { envsLast = settings::readFeedMethod(dir); }) == envsLastOk);
    FUZZ_CHECK(reads([&] { issel = settings::readFeedMethodConfirmed(dir); }) == (b.size() >= 1));

    if (envtipOk) {
        FUZZ_CHECK(qint32(envtip) == le32(b, 0));
        settings::writeEnvelopeShape(dir, envtip);
        FUZZ_CHECK(settings::readEnvelopeShape(dir) == envtip);
    }
    // The window's choice is any feed method stored first; another value is no choice.
    if (b.size() >= 4) {
        const qint32 first = le32(b, 0);
        const bool known = first == 0 || first == 1 || first == 4;
        FUZZ_CHECK(qint32(envsFirst) == (known ? first : 0));
    }
    if (envsLastOk) {
        // Written back, it reads the same.
        FUZZ_CHECK(qint32(envsLast) == last);
        settings::writeFeedMethod(dir, envsLast);
        FUZZ_CHECK(settings::readFeedMethodChoice(dir) == envsLast && settings::readFeedMethod(dir) == envsLast);
    }
    if (parfileOk) {
        FUZZ_CHECK(size2.height == le32(b, 0) && size2.width == le32(b, 4));
        settings::writeEnvelopeSize(dir, size2.height, size2.width);
        const auto again = settings::readEnvelopeSize(dir);
        FUZZ_CHECK(again.height == size2.height && again.width == size2.width);
    }
    if (b.size() >= 1) {
        FUZZ_CHECK(issel == (b.at(0) != 0));
        settings::writeFeedMethodConfirmed(dir, issel);
        FUZZ_CHECK(settings::readFeedMethodConfirmed(dir) == issel);
    }
    return 0;
}
