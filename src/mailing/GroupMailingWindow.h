#pragma once

#include <QWidget>

struct AppContext;

class GroupMailingWindow : public QWidget
{
    Q_OBJECT
public:
    // Which menu command opened the window ("Файл" > "Печать" or "Дополнительно").
    enum class Origin { FileMenu, ExtrasMenu };

    explicit GroupMailingWindow(AppContext &ctx);

    // Builds the window's state anew (empty lists, address-book mode, the book read again) and shows it.
    // Creates the one window of the run on first use.
    static void showGroupMailing(AppContext &ctx, Origin origin, QWidget *owner);

private:
    AppContext &m_ctx;
};
