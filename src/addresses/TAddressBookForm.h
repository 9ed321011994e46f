#pragma once

#include <QDialog>

struct AppContext;

class TAddressBookForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAddressBookForm(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
