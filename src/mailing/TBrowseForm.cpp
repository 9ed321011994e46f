#include "TBrowseForm.h"

#include "app/AppContext.h"

TBrowseForm::TBrowseForm(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Открытие документа"));
}
