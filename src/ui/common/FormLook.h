#pragma once
// The look of the program's windows: their fonts, given as a face and a character height in
// pixels, the frame of a fixed-size dialog with the system menu only, and the centring of a window
// on the screen.

#include "logic/print/Fonts.h"

#include <QFont>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace formlook {

using ::msSansSerif;
inline QFont font(const QString &face, int pixelHeight)
{
    return pixelFont(face, pixelHeight);
}

// A single fixed border with the system menu and the close box.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;

// Sets the title, the "MS Sans Serif" font of the given height, the client size and the place.
inline void setUpDialog(QWidget *dialog, const char *objectName, const QString &title, const QSize &client,
                        const QPoint &place, int fontHeight = 11)
{
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setWindowTitle(title);
    dialog->setFont(msSansSerif(fontHeight));
    dialog->setFixedSize(client);
    dialog->move(place);
}

// Widens a push button whose caption (in a longer language) does not fit its designed width; the
// right edge stays where it was.
inline void fitCaption(QPushButton *button)
{
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + icon + 12;
    if (needed <= button->width())
        return;
    const QRect g = button->geometry();
    button->setGeometry(g.right() + 1 - needed, g.y(), needed, g.height());
}

// Moves the window to the middle of the available area of a screen: that of `onScreenOf` when one
// is given, else the primary screen. Without a screen the window stays where it is.
inline void centreOnScreen(QWidget *window, const QWidget *onScreenOf = nullptr)
{
    if (const QScreen *screen = onScreenOf ? onScreenOf->screen() : QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace formlook
