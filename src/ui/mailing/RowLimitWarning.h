#pragma once
// The line-limit warning: shown when the group mailing switches to another source, unless the file
// "ShowFile" exists. Every click on its check box rewrites "ShowFile" with the box's new state;
// only the file's existence counts, so once it exists the warning is never shown again.

#include <QDialog>

struct AppContext;
class QCheckBox;

class RowLimitWarning : public QDialog
{
    Q_OBJECT
public:
    RowLimitWarning(AppContext &ctx, QWidget *parent = nullptr);

    // Shows the warning modally unless "ShowFile" exists; returns whether it was shown.
    static bool showUnlessSuppressed(AppContext &ctx, QWidget *parent);

    QCheckBox *checkBox() const { return m_checkBox; }

public slots:
    // "Больше не выводить это окно": "ShowFile" is written with the box's new state.
    void storeDontShowAgain();

private:
    AppContext &m_ctx;
    QCheckBox *m_checkBox = nullptr;
};
