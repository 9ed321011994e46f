#pragma once
// The postal code directory window: the user chooses a region and types a locality; every entry of
// that region's file that holds the locality's search key is added to the results box, which keeps
// earlier results until "Очистить". The window only reads files.

#include <QDialog>

struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class PostalCodeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PostalCodeDialog(AppContext &ctx, QWidget *parent = nullptr);

    // The search key of a typed locality (see postal::searchKey).
    static QString MyUpcase(const QString &text);

    // The row of the region file table that the region box selects, or -1 when none is
    // (the box still shows "Выберите область", or its text names no region).
    int selectedRegion() const;

    QComboBox *ComboBox1() const { return m_comboBox1; }
    QLineEdit *Edit1() const { return m_edit1; }
    QPlainTextEdit *Memo1() const { return m_memo1; }

public slots:
    void Button1Click();  // Искать
    void Button2Click();  // Отмена
    void Button3Click();  // Очистить
    void Edit1KeyPress(); // Enter in the locality box
    void ComboBox1Change();

private:
    void FormCreate();
    void search();

    AppContext &m_ctx;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QComboBox *m_comboBox1 = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QPlainTextEdit *m_memo1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QPushButton *m_button3 = nullptr;
};
