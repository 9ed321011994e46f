#include "support/TestSupport.h"

#include "logic/files/Codepage.h"
#include "logic/print/PrintingService.h"
#include "platform/QtPrintingService.h"
#include "support/RecordingPrinting.h"
#include "ui/main/MainWindow.h"

#include <QDir>
#include <QFile>

namespace testing {

QString installedDataDir()
{
    return QDir(QStringLiteral(VELTORA_SOURCE_DIR)).filePath(QStringLiteral("data"));
}

QString fixturePath(const QString &relative)
{
    return QDir(QStringLiteral(VELTORA_TEST_DATA)).filePath(relative);
}

QByteArray fixtureBytes(const QString &relative)
{
    QFile f(fixturePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(relative));
    return f.readAll();
}

QByteArray cp1251(const QString &text)
{
    return *codepage::encode1251(text);
}

QByteArray crlfLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += cp1251(l) + "\r\n";
    return out;
}

TempWorkDir::TempWorkDir(bool seeded)
    : m_workDir(m_dir.path())
{
    if (seeded)
        seedWorkDir(installedDataDir(), m_dir.path());
}

QString TempWorkDir::filePath(const QString &name) const
{
    return m_workDir.path(name);
}

void TempWorkDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(QDir(m_dir.path()).filePath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray TempWorkDir::read(const QString &name) const
{
    QFile f(filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void TempWorkDir::remove(const QString &name) const
{
    QFile::remove(filePath(name));
}

bool TempWorkDir::exists(const QString &name) const
{
    return m_workDir.exists(name);
}

TestProgram::TestProgram(bool seeded, std::unique_ptr<PrintingService> printing)
    : m_dir(seeded)
{
    auto messages = std::make_unique<RecordingMessages>();
    auto desktop = std::make_unique<RecordingDesktop>();
    m_messages = messages.get();
    m_desktop = desktop.get();
    if (!printing)
        printing = std::make_unique<RecordingPrinting>();
    m_program = std::make_unique<Program>(m_dir.path(), installedDataDir(), std::move(messages), std::move(printing),
                                          std::move(desktop));
}

TestProgram::~TestProgram() = default;

MainWindow *TestProgram::start()
{
    MainWindow *main = m_program->start();
    main->quitProgram = [] {};
    return main;
}

} // namespace testing
