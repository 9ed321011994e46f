#include "TEnvPrintStyleForm.h"

#include "app/AppContext.h"

TEnvPrintStyleForm::TEnvPrintStyleForm(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Способ загрузки конверта"));
}
