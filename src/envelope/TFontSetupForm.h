#pragma once

#include <QDialog>

struct AppContext;

class TFontSetupForm : public QDialog
{
    Q_OBJECT
public:
    explicit TFontSetupForm(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
