#pragma once
// The feed-method window: how envelopes enter the printer, against its left edge (1) or at its
// centre (4). Made hidden at program start; its creation marks the feed method as not confirmed
// in this run ("issel" 0) and shows the stored choice ("envs"). The single print shows it without
// waiting at every print; the print setup dialog shows it modally.

#include <QDialog>

struct AppContext;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

class FeedMethodDialog : public QDialog
{
    Q_OBJECT
public:
    // Runs the creation handler: reports a failure through the messages and goes on.
    explicit FeedMethodDialog(AppContext &ctx, QWidget *parent = nullptr);

    // The feed method last confirmed in this run (0 before the first confirmation).
    int confirmedFeedMethod() const { return m_confirmed; }

public slots:
    void BitBtn2Click(); // OK
    void BitBtn1Click(); // Отмена

protected:
    void reject() override;

private:
    void FormCreate();

    AppContext &m_ctx;
    int m_confirmed = 0;
    QLabel *m_label1 = nullptr;
    QWidget *m_picture1 = nullptr;
    QWidget *m_picture3 = nullptr;
    QRadioButton *m_radio1 = nullptr;
    QRadioButton *m_radio5 = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
