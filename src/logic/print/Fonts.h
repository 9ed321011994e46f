#pragma once
// Fonts by face and pixel height, as the windows and the line wrapping of the boxes use them. The
// face names that the settings files and the windows use are Windows faces; this system may not
// have them, so they are mapped to faces it has.

#include <QFont>
#include <QString>

// A font of the face whose characters are pixelHeight pixels high.
inline QFont pixelFont(const QString &face, int pixelHeight)
{
    QFont f(face);
    f.setPixelSize(pixelHeight);
    return f;
}
inline QFont msSansSerif(int pixelHeight)
{
    return pixelFont(QStringLiteral("MS Sans Serif"), pixelHeight);
}
// The main window's font, which also decides how the sender's and recipient's lines wrap in the
// prints of a group mailing.
inline QFont mainWindowFont()
{
    return msSansSerif(11);
}

// Maps the Windows face names of the program's windows to fonts this system has.
void installFontSubstitutes();
