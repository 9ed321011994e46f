#pragma once

#include <QDialog>

struct AppContext;

class TUserForm : public QDialog
{
    Q_OBJECT
public:
    explicit TUserForm(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
