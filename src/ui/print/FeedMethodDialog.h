#pragma once
// The feed-method window ("Способ загрузки конверта"): how envelopes enter the printer, against
// its left edge (1) or at its centre (4). One window for the whole run, made hidden at program
// start; its creation marks the feed method as not confirmed in this run ("issel" 0) and shows the
// stored choice ("envs"). The single print shows it without waiting at every print; the print
// setup dialog shows it modally. Cancel, the close box and Esc hide it and store nothing.

#include "logic/files/SettingsFiles.h"

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
    // Marks the method unconfirmed and shows the stored choice; a failure is reported and the
    // window is made all the same.
    explicit FeedMethodDialog(AppContext &ctx, QWidget *parent = nullptr);

    // The feed method last confirmed in this run (0 before the first confirmation).
    FeedMethod confirmedFeedMethod() const { return m_confirmed; }

public slots:
    // "OK": stores the chosen method ("envs") and marks it confirmed for this run ("issel" 1).
    void confirm();

private:
    // Marks the method as not confirmed in this run and shows the stored choice.
    void loadStoredChoice();

    AppContext &m_ctx;
    FeedMethod m_confirmed = FeedMethod::None;
    QLabel *m_heading = nullptr;
    QWidget *m_leftEdgePicture = nullptr;
    QWidget *m_centrePicture = nullptr;
    QRadioButton *m_leftEdgeButton = nullptr;
    QRadioButton *m_centreButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
