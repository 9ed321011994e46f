#pragma once
// The size dialog: one of the ten envelope sizes, picked by its caption from "envs.txt".

#include <QDialog>

struct AppContext;
class QComboBox;

class SizeDialog : public QDialog
{
    Q_OBJECT
public:
    // Reads "envs.txt"; throws IoError when it cannot (the dialog is then not shown).
    SizeDialog(AppContext &ctx, QWidget *mainWindow);

    QComboBox *comboBox() const { return m_combo; }

public slots:
    void okclick();
    void button2click();

private:
    AppContext &m_ctx;
    QWidget *m_mainWindow;
    QComboBox *m_combo = nullptr;
    QStringList m_captions;
};
