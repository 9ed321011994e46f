#include "logic/files/SettingsFiles.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"
#include "logic/files/WorkDir.h"

#include <QCoreApplication>
#include <QDir>

#include <QtEndian>

namespace {
constexpr int NameField = 256;
constexpr int SizeOffset = 256;
constexpr int ReservedOffset = 260;
constexpr int BoldOffset = 264;
constexpr int ItalicOffset = 265;
// Refuses a value read from a settings file that no envelope can have.
[[noreturn]] void throwOutOfRange(const WorkDir &dir, const QString &file, const QString &what, const QString &allowed)
{
    throw IoError(QCoreApplication::translate("SettingsFiles",
                                              "Файл «%1» (%2): %3 — такого значения не бывает (допустимо: %4). "
                                              "Задайте настройку заново.")
                      .arg(file, QDir::toNativeSeparators(dir.path(file)), what, allowed));
}

bool inRange(qint32 value, qint32 low, qint32 high)
{
    return value >= low && value <= high;
}

FontSetting checkedFont(const WorkDir &dir, const QString &file, FontSetting font)
{
    if (!inRange(font.pointSize, settings::MinFontSize, settings::MaxFontSize))
        throwOutOfRange(dir, file, QCoreApplication::translate("SettingsFiles", "размер шрифта %1").arg(font.pointSize),
                        QCoreApplication::translate("SettingsFiles", "от %1 до %2")
                            .arg(settings::MinFontSize)
                            .arg(settings::MaxFontSize));
    return font;
}

} // namespace

QByteArray FontSetting::toRecord(const QString &fileName) const
{
    const QByteArray nameBytes = codepage::encode1251OrThrow(name.left(255), fileName);
    QByteArray record(RecordSize, '\0');
    record[0] = static_cast<char>(nameBytes.size());
    std::copy(nameBytes.cbegin(), nameBytes.cend(), record.begin() + 1);
    qToLittleEndian<qint32>(pointSize, record.data() + SizeOffset);
    qToLittleEndian<qint32>(0, record.data() + ReservedOffset);
    record[BoldOffset] = bold ? 1 : 0;
    record[ItalicOffset] = italic ? 1 : 0;
    return record;
}

FontSetting FontSetting::fromRecord(const QByteArray &record)
{
    FontSetting font;
    const int length = static_cast<quint8>(record.at(0));
    font.name = codepage::decode1251(record.mid(1, std::min(length, NameField - 1)));
    font.pointSize = settings::int32At(record, SizeOffset);
    font.bold = record.at(BoldOffset) == 1;
    font.italic = record.at(ItalicOffset) == 1;
    return font;
}

namespace settings {

QByteArray int32Record(qint32 value)
{
    QByteArray record(4, '\0');
    qToLittleEndian<qint32>(value, record.data());
    return record;
}

qint32 int32At(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

EnvelopeShape readEnvelopeShape(const WorkDir &dir)
{
    const qint32 shape = int32At(dir.readFirstRecord(EnvelopeShapeFile, 4), 0);
    if (!inRange(shape, 1, 3))
        throwOutOfRange(dir, EnvelopeShapeFile,
                        QCoreApplication::translate("SettingsFiles", "вид конверта %1").arg(shape),
                        QCoreApplication::translate("SettingsFiles", "1, 2 или 3"));
    return EnvelopeShape(shape);
}

void writeEnvelopeShape(const WorkDir &dir, EnvelopeShape shape)
{
    dir.writeRecord(EnvelopeShapeFile, int32Record(qint32(shape)));
}

EnvelopeSize readEnvelopeSize(const WorkDir &dir)
{
    const QByteArray record = dir.readFirstRecord(EnvelopeSizeFile, 8);
    const EnvelopeSize size{int32At(record, 0), int32At(record, 4)};
    if (!inRange(size.height, MinEnvelopeMm, MaxEnvelopeMm) || !inRange(size.width, MinEnvelopeMm, MaxEnvelopeMm))
        throwOutOfRange(
            dir, EnvelopeSizeFile,
            QCoreApplication::translate("SettingsFiles", "размер конверта %1 x %2 мм").arg(size.height).arg(size.width),
            QCoreApplication::translate("SettingsFiles", "от %1 до %2 мм").arg(MinEnvelopeMm).arg(MaxEnvelopeMm));
    return size;
}

void writeEnvelopeSize(const WorkDir &dir, qint32 height, qint32 width)
{
    dir.writeRecord(EnvelopeSizeFile, int32Record(height) + int32Record(width));
}

namespace {
bool isFeedMethod(qint32 value)
{
    return value == qint32(FeedMethod::None) || value == qint32(FeedMethod::LeftEdge) ||
           value == qint32(FeedMethod::Centre);
}
} // namespace

FeedMethod readFeedMethodChoice(const WorkDir &dir)
{
    const qint32 feed = int32At(dir.readFirstRecord(FeedMethodFile, 4), 0);
    return isFeedMethod(feed) ? FeedMethod(feed) : FeedMethod::None;
}

FeedMethod readFeedMethod(const WorkDir &dir)
{
    const qint32 feed = int32At(dir.readLastRecord(FeedMethodFile, 4), 0);
    if (!isFeedMethod(feed))
        throwOutOfRange(
            dir, FeedMethodFile, QCoreApplication::translate("SettingsFiles", "способ загрузки %1").arg(feed),
            QCoreApplication::translate("SettingsFiles", "1 — по левому краю, 4 — по центру, 0 — не выбран"));
    return FeedMethod(feed);
}

void writeFeedMethod(const WorkDir &dir, FeedMethod feedMethod)
{
    dir.writeRecord(FeedMethodFile, int32Record(qint32(feedMethod)));
}

bool readFeedMethodConfirmed(const WorkDir &dir)
{
    return dir.readFirstRecord(FeedMethodConfirmedFile, 1).at(0) != 0;
}

void writeFeedMethodConfirmed(const WorkDir &dir, bool confirmed)
{
    dir.writeRecord(FeedMethodConfirmedFile, QByteArray(1, confirmed ? 1 : 0));
}

bool rowLimitWarningSuppressed(const WorkDir &dir)
{
    return dir.exists(RowLimitWarningFile);
}

void writeRowLimitWarningSuppressed(const WorkDir &dir, bool ticked)
{
    dir.writeRecord(RowLimitWarningFile, QByteArray(1, ticked ? 1 : 0));
}

FontSetting readSenderFont(const WorkDir &dir)
{
    return checkedFont(dir, SenderFontFile,
                       FontSetting::fromRecord(dir.readFirstRecord(SenderFontFile, FontSetting::RecordSize)));
}

FontSetting readRecipientFont(const WorkDir &dir)
{
    return checkedFont(dir, RecipientFontFile,
                       FontSetting::fromRecord(dir.readFirstRecord(RecipientFontFile, FontSetting::RecordSize)));
}

void writeSenderFont(const WorkDir &dir, const FontSetting &font)
{
    dir.writeRecord(SenderFontFile, font.toRecord(SenderFontFile));
}

void writeRecipientFont(const WorkDir &dir, const FontSetting &font)
{
    dir.writeRecord(RecipientFontFile, font.toRecord(RecipientFontFile));
}

} // namespace settings
