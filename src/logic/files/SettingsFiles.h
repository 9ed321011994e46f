#pragma once
// The seven settings files: fixed-width typed records, little-endian int32, one-byte flags,
// length-prefixed text in code page 1251. Each file holds one record; "envs" is read as its first
// record by the feed-method window and as its last record by printing.
//
// A value that no envelope can have is refused where it is read (IoError naming the file and the
// value), so that nothing is printed from it: sizes outside MinEnvelopeMm..MaxEnvelopeMm, a shape
// class other than 1, 2, 3, a feed method for printing other than 0 (never confirmed; printed as
// the left edge), 1 (left edge) or 4 (centre), font sizes outside MinFontSize..MaxFontSize. The
// feed-method window takes any stored value and shows an unknown one as no choice.

#include <QByteArray>
#include <QString>

class WorkDir;

// One font choice, 268 bytes as stored: name (length byte + 255 characters), size at 256,
// a reserved int32 at 260 (written as 0), bold at 264, italic at 265, two padding bytes.
struct TFontSetting
{
    static constexpr int RecordSize = 268;

    QString Name;
    qint32 Size = 0;
    bool Bold = false;
    bool Italic = false;

    // Throws IoError when the name cannot be held in code page 1251. Names longer than 255
    // characters are cut to their first 255.
    QByteArray toRecord(const QString &fileName = QString()) const;
    static TFontSetting fromRecord(const QByteArray &record);

    bool operator==(const TFontSetting &) const = default;
};

namespace settings {

inline const QString EnvtipFile = QStringLiteral("envtip");
inline const QString ParfileFile = QStringLiteral("parfile");
inline const QString EnvsFile = QStringLiteral("envs");
inline const QString IsselFile = QStringLiteral("issel");
inline const QString ShowFileFile = QStringLiteral("ShowFile");
inline const QString HomeFontFile = QStringLiteral("HomeFont");
inline const QString AddrFontFile = QStringLiteral("AddrFont");

inline constexpr qint32 MinEnvelopeMm = 1;
inline constexpr qint32 MaxEnvelopeMm = 1000;
inline constexpr qint32 MinFontSize = 1;
inline constexpr qint32 MaxFontSize = 400;

QByteArray int32Record(qint32 value);
qint32 int32At(const QByteArray &bytes, int offset);

qint32 readEnvtip(const WorkDir &dir);
void writeEnvtip(const WorkDir &dir, qint32 envType);

struct EnvelopeSize
{
    qint32 height = 0; // the short side, millimetres
    qint32 width = 0;  // the long side
};
EnvelopeSize readParfile(const WorkDir &dir);
void writeParfile(const WorkDir &dir, qint32 height, qint32 width);

qint32 readEnvsFirst(const WorkDir &dir);
qint32 readEnvsLast(const WorkDir &dir);
void writeEnvs(const WorkDir &dir, qint32 feedMethod);

quint8 readIssel(const WorkDir &dir);
void writeIssel(const WorkDir &dir, quint8 confirmed);

bool showFileExists(const WorkDir &dir);
void writeShowFile(const WorkDir &dir, bool ticked);

TFontSetting readHomeFont(const WorkDir &dir);
TFontSetting readAddrFont(const WorkDir &dir);
void writeHomeFont(const WorkDir &dir, const TFontSetting &font);
void writeAddrFont(const WorkDir &dir, const TFontSetting &font);

} // namespace settings
