#pragma once
// The font setup window ("Настройка шрифтов"): one font for the sender block (left half) and one for
// the recipient block (right half), chosen from the current printer's fonts. OK writes "HomeFont"
// and "AddrFont"; the main window applies them (MainWindow::applyFonts) after the window has
// closed, whatever button closed it.

#include <QDialog>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct FontSetting;

class FontSetupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FontSetupDialog(AppContext &ctx, QWidget *parent = nullptr);

public slots:
    // The sample of a half follows its face list and its bold and italic boxes.
    void updateSenderSample();
    void updateRecipientSample();
    // "OK": both fonts are stored, and the window closes even when storing failed.
    void storeFonts();

private:
    struct Half
    {
        QLabel *heading = nullptr;
        QLabel *listLabel = nullptr;
        QListWidget *list = nullptr;
        QCheckBox *bold = nullptr;
        QCheckBox *italic = nullptr;
        QLabel *sizeLabel = nullptr;
        QComboBox *size = nullptr;
        QLabel *sample = nullptr;
        QString storedName; // the stored face, used when the list does not have it
    };
    struct HalfNames
    {
        const char *heading, *listLabel, *list, *bold, *italic, *sizeLabel, *size, *sampleFrame, *sample;
    };
    void buildHalf(Half &half, int dx, int checkX, const QString &heading, const HalfNames &names);
    // The faces and sizes into both halves, then the stored choice when both settings can be read.
    void fillHalves();
    void showStored(Half &half, const FontSetting &font);
    void updateSample(Half &half);
    FontSetting settingOf(const Half &half) const;

    AppContext &m_ctx;
    Half m_sender;    // left half
    Half m_recipient; // right half
};
