#include "StartupActions.h"

#include "Desktop.h"
#include "Messages.h"
#include "SharedState.h"
#include "TMainform.h"
#include "WorkDir.h"
#include "mailing/GroupMailingWindow.h"
#include "mailing/TBrowseForm.h"
#include "print/PrintingService.h"
#include "print/TEnvPrintStyleForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>

QString defaultDataDir()
{
    const QString env = qEnvironmentVariable("VELTORA_DATA");
    if (!env.isEmpty())
        return env;
    const QString besideExe = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("data"));
    if (QFileInfo(besideExe).isDir())
        return besideExe;
    return QDir(QStringLiteral(VELTORA_SOURCE_DIR)).filePath(QStringLiteral("data"));
}

QString defaultWorkDir()
{
    const QString env = qEnvironmentVariable("VELTORA_WORKDIR");
    if (!env.isEmpty())
        return env;
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("veltora"));
}

QStringList seedWorkDir(const QString &dataDir, const QString &workDir)
{
    QDir().mkpath(workDir);
    const WorkDir target(workDir);
    QStringList copied;
    const QDir source(dataDir);
    const QStringList files = source.entryList(QDir::Files);
    for (const QString &name : files) {
        if (target.exists(name))
            continue;
        if (QFile::copy(source.filePath(name), QDir(workDir).filePath(name))) {
            QFile::setPermissions(QDir(workDir).filePath(name),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ReadOther);
            copied.append(name);
        }
    }
    return copied;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

Program::Program(const QString &workDir, const QString &dataDir, std::unique_ptr<Messages> messages,
                 std::unique_ptr<PrintingService> printing, std::unique_ptr<Desktop> desktop)
    : m_workDir(std::make_unique<WorkDir>(workDir))
    , m_messages(std::move(messages))
    , m_printing(std::move(printing))
    , m_desktop(std::move(desktop))
    , m_state(std::make_unique<SharedState>())
    , m_ctx(std::make_unique<AppContext>(
          AppContext{*m_workDir, *m_messages, *m_printing, *m_desktop, *m_state, dataDir}))
{
}

Program::~Program()
{
    delete m_ctx->groupMailing;
    delete m_ctx->feedForm;
    delete m_ctx->browseForm;
    delete m_ctx->mainForm;
}

TMainform *Program::start()
{
    installFontSubstitutes();
    m_ctx->mainForm = new TMainform(*m_ctx);
    m_ctx->mainForm->FormCreate();
    m_ctx->browseForm = new TBrowseForm(*m_ctx, m_ctx->mainForm);
    m_ctx->feedForm = new TEnvPrintStyleForm(*m_ctx, m_ctx->mainForm);
    return m_ctx->mainForm;
}
