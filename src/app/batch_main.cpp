// veltora-batch: prints a group mailing without opening a window.

#include "print/BatchCommandActions.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // No window is shown: the offscreen platform serves fonts and printing without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return batchcommand::run(QApplication::arguments().mid(1));
}
