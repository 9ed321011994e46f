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

// The shape of the chosen envelope, which sets the proportions of the schematic envelope and of the
// preview. The values are the numbers the settings file stores.
enum class EnvelopeShape : qint32 { None = 0, Standard = 1, Long = 2, Square = 3 };

// Where the printer takes envelopes: against the left edge or at the centre. None: never confirmed,
// printed as the left edge. The values are the numbers the settings file stores.
enum class FeedMethod : qint32 { None = 0, LeftEdge = 1, Centre = 4 };

// One font choice, 268 bytes as stored: name (length byte + 255 characters), size at 256,
// a reserved int32 at 260 (written as 0), bold at 264, italic at 265, two padding bytes.
struct FontSetting
{
    static constexpr int RecordSize = 268;

    QString name;
    qint32 pointSize = 0;
    bool bold = false;
    bool italic = false;

    // Throws IoError when the name cannot be held in code page 1251. Names longer than 255
    // characters are cut to their first 255.
    QByteArray toRecord(const QString &fileName = QString()) const;
    static FontSetting fromRecord(const QByteArray &record);

    bool operator==(const FontSetting &) const = default;
};

namespace settings {

inline const QString EnvelopeShapeFile = QStringLiteral("envtip");
inline const QString EnvelopeSizeFile = QStringLiteral("parfile");
inline const QString FeedMethodFile = QStringLiteral("envs");
inline const QString FeedMethodConfirmedFile = QStringLiteral("issel");
inline const QString RowLimitWarningFile = QStringLiteral("ShowFile");
inline const QString SenderFontFile = QStringLiteral("HomeFont");
inline const QString RecipientFontFile = QStringLiteral("AddrFont");

inline constexpr qint32 MinEnvelopeMm = 1;
inline constexpr qint32 MaxEnvelopeMm = 1000;
inline constexpr qint32 MinFontSize = 1;
inline constexpr qint32 MaxFontSize = 400;

QByteArray int32Record(qint32 value);
qint32 int32At(const QByteArray &bytes, int offset);

// "envtip": the envelope's shape.
EnvelopeShape readEnvelopeShape(const WorkDir &dir);
void writeEnvelopeShape(const WorkDir &dir, EnvelopeShape shape);

struct EnvelopeSize
{
    qint32 height = 0; // the short side, millimetres
    qint32 width = 0;  // the long side
};
// "parfile": the envelope's size.
EnvelopeSize readEnvelopeSize(const WorkDir &dir);
void writeEnvelopeSize(const WorkDir &dir, qint32 height, qint32 width);

// "envs": the feed method. The feed-method window shows the first record, any value it does not
// know as None; printing takes the last record and refuses a value that is not a feed method.
FeedMethod readFeedMethodChoice(const WorkDir &dir);
FeedMethod readFeedMethod(const WorkDir &dir);
void writeFeedMethod(const WorkDir &dir, FeedMethod feedMethod);

// "issel": whether the feed method was confirmed in its window since the program started (any
// byte other than 0 counts as confirmed).
bool readFeedMethodConfirmed(const WorkDir &dir);
void writeFeedMethodConfirmed(const WorkDir &dir, bool confirmed);

// "ShowFile": its presence says that the warning about long pasted rows is not to be shown again.
bool rowLimitWarningSuppressed(const WorkDir &dir);
void writeRowLimitWarningSuppressed(const WorkDir &dir, bool ticked);

// "HomeFont" and "AddrFont": the fonts of the sender's and the recipient's blocks.
FontSetting readSenderFont(const WorkDir &dir);
FontSetting readRecipientFont(const WorkDir &dir);
void writeSenderFont(const WorkDir &dir, const FontSetting &font);
void writeRecipientFont(const WorkDir &dir, const FontSetting &font);

} // namespace settings
