#include "GroupMailingWindow.h"

#include "app/AppContext.h"

GroupMailingWindow::GroupMailingWindow(AppContext &ctx) : QWidget(nullptr, Qt::Window), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Групповая рассылка"));
}

void GroupMailingWindow::showGroupMailing(AppContext &ctx, Origin, QWidget *)
{
    if (!ctx.groupMailing)
        ctx.groupMailing = new GroupMailingWindow(ctx);
    ctx.groupMailing->show();
}
