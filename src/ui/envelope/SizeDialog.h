#pragma once
// The size dialog ("Настройка размера конверта"): one of the ten envelope sizes, picked by its
// caption from "envs.txt". OK sets the envelope of the shared state, which the main window follows,
// and stores it ("parfile", "envtip").

#include <QDialog>

struct AppContext;
class QComboBox;

class SizeDialog : public QDialog
{
    Q_OBJECT
public:
    // Reads "envs.txt"; throws IoError when it cannot (the dialog is then not shown). Placed
    // relative to the parent (the main window).
    SizeDialog(AppContext &ctx, QWidget *parent);

    QComboBox *sizeBox() const { return m_sizeBox; }

public slots:
    // "OK": the size chosen becomes the envelope ("Выберите размер конверта" without one).
    void applyChosenSize();

private:
    AppContext &m_ctx;
    QComboBox *m_sizeBox = nullptr;
    QStringList m_captions;
};
