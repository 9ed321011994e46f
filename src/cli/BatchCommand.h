#pragma once
// veltora-batch: prints a group mailing without opening a window, on the program's libraries.

#include <QStringList>

class PrintingService;

namespace batchcommand {

enum ExitStatus { Success = 0, PrintFailure = 1, BadInput = 2, PostalProblems = 3 };

// The help text, in Russian and English.
QString helpText();

// Runs the command with its arguments (without the program name). Messages go to standard error.
// printing: the printing service to use; the system's when null.
int run(const QStringList &arguments, PrintingService *printing = nullptr);

} // namespace batchcommand
