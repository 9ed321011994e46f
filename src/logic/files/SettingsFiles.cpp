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

TFontSetting checkedFont(const WorkDir &dir, const QString &file, TFontSetting font)
{
    if (!inRange(font.Size, settings::MinFontSize, settings::MaxFontSize))
        throwOutOfRange(dir, file, QCoreApplication::translate("SettingsFiles", "размер шрифта %1").arg(font.Size),
                        QCoreApplication::translate("SettingsFiles", "от %1 до %2")
                            .arg(settings::MinFontSize)
                            .arg(settings::MaxFontSize));
    return font;
}

} // namespace

QByteArray TFontSetting::toRecord(const QString &fileName) const
{
    QByteArray name = codepage::encode1251OrThrow(Name.left(255), fileName);
    QByteArray record(RecordSize, '\0');
    record[0] = static_cast<char>(name.size());
    std::copy(name.cbegin(), name.cend(), record.begin() + 1);
    qToLittleEndian<qint32>(Size, record.data() + SizeOffset);
    qToLittleEndian<qint32>(0, record.data() + ReservedOffset);
    record[BoldOffset] = Bold ? 1 : 0;
    record[ItalicOffset] = Italic ? 1 : 0;
    return record;
}

TFontSetting TFontSetting::fromRecord(const QByteArray &record)
{
    TFontSetting font;
    const int length = static_cast<quint8>(record.at(0));
    font.Name = codepage::decode1251(record.mid(1, std::min(length, NameField - 1)));
    font.Size = settings::int32At(record, SizeOffset);
    font.Bold = record.at(BoldOffset) == 1;
    font.Italic = record.at(ItalicOffset) == 1;
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

qint32 readEnvtip(const WorkDir &dir)
{
    const qint32 type = int32At(dir.readFirstRecord(EnvtipFile, 4), 0);
    if (!inRange(type, 1, 3))
        throwOutOfRange(dir, EnvtipFile, QCoreApplication::translate("SettingsFiles", "вид конверта %1").arg(type),
                        QCoreApplication::translate("SettingsFiles", "1, 2 или 3"));
    return type;
}

void writeEnvtip(const WorkDir &dir, qint32 envType)
{
    dir.writeRecord(EnvtipFile, int32Record(envType));
}

EnvelopeSize readParfile(const WorkDir &dir)
{
    const QByteArray record = dir.readFirstRecord(ParfileFile, 8);
    const EnvelopeSize size{int32At(record, 0), int32At(record, 4)};
    if (!inRange(size.height, MinEnvelopeMm, MaxEnvelopeMm) || !inRange(size.width, MinEnvelopeMm, MaxEnvelopeMm))
        throwOutOfRange(
            dir, ParfileFile,
            QCoreApplication::translate("SettingsFiles", "размер конверта %1 x %2 мм").arg(size.height).arg(size.width),
            QCoreApplication::translate("SettingsFiles", "от %1 до %2 мм").arg(MinEnvelopeMm).arg(MaxEnvelopeMm));
    return size;
}

void writeParfile(const WorkDir &dir, qint32 height, qint32 width)
{
    dir.writeRecord(ParfileFile, int32Record(height) + int32Record(width));
}

qint32 readEnvsFirst(const WorkDir &dir)
{
    return int32At(dir.readFirstRecord(EnvsFile, 4), 0);
}

qint32 readEnvsLast(const WorkDir &dir)
{
    const qint32 feed = int32At(dir.readLastRecord(EnvsFile, 4), 0);
    if (feed != 0 && feed != 1 && feed != 4)
        throwOutOfRange(
            dir, EnvsFile, QCoreApplication::translate("SettingsFiles", "способ загрузки %1").arg(feed),
            QCoreApplication::translate("SettingsFiles", "1 — по левому краю, 4 — по центру, 0 — не выбран"));
    return feed;
}

void writeEnvs(const WorkDir &dir, qint32 feedMethod)
{
    dir.writeRecord(EnvsFile, int32Record(feedMethod));
}

quint8 readIssel(const WorkDir &dir)
{
    return static_cast<quint8>(dir.readFirstRecord(IsselFile, 1).at(0));
}

void writeIssel(const WorkDir &dir, quint8 confirmed)
{
    dir.writeRecord(IsselFile, QByteArray(1, static_cast<char>(confirmed)));
}

bool showFileExists(const WorkDir &dir)
{
    return dir.exists(ShowFileFile);
}

void writeShowFile(const WorkDir &dir, bool ticked)
{
    dir.writeRecord(ShowFileFile, QByteArray(1, ticked ? 1 : 0));
}

TFontSetting readHomeFont(const WorkDir &dir)
{
    return checkedFont(dir, HomeFontFile,
                       TFontSetting::fromRecord(dir.readFirstRecord(HomeFontFile, TFontSetting::RecordSize)));
}

TFontSetting readAddrFont(const WorkDir &dir)
{
    return checkedFont(dir, AddrFontFile,
                       TFontSetting::fromRecord(dir.readFirstRecord(AddrFontFile, TFontSetting::RecordSize)));
}

void writeHomeFont(const WorkDir &dir, const TFontSetting &font)
{
    dir.writeRecord(HomeFontFile, font.toRecord(HomeFontFile));
}

void writeAddrFont(const WorkDir &dir, const TFontSetting &font)
{
    dir.writeRecord(AddrFontFile, font.toRecord(AddrFontFile));
}

} // namespace settings
