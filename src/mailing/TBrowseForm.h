#pragma once

#include <QDialog>

struct AppContext;

class TBrowseForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBrowseForm(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
