#pragma once
// Code page 1251, the encoding of every text file the program keeps.

#include <QByteArray>
#include <QString>
#include <optional>

namespace codepage {

QString decode1251(const QByteArray &bytes);

// The bytes of text in code page 1251, or nothing when a character has no place in it.
std::optional<QByteArray> encode1251(const QString &text);

// The first character of text that code page 1251 cannot hold, or a null QChar.
QString firstUnencodable(const QString &text);

// Encodes or throws IoError with a clear message naming the character and the file.
QByteArray encode1251OrThrow(const QString &text, const QString &fileName);

// Splits text into lines at CR LF, lone LF or lone CR. A final line break does not start an empty line.
QStringList splitLines(const QString &text);

} // namespace codepage
