#include "logic/mailing/CellFormat.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QTime>
#include <cmath>

namespace cellformat {

namespace {

// The sections of a format (positive; negative; zero; text), split at ";" outside quotes.
QStringList sections(const QString &format)
{
    QStringList parts;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && c == u'\\' && i + 1 < format.size()) {
            current += c;
            current += format.at(++i);
            continue;
        }
        if (!quoted && c == u';') {
            parts.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    parts.append(current);
    return parts;
}

// One element of a section: a literal text, or a format character outside quotes.
struct Token
{
    QChar code; // a format character; null for a literal
    QString literal;
};

QList<Token> tokens(const QString &section)
{
    QList<Token> out;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == u'"') {
            const qsizetype end = section.indexOf(u'"', i + 1);
            out.append({QChar(), section.mid(i + 1, (end < 0 ? section.size() : end) - i - 1)});
            i = end < 0 ? section.size() : end;
        } else if (c == u'\\' && i + 1 < section.size()) {
            out.append({QChar(), QString(section.at(++i))});
        } else if (c == u'_' && i + 1 < section.size()) {
            ++i; // the width of the next character: a blank
            out.append({QChar(), QStringLiteral(" ")});
        } else if (c == u'*' && i + 1 < section.size()) {
            ++i; // repeat to fill the cell: nothing in a line of text
        } else if (c == u'[') {
            const qsizetype end = section.indexOf(u']', i + 1);
            i = end < 0 ? section.size() : end; // a colour, a condition or a locale
        } else if (QStringLiteral("0#?.,%Ee+-/yYmMdDhHsS").contains(c) ||
                   (c.toLower() == u'a' &&
                    section.mid(i, 5).compare(QLatin1String("AM/PM"), Qt::CaseInsensitive) == 0)) {
            if (c.toLower() == u'a') {
                out.append({u'A', QString()});
                i += 4;
            } else {
                out.append({c, QString()});
            }
        } else {
            out.append({QChar(), QString(c)});
        }
    }
    return out;
}

bool isDateCode(QChar c)
{
    return QStringLiteral("yYdDhHsS").contains(c);
}

QString plain(double value)
{
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

QString formatDate(double value, const QList<Token> &section, bool date1904)
{
    const QDate base = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    const double days = std::floor(value);
    if (days < -1e7 || days > 1e7)
        return plain(value);
    qint64 seconds = qint64(std::llround((value - days) * 86400.0));
    QDate date = base.addDays(qint64(days));
    if (seconds >= 86400) {
        seconds -= 86400;
        date = date.addDays(1);
    }
    const int hour = int(seconds / 3600), minute = int(seconds / 60 % 60), second = int(seconds % 60);
    const bool twelveHours = std::any_of(section.begin(), section.end(), [](const Token &t) { return t.code == u'A'; });
    const QLocale c = QLocale::c();
    QString out;
    bool lastWasHour = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const Token &t = section.at(i);
        const QChar code = t.code.toLower();
        if (t.code.isNull() || !QStringLiteral("ymdhsa").contains(code)) {
            out += t.code.isNull() ? t.literal : QString(t.code);
            continue;
        }
        int run = 1;
        while (i + run < section.size() && section.at(i + run).code.toLower() == code)
            ++run;
        i += run - 1;
        const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
        if (code == u'y') {
            out += run <= 2 ? two(date.year() % 100) : QString::number(date.year());
        } else if (code == u'm') {
            // Minutes after an hour or before a second, the month otherwise.
            bool minutes = lastWasHour;
            for (qsizetype k = i + 1; k < section.size() && !minutes; ++k) {
                const QChar next = section.at(k).code.toLower();
                if (next == u's')
                    minutes = true;
                if (next == u'y' || next == u'd' || next == u'm' || next == u'h')
                    break;
            }
            if (minutes)
                out += run == 1 ? QString::number(minute) : two(minute);
            else
                out += run == 1   ? QString::number(date.month())
                       : run == 2 ? two(date.month())
                       : run == 3 ? c.monthName(date.month(), QLocale::ShortFormat)
                                  : c.monthName(date.month(), QLocale::LongFormat);
        } else if (code == u'd') {
            out += run == 1   ? QString::number(date.day())
                   : run == 2 ? two(date.day())
                   : run == 3 ? c.dayName(date.dayOfWeek(), QLocale::ShortFormat)
                              : c.dayName(date.dayOfWeek(), QLocale::LongFormat);
        } else if (code == u'h') {
            const int shown = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
            out += run == 1 ? QString::number(shown) : two(shown);
        } else if (code == u's') {
            out += run == 1 ? QString::number(second) : two(second);
        } else if (code == u'a') {
            out += hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        }
        lastWasHour = code == u'h';
    }
    return out;
}

