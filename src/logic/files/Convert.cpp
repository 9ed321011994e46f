#include "logic/files/IoError.h"

int strToInt(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const qlonglong v = trimmed.toLongLong(&ok, 10);
    const bool plainDigits = !trimmed.isEmpty() && (trimmed.at(0).isDigit() || trimmed.at(0) == QLatin1Char('-') ||
                                                    trimmed.at(0) == QLatin1Char('+'));
    if (!ok || !plainDigits || v < INT32_MIN || v > INT32_MAX)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(v);
}
