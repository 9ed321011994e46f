#include "logic/addresses/VCard.h"

#include "logic/files/Codepage.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace vcard {

namespace {

constexpr int DistrictComponent = 15; // RFC 9554: ... subdistrict, district, landmark, direction
constexpr int AddressComponents = 18;

struct Line
{
    QByteArray text;
    int number = 0; // of its first physical line, from 1
};

// The physical lines of the bytes, without their line ends (CR LF, LF or CR).
QList<Line> physicalLines(const QByteArray &bytes)
{
    QList<Line> lines;
    int number = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes.at(i) == '\n' || bytes.at(i) == '\r') {
            if (i < bytes.size() || i > start)
                lines.append({bytes.mid(start, i - start), ++number});
            if (i + 1 < bytes.size() && bytes.at(i) == '\r' && bytes.at(i + 1) == '\n')
                ++i;
            start = i + 1;
        }
    }
    return lines;
}

// The part of a line before its value (name and parameters): up to the first ":" outside quotes.
qsizetype valueStart(const QByteArray &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            return i;
    }
    return -1;
}

bool isQuotedPrintable(const QByteArray &head)
{
    return head.toUpper().contains("QUOTED-PRINTABLE");
}

// Logical lines: folded lines joined (a line that begins with a blank or a tab continues the one
// before), and QUOTED-PRINTABLE values continued by a "=" at the end of a line.
QList<Line> logicalLines(const QByteArray &bytes)
{
    QList<Line> out;
    for (const Line &physical : physicalLines(bytes)) {
        const QByteArray &t = physical.text;
        if (!out.isEmpty() && !t.isEmpty() && (t.at(0) == ' ' || t.at(0) == '\t')) {
            out.last().text += t.mid(1);
            continue;
        }
        if (!out.isEmpty()) {
            const QByteArray &last = out.last().text;
            const qsizetype colon = valueStart(last);
            if (colon > 0 && last.endsWith('=') && isQuotedPrintable(last.left(colon))) {
                out.last().text.chop(1); // a soft line break
                out.last().text += t;
                continue;
            }
        }
        out.append(physical);
    }
    return out;
}

QByteArray fromQuotedPrintable(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == '=' && i + 2 < value.size() && hex(value.at(i + 1)) >= 0 && hex(value.at(i + 2)) >= 0) {
            out.append(char(hex(value.at(i + 1)) * 16 + hex(value.at(i + 2))));
            i += 2;
        } else {
            out.append(value.at(i));
        }
    }
    return out;
}

