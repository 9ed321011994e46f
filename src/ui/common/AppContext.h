#pragma once
// What every window of the program is given: the working directory, the message boxes, the
// printing service, the desktop, the shared state, and the windows that live for the whole run.

#include <QPointer>
#include <QString>

class WorkDir;
class Messages;
class PrintingService;
class Desktop;
class SharedState;
class QWidget;
class MainWindow;
class FeedMethodDialog;
class DocumentBrowser;
class GroupMailingWindow;

struct AppContext
{
    WorkDir &workDir;
    Messages &messages;
    PrintingService &printing;
    Desktop &desktop;
    SharedState &state;

    // Where the installed defaults and the help live.
    QString dataDir;

    MainWindow *mainForm = nullptr;
    FeedMethodDialog *feedForm = nullptr;  // created hidden at start-up
    DocumentBrowser *browseForm = nullptr;       // created hidden at start-up
    GroupMailingWindow *groupMailing = nullptr; // one window, built at the first menu command
};
