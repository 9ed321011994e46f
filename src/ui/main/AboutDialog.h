#pragma once
// The About window.

#include <QDialog>

struct AppContext;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(AppContext &ctx, QWidget *mainWindow);
};