// Thousands grouped with blanks.
QString grouped(const QString &digits)
{
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u' ';
        out += digits.at(i);
    }
    return out;
}

QString formatDigits(double value, const QList<Token> &section)
{
    const auto isPlaceholder = [](QChar c) { return c == u'0' || c == u'#' || c == u'?'; };
    qsizetype first = -1, last = -1, point = -1;
    bool percent = false, scientific = false, fraction = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i).code;
        if (isPlaceholder(c)) {
            if (first < 0)
                first = i;
            last = i;
        }
        percent = percent || c == u'%';
        scientific = scientific || c == u'E' || c == u'e';
        fraction = fraction || c == u'/';
        if (c == u'.' && point < 0 && first >= 0)
            point = i;
    }
    if (first < 0 || fraction)
        return QString();
    if (percent)
        value *= 100;
    int decimals = 0, minDecimals = 0;
    bool grouping = false;
    int scaling = 0;
    QList<Token> integerPart;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = section.at(i).code;
        if (point >= 0 && i > point) {
            if (isPlaceholder(c)) {
                ++decimals;
                if (c == u'0')
                    minDecimals = decimals;
            }
        } else if (i != point) {
            if (c == u',') {
                // A comma after the last integer placeholder scales by a thousand; between them it groups.
                bool placeholderAfter = false;
                for (qsizetype k = i + 1; k <= last && (point < 0 || k < point); ++k)
                    placeholderAfter = placeholderAfter || isPlaceholder(section.at(k).code);
                if (placeholderAfter)
                    grouping = true;
                else
                    ++scaling;
            } else {
                integerPart.append(section.at(i));
            }
        }
    }
    for (int k = 0; k < scaling; ++k)
        value /= 1000;
    if (scientific)
        return QString::number(value, 'E', decimals);

    QString number = QString::number(value, 'f', std::min(decimals, 15));
    QString integerDigits = number.section(u'.', 0, 0);
    QString fractionDigits = number.section(u'.', 1);
    while (fractionDigits.size() > minDecimals && fractionDigits.endsWith(u'0'))
        fractionDigits.chop(1);
    if (integerDigits == QLatin1String("0"))
        integerDigits.clear();

    // The integer digits fill the placeholders from the right; digits left over go in front.
    QString integerText;
    qsizetype d = integerDigits.size();
    for (qsizetype i = integerPart.size() - 1; i >= 0; --i) {
        const Token &t = integerPart.at(i);
        if (t.code.isNull() || !isPlaceholder(t.code)) {
            integerText.prepend(t.code.isNull() ? t.literal : QString(t.code));
            continue;
        }
        if (d > 0)
            integerText.prepend(integerDigits.at(--d));
        else if (t.code == u'0')
            integerText.prepend(u'0');
        else if (t.code == u'?')
            integerText.prepend(u' ');
    }
    integerText.prepend(integerDigits.left(d));
    if (grouping)
        integerText = grouped(integerText);
    QString out;
    for (qsizetype i = 0; i < first; ++i)
        out += section.at(i).code.isNull() ? section.at(i).literal : QString(section.at(i).code);
    out += integerText;
    if (!fractionDigits.isEmpty())
        out += u'.' + fractionDigits;
    for (qsizetype i = last + 1; i < section.size(); ++i)
        out += section.at(i).code.isNull() ? section.at(i).literal : QString(section.at(i).code);
    return out;
}

} // namespace

