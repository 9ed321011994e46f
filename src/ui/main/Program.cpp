#include "ui/main/Program.h"

#include "logic/files/WorkDir.h"
#include "logic/print/PrintingService.h"
#include "logic/services/Desktop.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/Theme.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/main/MainWindow.h"
#include "ui/print/FeedMethodDialog.h"

Program::Program(const QString &workDir, const QString &dataDir, std::unique_ptr<Messages> messages,
                 std::unique_ptr<PrintingService> printing, std::unique_ptr<Desktop> desktop)
    : m_workDir(std::make_unique<WorkDir>(workDir))
    , m_messages(std::move(messages))
    , m_printing(std::move(printing))
    , m_desktop(std::move(desktop))
    , m_state(std::make_unique<SharedState>())
    , m_ctx(
          std::make_unique<AppContext>(AppContext{*m_workDir, *m_messages, *m_printing, *m_desktop, *m_state, dataDir}))
{
}

Program::~Program() = default;

MainWindow *Program::start()
{
    installFontSubstitutes();
    theme::keepIndicatorsVisible();
    m_mainWindow = std::make_unique<MainWindow>(*m_ctx);
    m_mainWindow->loadSettings();
    m_documentBrowser = std::make_unique<DocumentBrowser>(*m_ctx, m_mainWindow.get());
    m_feedMethod = std::make_unique<FeedMethodDialog>(*m_ctx, m_mainWindow.get());
    m_mainWindow->setDocumentBrowser(m_documentBrowser.get());
    m_mainWindow->setFeedMethodDialog(m_feedMethod.get());
    return m_mainWindow.get();
}
