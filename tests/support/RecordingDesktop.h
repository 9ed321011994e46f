#pragma once

#include "logic/services/Desktop.h"

#include <QList>
#include <QStringList>

// Test double: records what would have been started; with `fails` set, nothing starts or opens.
class RecordingDesktop : public Desktop
{
public:
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        started.append(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        return !fails;
    }
    bool openDocument(const QString &path) override
    {
        opened.append(path);
        return !fails;
    }
    QStringList started;
    QStringList opened;
    bool fails = false;
};
