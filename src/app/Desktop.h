#pragma once
// Starting other programs and opening documents with their default application.

#include <QString>
#include <QStringList>

class Desktop
{
public:
    virtual ~Desktop() = default;
    // Starts a program; a failure to start is not reported. Returns whether it started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // Opens a file or folder with the application the desktop associates with it.
    virtual bool openDocument(const QString &path) = 0;
};

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
