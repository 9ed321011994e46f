#pragma once
// The two folders the program works with: where the installed defaults live, and the working
// directory that a new user's copy is seeded from them.

#include <QString>
#include <QStringList>

// Where the installed defaults live: VELTORA_DATA, else "data" beside the executable,
// else the source tree's "data".
QString defaultDataDir();
// The working directory: VELTORA_WORKDIR, else the per-user data folder.
QString defaultWorkDir();
// Copies the installed defaults into the working directory; an existing file (of any case) is never
// overwritten. Returns the names copied.
QStringList seedWorkDir(const QString &dataDir, const QString &workDir);
