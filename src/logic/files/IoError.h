#pragma once
// Failures of file access and of text-to-number conversion. Neither is handled where it occurs:
// one guard around each user action shows it and skips the rest of that action (see Guard.h).

#include <QString>
#include <exception>

class AppError : public std::exception
{
public:
    explicit AppError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// An input/output failure. Carries the runtime's texts: "File not found", "Read beyond end of file",
// "File access denied", or the file name with the system's reason.
class IoError : public AppError
{
public:
    using AppError::AppError;
    static IoError fileNotFound() { return IoError(QStringLiteral("File not found")); }
    static IoError readBeyondEnd() { return IoError(QStringLiteral("Read beyond end of file")); }
    static IoError accessDenied() { return IoError(QStringLiteral("File access denied")); }
};

// A text that should have been a number ("'%s' is not a valid integer value").
class ConversionError : public AppError
{
public:
    using AppError::AppError;
};

// Converts a decimal text to a signed 32-bit integer the way the runtime's StrToInt does:
// optional sign, digits, surrounding blanks allowed; anything else, or a value out of range,
// throws ConversionError with the runtime's text.
int strToInt(const QString &text);
