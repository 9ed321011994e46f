#pragma once
// The print setup dialog of the group mailing ("Настройка печати"): the printer, which envelopes of
// the mailing list (all, or a typed list of numbers and ranges), the number of copies and the feed
// method; OK prints the batch.

#include <QDialog>

struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Builds a new print setup dialog and shows it without waiting ("Печать" of the group mailing window).
void PrintSetup(AppContext &ctx);

class PrintSetupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PrintSetupDialog(AppContext &ctx, QWidget *parent = nullptr);

    QComboBox *printerBox() const { return m_printers; }
    QLabel *statusLabel() const { return m_status; }
    QRadioButton *allButton() const { return m_all; }
    QRadioButton *numbersButton() const { return m_numbers; }
    QLineEdit *numberEdit() const { return m_numberEdit; }
    QSpinBox *copiesBox() const { return m_copies; }

public slots:
    void PrinterCmbBoxOnChange(int index);
    void PrinterSetupButtonClick();
    void EnvAllRBClick();
    void EnvNumRBClick();
    void EnvSetupButtonClick();
    void PrintSetupOKButtonClick();
    void PrintSetupCancelButtonClick();

private:
    void buildControls();
    void fillPrinters();

    AppContext &m_ctx;
    QComboBox *m_printers = nullptr;
    QLabel *m_status = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_numbers = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QSpinBox *m_copies = nullptr;
};