QString decodeValue(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray name = charset.toLower();
    if (name == "windows-1251" || name == "cp1251" || name == "cp-1251")
        return codepage::decode1251(bytes);
    if (!name.isEmpty() && name != "utf-8" && name != "utf8") {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return codepage::decode1251(bytes);
}

// A value split at the separator where it is not escaped; every piece unescaped.
QStringList splitValue(const QString &value, QChar separator)
{
    QStringList parts;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            current += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else if (c == separator) {
            parts.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.append(current);
    return parts;
}

QString unescaped(const QString &value)
{
    return splitValue(value, QChar(u'\0')).join(QChar(u'\0'));
}

// A component of a structured value as one line: its list values stay joined by their commas, line
// breaks become blanks.
QString component(const QStringList &components, int index)
{
    if (index >= components.size())
        return QString();
    QString text = components.at(index);
    for (QChar &c : text)
        if (c == u'\n' || c == u'\r')
            c = u' ';
    return text.trimmed();
}

struct Property
{
    QByteArray name; // upper case, without a group
    QList<QByteArray> parameters;
    QString value;
};

Property parseProperty(const QByteArray &line, qsizetype colon)
{
    Property p;
    const QByteArray head = line.left(colon);
    QList<QByteArray> parts;
    {
        QByteArray current;
        bool quoted = false;
        for (const char c : head) {
            if (c == '"')
                quoted = !quoted;
            if (c == ';' && !quoted) {
                parts.append(current);
                current.clear();
            } else {
                current.append(c);
            }
        }
        parts.append(current);
    }
    QByteArray name = parts.takeFirst().trimmed().toUpper();
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.mid(dot + 1);
    p.name = name;
    p.parameters = parts;
    QByteArray raw = line.mid(colon + 1);
    QByteArray charset;
    for (const QByteArray &parameter : std::as_const(parts)) {
        const QByteArray upper = parameter.trimmed().toUpper();
        if (upper.startsWith("CHARSET="))
            charset = parameter.trimmed().mid(8);
    }
    if (isQuotedPrintable(head))
        raw = fromQuotedPrintable(raw);
    p.value = decodeValue(raw, charset);
    return p;
}

// The lower-case types of an ADR: TYPE=home,work, TYPE="home", 2.1's bare HOME; whether it is preferred.
QString addressType(const QList<QByteArray> &parameters, bool *preferred)
{
    QString type;
    for (const QByteArray &parameter : parameters) {
        QByteArray p = parameter.trimmed().toLower();
        if (p.startsWith("pref"))
            *preferred = true;
        if (p.startsWith("type="))
            p = p.mid(5);
        else if (p.contains('='))
            continue;
        p.replace('"', "");
        for (const QByteArray &t : p.split(',')) {
            if (t == "pref") {
                *preferred = true;
            } else if (t == "home" || t == "work" || t == "dom" || t == "postal" || t == "parcel" || t == "intl") {
                if (type.isEmpty() && (t == "home" || t == "work"))
                    type = QString::fromLatin1(t);
            }
        }
    }
    return type;
}

} // namespace

QList<Contact> read(const QByteArray &bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QList<Contact> contacts;
    int depth = 0;
    int begunAt = 0;
    bool anyContact = false;
    Contact current;
    QString formattedName, structuredName, organisation;
    QList<PostalAddress> preferred, others;
    for (const Line &line : logicalLines(data)) {
        if (line.text.trimmed().isEmpty())
            continue;
        const qsizetype colon = valueStart(line.text);
        const QByteArray head = colon < 0 ? QByteArray() : line.text.left(colon).trimmed().toUpper();
        const QByteArray value = colon < 0 ? QByteArray() : line.text.mid(colon + 1).trimmed().toUpper();
        if (head == "BEGIN" && value == "VCARD") {
            if (depth++ == 0) {
                begunAt = line.number;
                current = Contact();
                formattedName.clear();
                structuredName.clear();
                organisation.clear();
                preferred.clear();
                others.clear();
            }
            continue;
        }
        if (depth == 0) {
            if (!anyContact && contacts.isEmpty())
                throw VCardError(QCoreApplication::translate("vcard", "строка %1: это не файл vCard (нет BEGIN:VCARD)")
                                     .arg(line.number));
            throw VCardError(
                QCoreApplication::translate("vcard", "строка %1: текст вне контакта (после END:VCARD нет BEGIN:VCARD)")
                    .arg(line.number));
        }
        if (head == "END" && value == "VCARD") {
            if (--depth > 0)
                continue;
            anyContact = true;
            current.name = !formattedName.isEmpty()    ? formattedName
                           : !structuredName.isEmpty() ? structuredName
                                                       : organisation;
            current.addresses = preferred + others;
            contacts.append(current);
            continue;
        }
        if (depth > 1 || colon <= 0)
            continue; // an embedded contact (2.1's AGENT), or a line that is no property
        const Property p = parseProperty(line.text, colon);
        if (p.name == "FN") {
            formattedName = unescaped(p.value).simplified();
        } else if (p.name == "N") {
            const QStringList parts = splitValue(p.value, u';');
            QStringList words;
            for (int i : {0, 1, 2})
                if (i < parts.size() && !parts.at(i).trimmed().isEmpty())
                    words.append(parts.at(i).trimmed());
            structuredName = words.join(u' ').simplified();
        } else if (p.name == "ORG") {
            organisation = splitValue(p.value, u';').value(0).simplified();
        } else if (p.name == "ADR") {
            const QStringList parts = splitValue(p.value, u';');
            PostalAddress a;
            a.street = component(parts, 2);
            const QString extended = component(parts, 1);
            if (!extended.isEmpty())
                a.street = a.street.isEmpty() ? extended : a.street + QStringLiteral(", ") + extended;
            const QString box = component(parts, 0);
            if (!box.isEmpty())
                a.street = a.street.isEmpty() ? box : a.street + QStringLiteral(", ") + box;
            a.locality = component(parts, 3);
            a.region = component(parts, 4);
            a.postalCode = component(parts, 5);
            a.country = component(parts, 6);
            a.district = component(parts, DistrictComponent);
            bool isPreferred = false;
            a.type = addressType(p.parameters, &isPreferred);
            if (a.isEmpty())
                continue;
            (isPreferred && preferred.isEmpty() ? preferred : others).append(a);
        }
    }
    if (depth > 0)
        throw VCardError(
            QCoreApplication::translate("vcard", "контакт, начатый в строке %1, не закончен: нет END:VCARD")
                .arg(begunAt));
    if (!anyContact)
        throw VCardError(
            QCoreApplication::translate("vcard", "в файле нет ни одного контакта (BEGIN:VCARD … END:VCARD)"));
    return contacts;
}

namespace {

QString escaped(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'\n', QLatin1String("\\n"));
    text.replace(u',', QLatin1String("\\,"));
    text.replace(u';', QLatin1String("\\;"));
    return text;
}

// A content line folded so that no line is longer than 75 bytes, never inside a UTF-8 sequence.
QByteArray folded(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype lineLength = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 1;
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c >= 0xF0)
            length = 4;
        else if (c >= 0xE0)
            length = 3;
        else if (c >= 0xC0)
            length = 2;
        if (lineLength + length > 75) {
            out += "\r\n ";
            lineLength = 1;
        }
        out += bytes.mid(i, length);
        lineLength += length;
        i += length;
    }
    return out + "\r\n";
}

} // namespace

QByteArray write(const QList<Contact> &contacts)
{
    QByteArray out;
    for (const Contact &c : contacts) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        out += folded(QStringLiteral("FN:") + escaped(c.name));
        out += folded(QStringLiteral("N:") + escaped(c.name) + QStringLiteral(";;;;"));
        for (qsizetype i = 0; i < c.addresses.size(); ++i) {
            const PostalAddress &a = c.addresses.at(i);
            QStringList parts(AddressComponents);
            parts[2] = escaped(a.street);
            parts[3] = escaped(a.locality);
            parts[4] = escaped(a.region);
            parts[5] = escaped(a.postalCode);
            parts[6] = escaped(a.country);
            parts[DistrictComponent] = escaped(a.district);
            // The RFC 9554 components only when there is a district, so that older readers see the seven.
            if (a.district.isEmpty())
                parts.resize(7);
            QString head = QStringLiteral("ADR");
            if (!a.type.isEmpty())
                head += QStringLiteral(";TYPE=") + a.type;
            if (i == 0 && c.addresses.size() > 1)
                head += QStringLiteral(";PREF=1");
            out += folded(head + u':' + parts.join(u';'));
        }
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace vcard
