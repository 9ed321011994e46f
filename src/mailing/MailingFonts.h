#pragma once
// The fonts of the group mailing's windows, given as the designers give them: a face and a
// character height in pixels.

#include <QFont>

namespace mailingfonts {

inline QFont font(const QString &face, int pixelHeight)
{
    QFont f(face);
    f.setPixelSize(pixelHeight);
    return f;
}
inline QFont msSansSerif(int pixelHeight)
{
    return font(QStringLiteral("MS Sans Serif"), pixelHeight);
}

} // namespace mailingfonts
