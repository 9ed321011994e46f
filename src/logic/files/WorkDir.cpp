#include "logic/files/WorkDir.h"

#include "logic/files/Codepage.h"
#include "logic/files/IoError.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringDecoder>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The system's text for an error number ("No space left on device").
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void throwOpenError(const QFileDevice &file, const QString &path)
{
    if (const QString reason = WorkDir::unusableReason(path); !reason.isEmpty())
        throw IoError(reason);
    if (file.error() == QFileDevice::PermissionsError)
        throw IoError::accessDenied();
    throw IoError(QStringLiteral("%1: %2").arg(native(path), file.errorString()));
}

// The reason of a failed write: the error number the system gave when there is one, because
// QSaveFile's own text is often "Unknown error" when the disk is full.
QString writeReason(const QFileDevice &file, int error)
{
    if (error != 0)
        return systemReason(error);
    const QString text = file.errorString();
    return text.isEmpty() || text == QLatin1String("Unknown error") ? QStringLiteral("write failed") : text;
}

} // namespace

struct WorkDir::LockState
{
    int depth = 0;
    std::unique_ptr<QLockFile> file;
};

const QString WorkDir::LockFileName = QStringLiteral(".veltora.lock");

WorkDir::WorkDir(QString root)
    : m_root(std::move(root))
    , m_lock(std::make_shared<LockState>())
{
}

WorkDir::~WorkDir() = default;

WorkDir::Lock::Lock(const WorkDir &dir, const QString &forFile)
    : m_dir(dir)
{
    LockState &state = *dir.m_lock;
    if (state.depth > 0) {
        ++state.depth;
        return;
    }
    if (!QFileInfo(dir.m_root).isDir())
        throw IoError::fileNotFound();
    const QString lockPath = QDir(dir.m_root).filePath(LockFileName);
    auto file = std::make_unique<QLockFile>(lockPath);
    // A lock left by a copy that died is taken over at once (its process is gone); a live one is
    // never taken away, however long it is held.
    file->setStaleLockTime(0);
    // Short polls rather than QLockFile's doubling waits: a copy that changes files one after
    // another frees the lock for moments only.
    const QDeadlineTimer deadline(dir.m_lockWait);
    for (;;) {
        errno = 0;
        if (file->tryLock(0))
            break;
        const int error = errno;
        switch (file->error()) {
        case QLockFile::PermissionError:
            throw IoError::accessDenied();
        case QLockFile::UnknownError:
            throw IoError(QStringLiteral("%1: the lock file of the working folder cannot be made: %2%3")
                              .arg(native(lockPath),
                                   error != 0 ? systemReason(error) : QStringLiteral("unknown reason"),
                                   forFile.isEmpty() ? QString() : QStringLiteral("; %1 not changed").arg(forFile)));
        default:
            break;
        }
        if (deadline.hasExpired())
            throw IoError(QStringLiteral("%1: the working folder is locked by another copy of the program "
                                         "(lock file %2); nothing was changed, try again")
                              .arg(native(dir.m_root), LockFileName));
        QThread::msleep(2 + QRandomGenerator::global()->bounded(8));
    }
    state.file = std::move(file);
    state.depth = 1;
}

WorkDir::Lock::~Lock()
{
    LockState &state = *m_dir.m_lock;
    if (--state.depth == 0)
        state.file.reset(); // unlocks
}

void WorkDir::setReferenceFallback(const QString &folder, const QStringList &names)
{
    m_referenceFolder = folder;
    m_referenceNames = names;
}

QString WorkDir::path(const QString &name) const
{
    const QString own = ownPath(name);
    if (m_referenceFolder.isEmpty() || QFileInfo(own).exists() || QFileInfo(own).isSymLink() ||
        !m_referenceNames.contains(name, Qt::CaseInsensitive))
        return own;
    const QString reference = WorkDir(m_referenceFolder).ownPath(name);
    return QFileInfo(reference).isFile() ? reference : own;
}

QString WorkDir::ownPath(const QString &name) const
{
    const QDir dir(m_root);
    const QString direct = dir.filePath(name);
    const QFileInfo directInfo(direct);
    if (directInfo.exists() || directInfo.isSymLink())
        return direct;
    // QDir::System lists broken links too; the entries come sorted by name, byte for byte.
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    QString first;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (first.isNull() || entry.toUtf8() < first.toUtf8())
            first = entry;
    }
    return first.isNull() ? direct : dir.filePath(first);
}

