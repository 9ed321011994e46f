#include "TIndexform.h"

#include "app/AppContext.h"

TIndexform::TIndexform(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Справочник почтовых индексов Украины"));
}
