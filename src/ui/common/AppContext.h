#pragma once
// The services that every window of the program is given: the working directory, the message
// boxes, the printing service, the desktop and the shared state. Windows are no part of it: a
// window that needs another one is handed it by the window that creates it.

#include <QString>

class WorkDir;
class Messages;
class PrintingService;
class Desktop;
class SharedState;

struct AppContext
{
    WorkDir &workDir;
    Messages &messages;
    PrintingService &printing;
    Desktop &desktop;
    SharedState &state;

    // Where the installed defaults and the help live.
    QString dataDir;
};
