#include "logic/files/DataFolders.h"

#include "logic/files/WorkDir.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString programDataDir()
{
    // VELTORA_DATA_FROM_BIN is the install layout's path from the programs' folder to the shared
    // folder ("../share/veltora"); the build tree has the same layout.
    const QDir programDir(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(programDir.filePath(QStringLiteral(VELTORA_DATA_FROM_BIN)));
}

QString defaultDataDir()
{
    const QString env = qEnvironmentVariable("VELTORA_DATA");
    if (!env.isEmpty())
        return env;
    return programDataDir();
}

QString translationsDir()
{
    const QString beside = QDir(defaultDataDir()).filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir(programDataDir()).filePath(QStringLiteral("translations"));
}

QString defaultWorkDir()
{
    const QString env = qEnvironmentVariable("VELTORA_WORKDIR");
    if (!env.isEmpty())
        return env;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("veltora"));
}

QStringList seedWorkDir(const QString &dataDir, const QString &workDir)
{
    QDir().mkpath(workDir);
    if (!QFileInfo(dataDir).isDir()) {
        // A program moved away from its share/veltora, or a VELTORA_DATA naming no folder: the files
        // that the working directory lacks will be reported missing, and this says why.
        qWarning().noquote() << QCoreApplication::translate(
                                    "DataFolders", "Велтора: папки с данными программы «%1» нет, рабочая папка не "
                                                   "дополнена")
                                    .arg(QDir::toNativeSeparators(dataDir));
        return {};
    }
    const WorkDir target(workDir);
    QStringList copied;
    const QDir source(dataDir);
    const QStringList files = source.entryList(QDir::Files);
    for (const QString &name : files) {
        if (target.exists(name))
            continue;
        if (QFile::copy(source.filePath(name), QDir(workDir).filePath(name))) {
            QFile::setPermissions(QDir(workDir).filePath(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
            copied.append(name);
        }
    }
    return copied;
}
