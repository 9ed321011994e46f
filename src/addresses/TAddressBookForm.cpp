#include "TAddressBookForm.h"

#include "app/AppContext.h"

TAddressBookForm::TAddressBookForm(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Адресная книга"));
}
