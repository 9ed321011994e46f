#pragma once

#include "logic/services/Desktop.h"

#include <QList>
#include <QStringList>

// Test double: records what would have been started.
class RecordingDesktop : public Desktop
{
public:
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return true;
    }
    bool openDocument(const QString &path) override
    {
        opened.append(path);
        return true;
    }
    QStringList started;
    QStringList opened;
};
