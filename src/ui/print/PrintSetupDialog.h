#pragma once
// The print setup dialog of the group mailing ("Настройка печати"): the printer, which envelopes of
// the mailing list (all, or a typed list of numbers and ranges), the number of copies and the feed
// method; OK prints the batch.

#include <QDialog>

struct AppContext;
class FeedMethodDialog;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PrintSetupDialog : public QDialog
{
    Q_OBJECT
public:
    // "Способ загрузки конверта" shows the feed-method window, when one is given.
    PrintSetupDialog(AppContext &ctx, FeedMethodDialog *feedMethod, QWidget *parent = nullptr);

    // Builds a new dialog and shows it without waiting ("Печать" of the group mailing window).
    static PrintSetupDialog *open(AppContext &ctx, FeedMethodDialog *feedMethod, QWidget *parent);

    QComboBox *printerBox() const { return m_printers; }
    QLabel *statusLabel() const { return m_status; }
    // The paper the job will use: the envelope's media, or the printer's own.
    QLabel *mediaLabel() const { return m_media; }
    QRadioButton *allButton() const { return m_all; }
    QRadioButton *numbersButton() const { return m_numbers; }
    QLineEdit *numberEdit() const { return m_numberEdit; }
    QSpinBox *copiesBox() const { return m_copies; }
    // "по N конвертов в задании": the mailing goes out as jobs of N envelopes, which a printer class
    // spreads over its printers. Off at start; not offered for a printer that writes a file.
    QCheckBox *splitBox() const { return m_split; }
    QSpinBox *jobSizeBox() const { return m_jobSize; }

public slots:
    // The printer chosen in the box becomes the current printer.
    void choosePrinter(int index);
    // "Настройка": the system's printer dialog for the current printer.
    void openPrinterSetup();
    // "Все": every envelope of the mailing list; the number list is emptied and disabled.
    void chooseAllEnvelopes();
    // "Номера": the envelopes of a typed number list; the list is emptied and enabled.
    void chooseNumberedEnvelopes();
    // "Способ загрузки конверта": the feed-method window, modally.
    void openFeedMethod();
    // "OK": prints the chosen envelopes and closes, unless the number list needs mending.
    void printChosenEnvelopes();

private:
    void buildControls();
    void fillPrinters();
    void showMedia();
    void showSplit();

    AppContext &m_ctx;
    FeedMethodDialog *m_feedMethod;
    QComboBox *m_printers = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_media = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_numbers = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QSpinBox *m_copies = nullptr;
    QCheckBox *m_split = nullptr;
    QSpinBox *m_jobSize = nullptr;
};
