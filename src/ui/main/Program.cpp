#include "ui/main/Program.h"

#include "logic/services/Desktop.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/main/MainWindow.h"
#include "logic/files/WorkDir.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/DocumentBrowser.h"
#include "logic/print/PrintingService.h"
#include "ui/print/FeedMethodDialog.h"
#include "logic/files/DataFolders.h"
#include "logic/print/Fonts.h"


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

MainWindow *Program::start()
{
    installFontSubstitutes();
    m_ctx->mainForm = new MainWindow(*m_ctx);
    m_ctx->mainForm->FormCreate();
    m_ctx->browseForm = new DocumentBrowser(*m_ctx, m_ctx->mainForm);
    m_ctx->feedForm = new FeedMethodDialog(*m_ctx, m_ctx->mainForm);
    return m_ctx->mainForm;
}
