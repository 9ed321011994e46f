#pragma once
// The About window.

#include <QDialog>

struct AppContext;

class TForm1 : public QDialog
{
    Q_OBJECT
public:
    TForm1(AppContext &ctx, QWidget *mainWindow);
};
