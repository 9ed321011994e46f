#include "TUserForm.h"

#include "app/AppContext.h"

TUserForm::TUserForm(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Информация о пользователе"));
}
