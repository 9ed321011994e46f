#pragma once
// The font setup window: one font for the sender block (left half) and one for the recipient block
// (right half), chosen from the current printer's fonts. OK writes "HomeFont" and "AddrFont"; the
// caller applies them with SetFonts after the window has closed, whatever button closed it.

#include <QDialog>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct TFontSetting;

class FontSetupDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FontSetupDialog(AppContext &ctx, QWidget *parent = nullptr);

public slots:
    void ListBox2Click();
    void ListBox1Click();
    void CheckBox5Click();
    void CheckBox1Click();
    void CheckBox6Click();
    void CheckBox2Click();
    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Отмена

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
        const char *heading, *listLabel, *list, *bold, *italic, *sizeLabel, *size, *bevel, *sample;
    };
    void buildHalf(Half &half, int dx, int checkX, const QString &heading, const HalfNames &names);
    void FormCreate();
    void showStored(Half &half, const TFontSetting &font);
    void sampleFollows(Half &half);
    TFontSetting settingOf(const Half &half) const;

    AppContext &m_ctx;
    Half m_home; // left half: sender
    Half m_addr; // right half: recipient
};
