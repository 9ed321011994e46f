#pragma once
// The main window: a schematic envelope with the sender's and the recipient's address boxes, the
// menu and the tool bar that open every other window of the program.

#include <QMainWindow>
#include <functional>

struct AppContext;
class QLabel;
class QPlainTextEdit;
class QToolBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext &ctx);

    // The creation handler: settings files, envelope layout, fonts. Each step that fails is reported
    // and the steps after it are skipped.
    void FormCreate();

    // Lays out the schematic envelope for a shape class.
    void set_env(int envType);
    // Loads "HomeFont" and "AddrFont" into the shared font settings and applies them to the boxes.
    void SetFonts();
    void setSizeLabel(const QString &text);

    QPlainTextEdit *Memo1() const { return m_memo1; }
    QPlainTextEdit *Memo2() const { return m_memo2; }
    // The box that "Копировать", "Вставить" and "Выделить всё" act on.
    QPlainTextEdit *activeMemo() const { return m_activeMemo; }

    // How the program ends when the user confirms; tests replace it.
    std::function<void()> quitProgram;

public slots:
    void N23Click(); // Написать письмо
    void N5Click();  // Печать > Данный конверт
    void N6Click();  // Печать > Групповая рассылка
    void N7Click();  // Выход
    void N26Click(); // Копировать
    void N27Click(); // Вставить
    void N28Click(); // Выделить всё
    void N10Click(); // Размер конверта
    void N12Click(); // Шрифт
    void N14Click(); // Групповая рассылка
    void N15Click(); // Адресная книга
    void N2Click();  // Инф. о пользователе
    void N8Click();  // Почтовый индекс
    void F11Click(); // Вызов справки
    void N17Click(); // О программе
    void givek_browser();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildEnvelope();
    bool confirmExit();

    AppContext &m_ctx;
    QWidget *m_client = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_shape = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_panel1 = nullptr;
    QPlainTextEdit *m_memo1 = nullptr;
    QPlainTextEdit *m_memo2 = nullptr;
    QPlainTextEdit *m_activeMemo = nullptr;
    bool m_exitConfirmed = false;
    bool m_starting = false; // the creation handler runs
};
