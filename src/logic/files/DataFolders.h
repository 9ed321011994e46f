#pragma once
// The folders the program works with: its shared data folder (the defaults, the help, the postal
// directory and the translations), and the working directory that a new user's copy is seeded from
// the defaults.

#include <QString>
#include <QStringList>

// The program's own shared folder, found relative to the executable: share/veltora beside the
// folder that holds the program, both where it is installed and in the build tree.
QString programDataDir();
// Where the defaults and the help are read: VELTORA_DATA when set, else programDataDir().
QString defaultDataDir();
// Where the compiled translations (.qm) are: "translations" in defaultDataDir(), or in
// programDataDir() when the first has none (VELTORA_DATA naming a folder of defaults only).
QString translationsDir();
// The working directory: VELTORA_WORKDIR, else the per-user data folder.
QString defaultWorkDir();
// Copies the installed defaults into the working directory; an existing file (of any case) is never
// overwritten. Returns the names copied.
QStringList seedWorkDir(const QString &dataDir, const QString &workDir);
