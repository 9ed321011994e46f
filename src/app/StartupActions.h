#pragma once
// Start-up: the working directory, the services, and the three windows made at program start
// (the main window, the hidden document browser, the hidden feed-method window).

#include "AppContext.h"

#include <QString>
#include <memory>

class Messages;
class PrintingService;
class Desktop;
class WorkDir;
class SharedState;

// Where the installed defaults live: VELTORA_DATA, else "data" beside the executable,
// else the source tree's "data".
QString defaultDataDir();
// The working directory: VELTORA_WORKDIR, else the per-user data folder.
QString defaultWorkDir();
// Copies the installed defaults into the working directory; an existing file (of any case) is never
// overwritten. Returns the names copied.
QStringList seedWorkDir(const QString &dataDir, const QString &workDir);
// Maps the Windows face names of the program's windows to fonts this system has.
void installFontSubstitutes();

class Program
{
public:
    Program(const QString &workDir, const QString &dataDir, std::unique_ptr<Messages> messages,
            std::unique_ptr<PrintingService> printing, std::unique_ptr<Desktop> desktop);
    ~Program();

    // Creates the main window (running its creation handler), the document browser and the
    // feed-method window, in this order. Shows nothing.
    TMainform *start();

    AppContext &ctx() { return *m_ctx; }
    TMainform *mainForm() const { return m_ctx->mainForm; }

private:
    std::unique_ptr<WorkDir> m_workDir;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<PrintingService> m_printing;
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<AppContext> m_ctx;
};
