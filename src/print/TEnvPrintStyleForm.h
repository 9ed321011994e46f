#pragma once

#include <QDialog>

struct AppContext;

class TEnvPrintStyleForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEnvPrintStyleForm(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
