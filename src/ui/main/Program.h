#pragma once
// Start-up: the working directory, the services, and the three windows made at program start
// (the main window, the hidden document browser, the hidden feed-method window).

#include "ui/common/AppContext.h"
#include "logic/files/DataFolders.h"
#include "logic/print/Fonts.h"

#include <QString>
#include <memory>

class Messages;
class PrintingService;
class Desktop;
class WorkDir;
class SharedState;

class Program
{
public:
    Program(const QString &workDir, const QString &dataDir, std::unique_ptr<Messages> messages,
            std::unique_ptr<PrintingService> printing, std::unique_ptr<Desktop> desktop);
    ~Program();

    // Creates the main window (running its creation handler), the document browser and the
    // feed-method window, in this order. Shows nothing.
    MainWindow *start();

    AppContext &ctx() { return *m_ctx; }
    MainWindow *mainForm() const { return m_ctx->mainForm; }

private:
    std::unique_ptr<WorkDir> m_workDir;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<PrintingService> m_printing;
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<AppContext> m_ctx;
};
