#pragma once
// Helpers shared by the tests: a fresh working directory per case, fixture files, byte-exact
// comparison, and a whole program started on test doubles.

#include "logic/files/WorkDir.h"
#include "logic/print/PrintingService.h"
#include "logic/state/SharedState.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "ui/common/AppContext.h"
#include "ui/main/Program.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

namespace testing {

// The control of a window by its object name; a missing one ends the test run.
template <typename T> T *findControl(const QObject *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// The source tree's data folder (the installed defaults) and the test fixtures folder.
QString installedDataDir();
QString fixturePath(const QString &relative);
QByteArray fixtureBytes(const QString &relative);

QByteArray cp1251(const QString &text);
// Lines joined with CR LF after each, in code page 1251.
QByteArray crlfLines(const QStringList &lines);

// A record of the address book: "%" and the name, then "#" and each field (a whole record has six).
inline QStringList bookRecord(std::initializer_list<const char *> nameAndFields)
{
    QStringList result;
    for (const char *line : nameAndFields)
        result.append((result.isEmpty() ? QLatin1Char('%') : QLatin1Char('#')) + QString::fromUtf8(line));
    return result;
}

// A temporary working directory, seeded with the installed defaults unless asked otherwise.
class TempWorkDir
{
public:
    explicit TempWorkDir(bool seeded = true);
    QString path() const { return m_dir.path(); }
    WorkDir &workDir() { return m_workDir; }
    QString filePath(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    void remove(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
    WorkDir m_workDir;
};

// A whole program on test doubles: recorded messages, a recorded desktop and the given printing
// service (a recording one when none is given). Start it after preparing the working directory.
class TestProgram
{
public:
    explicit TestProgram(bool seeded = true, std::unique_ptr<PrintingService> printing = nullptr);
    ~TestProgram();
    MainWindow *start();
    AppContext &ctx() { return m_program->ctx(); }
    // The windows that the program makes at start; null before start().
    MainWindow *mainWindow() const { return m_program->mainWindow(); }
    FeedMethodDialog *feedMethodDialog() const { return m_program->feedMethodDialog(); }
    DocumentBrowser *documentBrowser() const { return m_program->documentBrowser(); }
    SharedState &state() { return m_program->ctx().state; }
    RecordingMessages &messages() { return *m_messages; }
    RecordingDesktop &desktop() { return *m_desktop; }
    TempWorkDir &dir() { return m_dir; }
    PrintingService &printing() { return m_program->ctx().printing; }

private:
    TempWorkDir m_dir;
    RecordingMessages *m_messages = nullptr;
    RecordingDesktop *m_desktop = nullptr;
    std::unique_ptr<Program> m_program;
};

} // namespace testing
