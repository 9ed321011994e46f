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
