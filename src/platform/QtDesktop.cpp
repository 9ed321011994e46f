#include "platform/QtDesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// How long xdg-open is given to say that nothing opens the document. It fails within this time;
// one still running after it is running the application that shows the document.
constexpr int XdgOpenVerdictMs = 2000;

// Opens the document with xdg-open, watching its exit code: QDesktopServices starts it detached
// and so reports success even when xdg-open then finds no application for the document.
bool openWithXdgOpen(const QString &xdgOpen, const QString &path)
{
    auto *process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->start(xdgOpen, {path});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (process->waitForFinished(XdgOpenVerdictMs)) {
        const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return opened;
    }
    // Left running with the application it started; the object goes when the process ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}
#endif

} // namespace

bool QtDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool QtDesktop::openDocument(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return openWithXdgOpen(xdgOpen, path);
#endif
    // Without a launcher Qt reports "Unable to detect a launcher" and returns false.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
