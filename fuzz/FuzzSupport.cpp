#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

const WorkDir &workDir()
{
    // In memory where there is such a place: every settings write of the program syncs to disk.
    static const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir temp(base + QStringLiteral("/veltora-fuzz-XXXXXX"));
    static const WorkDir dir = [] {
        if (!temp.isValid()) {
            std::fprintf(stderr, "fuzz: cannot make a temporary folder\n");
            std::abort();
        }
        return WorkDir(temp.path());
    }();
    return dir;
}

void putFile(const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(workDir().root()).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(file.fileName()));
        std::abort();
    }
}

void removeFile(const QString &name)
{
    QFile::remove(QDir(workDir().root()).filePath(name));
}

void checkFailed(const char *condition, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "\nFUZZ CHECK FAILED at %s:%d: %s\n", file, line, condition);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    QDir(workDir().root()).removeRecursively();
    std::abort();
}

void ensureGuiApplication()
{
    // Never destroyed: the process ends with it (tearing it down at exit races Qt's own statics).
    static QGuiApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "veltora-fuzz";
    static char *argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

} // namespace fuzz

// Fontconfig keeps a cache for the life of the process, which the leak check would report at exit.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}
