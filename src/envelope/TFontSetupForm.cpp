#include "TFontSetupForm.h"

#include "app/AppContext.h"

TFontSetupForm::TFontSetupForm(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Настройка шрифтов"));
}
