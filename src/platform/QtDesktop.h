#pragma once

#include "logic/services/Desktop.h"

// Starts programs detached and opens documents through the desktop's associations.
class QtDesktop : public Desktop
{
public:
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool openDocument(const QString &path) override;
};
