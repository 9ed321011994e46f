#include "logic/files/WorkDir.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

[[noreturn]] void throwOpenError(const QFileDevice &file, const QString &path)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        throw IoError::accessDenied();
    default:
        if (!QFileInfo::exists(path) && !QFileInfo(path).dir().exists())
            throw IoError::fileNotFound();
        throw IoError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

} // namespace

WorkDir::WorkDir(QString root)
    : m_root(std::move(root))
{
}

QString WorkDir::path(const QString &name) const
{
    const QDir dir(m_root);
    const QString direct = dir.filePath(name);
    if (QFileInfo::exists(direct))
        return direct;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return direct;
}

bool WorkDir::exists(const QString &name) const
{
    return QFileInfo(path(name)).isFile();
}

QByteArray WorkDir::readBytes(const QString &name) const
{
    const QString p = path(name);
    if (!QFileInfo(p).isFile())
        throw IoError::fileNotFound();
    QFile file(p);
    if (!file.open(QIODevice::ReadOnly))
        throwOpenError(file, p);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(p), file.errorString()));
    return bytes;
}

void WorkDir::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const QString p = path(name);
    QSaveFile file(p);
    // Unbuffered: a short write (disk full half way) shows in write()'s count. Through the buffer
    // it would be lost and commit() would replace the old file by a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (file.error() == QFileDevice::PermissionsError || file.error() == QFileDevice::OpenError)
            throw IoError::accessDenied();
        throwOpenError(file, p);
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw IoError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(p), reason));
    }
}

QByteArray WorkDir::readFirstRecord(const QString &name, int width) const
{
    const QByteArray bytes = readBytes(name);
    if (bytes.size() < width)
        throw IoError::readBeyondEnd();
    return bytes.left(width);
}

QByteArray WorkDir::readLastRecord(const QString &name, int width) const
{
    const QByteArray bytes = readBytes(name);
    const qsizetype records = bytes.size() / width;
    if (records == 0)
        throw IoError::readBeyondEnd();
    return bytes.mid((records - 1) * width, width);
}

QByteArray WorkDir::encode(const QString &text, TextEncoding enc, const QString &fileName)
{
    if (enc == TextEncoding::Utf8)
        return text.toUtf8();
    return codepage::encode1251OrThrow(text, fileName);
}

QString WorkDir::decode(const QByteArray &bytes, TextEncoding enc)
{
    if (enc == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return codepage::decode1251(bytes);
}

QString WorkDir::readText(const QString &name, TextEncoding enc) const
{
    return decode(readBytes(name), enc);
}

QStringList WorkDir::readLines(const QString &name, TextEncoding enc) const
{
    return codepage::splitLines(readText(name, enc));
}

void WorkDir::writeText(const QString &name, const QString &text, TextEncoding enc) const
{
    writeBytes(name, encode(text, enc, name));
}

void WorkDir::writeLines(const QString &name, const QStringList &lines, TextEncoding enc) const
{
    writeText(name, codepage::joinLines(lines), enc);
}

void WorkDir::appendLines(const QString &name, const QStringList &lines, bool createIfMissing) const
{
    QByteArray bytes;
    if (exists(name) || !createIfMissing)
        bytes = readBytes(name);
    bytes += encode(codepage::joinLines(lines), TextEncoding::Cp1251, name);
    writeBytes(name, bytes);
}

QString WorkDir::loadText(const QString &name, TextEncoding enc) const
{
    const QString p = path(name);
    if (!QFileInfo(p).isFile())
        throw IoError(QStringLiteral("Cannot open file \"%1\". No such file or directory")
                          .arg(QDir::toNativeSeparators(QFileInfo(p).absoluteFilePath())));
    return readText(name, enc);
}

QStringList WorkDir::loadLines(const QString &name, TextEncoding enc) const
{
    return codepage::splitLines(loadText(name, enc));
}
