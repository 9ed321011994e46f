#pragma once

#include "logic/services/Desktop.h"

// Starts programs detached and opens documents through the desktop's associations. Each returns
// false when nothing started: no such program, or no application that opens the document.
class QtDesktop : public Desktop
{
public:
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openDocument(const QString &path) override;
};
