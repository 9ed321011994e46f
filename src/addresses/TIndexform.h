#pragma once

#include <QDialog>

struct AppContext;

class TIndexform : public QDialog
{
    Q_OBJECT
public:
    explicit TIndexform(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
