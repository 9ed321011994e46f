#pragma once
// The About window ("О программе"): the program's name, version and purpose, centred on its parent
// (the main window).

#include <QDialog>

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent);
};
