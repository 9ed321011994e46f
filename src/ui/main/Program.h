#pragma once
// Start-up: the working directory, the services, and the three windows made at program start
// (the main window, the hidden document browser, the hidden feed-method window), which the program
// owns for the whole run.

// The folders (defaultDataDir, seedWorkDir) and the font substitutes that a start-up uses.
#include "logic/files/DataFolders.h"
#include "logic/print/Fonts.h"
#include "ui/common/AppContext.h"

#include <QString>
#include <memory>

class Messages;
class PrintingService;
class Desktop;
class WorkDir;
class SharedState;
class MainWindow;
class DocumentBrowser;
class FeedMethodDialog;

class Program
{
public:
    Program(const QString &workDir, const QString &dataDir, std::unique_ptr<Messages> messages,
            std::unique_ptr<PrintingService> printing, std::unique_ptr<Desktop> desktop);
    ~Program();

    // Creates the main window (running its start-up), the document browser and the feed-method
    // window, in this order, and hands the latter two to the main window. Shows nothing.
    MainWindow *start();

    AppContext &ctx() { return *m_ctx; }
    MainWindow *mainWindow() const { return m_mainWindow.get(); }
    DocumentBrowser *documentBrowser() const { return m_documentBrowser.get(); }
    FeedMethodDialog *feedMethodDialog() const { return m_feedMethod.get(); }

private:
    std::unique_ptr<WorkDir> m_workDir;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<PrintingService> m_printing;
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<AppContext> m_ctx;
    // Destroyed in the reverse order: the two child windows before the main window.
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<DocumentBrowser> m_documentBrowser;
    std::unique_ptr<FeedMethodDialog> m_feedMethod;
};