QString builtInFormat(int id)
{
    switch (id) {
    case 0:
        return QStringLiteral("General");
    case 1:
        return QStringLiteral("0");
    case 2:
        return QStringLiteral("0.00");
    case 3:
        return QStringLiteral("#,##0");
    case 4:
        return QStringLiteral("#,##0.00");
    case 9:
        return QStringLiteral("0%");
    case 10:
        return QStringLiteral("0.00%");
    case 11:
        return QStringLiteral("0.00E+00");
    case 14:
        return QStringLiteral("dd.mm.yyyy");
    case 15:
        return QStringLiteral("d-mmm-yy");
    case 16:
        return QStringLiteral("d-mmm");
    case 17:
        return QStringLiteral("mmm-yy");
    case 18:
        return QStringLiteral("h:mm AM/PM");
    case 19:
        return QStringLiteral("h:mm:ss AM/PM");
    case 20:
        return QStringLiteral("h:mm");
    case 21:
        return QStringLiteral("h:mm:ss");
    case 22:
        return QStringLiteral("dd.mm.yyyy h:mm");
    case 37:
        return QStringLiteral("#,##0 ;(#,##0)");
    case 38:
        return QStringLiteral("#,##0 ;[Red](#,##0)");
    case 39:
        return QStringLiteral("#,##0.00;(#,##0.00)");
    case 40:
        return QStringLiteral("#,##0.00;[Red](#,##0.00)");
    case 45:
        return QStringLiteral("mm:ss");
    case 46:
        return QStringLiteral("[h]:mm:ss");
    case 47:
        return QStringLiteral("mm:ss.0");
    case 48:
        return QStringLiteral("##0.0E+0");
    case 49:
        return QStringLiteral("@");
    default:
        return QString();
    }
}

QString formatNumber(double value, const QString &format, bool date1904)
{
    if (!std::isfinite(value))
        return plain(value);
    if (format.isEmpty() || format.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ||
        format == QLatin1String("@"))
        return plain(value);
    // A sheet uses few formats, mostly one after the other: the last one is kept parsed.
    thread_local QString lastFormat;
    thread_local QList<QList<Token>> parsed;
    if (format != lastFormat || parsed.isEmpty()) {
        parsed.clear();
        for (const QString &section : sections(format))
            parsed.append(tokens(section));
        lastFormat = format;
    }
    qsizetype section = 0;
    bool sign = value < 0;
    if (value < 0 && parsed.size() > 1) {
        section = 1;
        sign = false; // the negative section shows its own sign, if any
        value = -value;
    } else if (value == 0 && parsed.size() > 2) {
        section = 2;
    }
    const QList<Token> &t = parsed.at(section);
    const bool date = std::any_of(t.begin(), t.end(), [](const Token &k) { return isDateCode(k.code); });
    QString shown;
    if (date) {
        shown = formatDate(sign ? -value : value, t, date1904);
        sign = false;
    } else {
        shown = formatDigits(std::fabs(value), t);
        if (shown.isNull()) {
            // A section of text alone ("General" words, a fraction): the plain number.
            QString literal;
            for (const Token &k : t)
                literal += k.code.isNull() ? k.literal : QString(k.code);
            shown = literal.contains(QLatin1String("General"), Qt::CaseInsensitive) || literal.trimmed().isEmpty() ||
                            std::any_of(t.begin(), t.end(), [](const Token &k) { return k.code == u'/'; })
                        ? plain(std::fabs(value))
                        : literal;
        }
    }
    return sign ? u'-' + shown : shown;
}

} // namespace cellformat