bool WorkDir::exists(const QString &name) const
{
    return QFileInfo(path(name)).isFile();
}

bool WorkDir::remove(const QString &name) const
{
    const QString p = ownPath(name);
    if (!QFileInfo(p).isFile())
        return false;
    const Lock lock(*this);
    QFile file(p);
    if (!file.remove())
        throwOpenError(file, p);
    return true;
}

QString WorkDir::unusableReason(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("%1: broken link to %2 (the link's target does not exist)")
            .arg(native(path), native(info.symLinkTarget()));
    if (info.isDir())
        return QStringLiteral("%1: is a folder, not a file").arg(native(path));
    if (!info.exists())
        return IoError::fileNotFound().message();
    return {};
}

QByteArray WorkDir::readBytes(const QString &name) const
{
    const QString p = path(name);
    if (const QString reason = unusableReason(p); !reason.isEmpty())
        throw IoError(reason);
    QFile file(p);
    if (!file.open(QIODevice::ReadOnly))
        throwOpenError(file, p);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("%1: %2").arg(native(p), file.errorString()));
    return bytes;
}

void WorkDir::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const Lock lock(*this, name);
    const QString p = ownPath(name);
    const QFileInfo info(p);
    if (info.isDir() || (info.isSymLink() && !info.exists()))
        throw IoError(unusableReason(p));
    QSaveFile file(p);
    // Unbuffered: a short write (disk full half way) shows in write()'s count. Through the buffer
    // it would be lost and commit() would replace the old file by a truncated one.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS || file.error() == QFileDevice::PermissionsError ||
            (error == 0 && file.error() == QFileDevice::OpenError))
            throw IoError::accessDenied();
        throw IoError(QStringLiteral("%1: %2").arg(native(p), writeReason(file, error)));
    }
    errno = 0;
    bool written = file.write(bytes) == bytes.size();
    int error = errno;
    if (written) {
        errno = 0;
        written = file.commit();
        error = errno;
    }
    if (!written) {
        const QString reason = writeReason(file, error);
        file.cancelWriting();
        throw IoError(QStringLiteral("%1: %2").arg(native(p), reason));
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

namespace {
// Byte-order marks at the start of a UTF-8 text are not text: a file saved by another program may
// begin with one, and a text pasted from another program may carry one in. They are dropped when
// the text is written and when it is read, so that what is read is what was written.
QStringView withoutLeadingByteOrderMarks(QStringView text)
{
    qsizetype marks = 0;
    while (marks < text.size() && text.at(marks) == QChar::ByteOrderMark)
        ++marks;
    return text.mid(marks);
}
} // namespace

QByteArray WorkDir::encode(const QString &text, TextEncoding enc, const QString &fileName)
{
    if (enc == TextEncoding::Utf8)
        return withoutLeadingByteOrderMarks(text).toUtf8();
    return codepage::encode1251OrThrow(text, fileName);
}

QString WorkDir::decode(const QByteArray &bytes, TextEncoding enc)
{
    if (enc == TextEncoding::Utf8) {
        const QString text = QString::fromUtf8(bytes);
        return withoutLeadingByteOrderMarks(text).toString();
    }
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
    const QByteArray added = encode(codepage::joinLines(lines), TextEncoding::Cp1251, name);
    // Read and written under one lock: another copy's append in between is not lost.
    const Lock lock(*this);
    QByteArray bytes;
    if (exists(name) || !createIfMissing)
        bytes = readBytes(name);
    bytes += added;
    writeBytes(name, bytes);
}

QString WorkDir::loadText(const QString &name, TextEncoding enc) const
{
    const QString p = path(name);
    const QFileInfo info(p);
    if (!info.exists() && !info.isSymLink())
        throw IoError(
            QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(native(info.absoluteFilePath())));
    if (!info.isFile())
        throw IoError(QStringLiteral("Cannot open file \"%1\". %2")
                          .arg(native(info.absoluteFilePath()),
                               info.isDir() ? QStringLiteral("It is a folder, not a file")
                                            : QStringLiteral("Broken link: its target %1 does not exist")
                                                  .arg(native(info.symLinkTarget()))));
    return readText(name, enc);
}

QStringList WorkDir::loadLines(const QString &name, TextEncoding enc) const
{
    return codepage::splitLines(loadText(name, enc));
}
