#include "logic/mailing/BookTransfer.h"

#include "logic/addresses/BookRecord.h"
#include "logic/mailing/TableSource.h"
#include "logic/mailing/TableStream.h"
#include "logic/mailing/Workbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace booktransfer {

namespace {

enum Column {
    NameColumn,
    StreetColumn,
    LocalityColumn,
    DistrictColumn,
    RegionColumn,
    CountryColumn,
    CodeColumn,
    Columns
};

// The title row of the CSV file: a format, the same in every language of the program.
const QStringList CsvTitles = {QStringLiteral("Имя"),
                               QStringLiteral("Улица, дом, квартира"),
                               QStringLiteral("Населенный пункт"),
                               QStringLiteral("Район"),
                               QStringLiteral("Область"),
                               QStringLiteral("Страна"),
                               QStringLiteral("Почтовый индекс")};

QString csvCell(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r') &&
        !text.contains(u';') && !text.contains(u'\t'))
        return text;
    return u'"' + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

// The column a title names, -1 when none. Surnames are a column of their own (joined to the name).
int columnOfTitle(const QString &title, bool *surname)
{
    const QString t = title.trimmed().toLower().remove(u':').remove(u'*');
    const auto is = [&](std::initializer_list<const char *> words) {
        for (const char *w : words)
            if (t == QString::fromUtf8(w))
                return true;
        return false;
    };
    const auto has = [&](std::initializer_list<const char *> words) {
        for (const char *w : words)
            if (t.contains(QString::fromUtf8(w)))
                return true;
        return false;
    };
    *surname = false;
    if (is({"фамилия", "прізвище", "surname", "last name", "family name"})) {
        *surname = true;
        return NameColumn;
    }
    if (is({"имя", "фио", "ім'я", "адресат", "получатель", "одержувач", "name", "full name", "display name",
            "first name", "given name", "recipient", "organization", "организация"}))
        return NameColumn;
    if (has({"индекс", "індекс", "zip", "postal code", "postcode", "post code"}))
        return CodeColumn;
    if (has({"улица", "вулиця", "адрес", "адреса", "street", "address"}))
        return StreetColumn;
    if (has({"населенный пункт", "населённый пункт", "город", "місто", "населений пункт", "city", "town", "locality"}))
        return LocalityColumn;
    if (has({"район", "district"}))
        return DistrictColumn;
    if (has({"область", "регион", "region", "state", "province"}))
        return RegionColumn;
    if (has({"страна", "країна", "country"}))
        return CountryColumn;
    return -1;
}

bool isVCardFile(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("vcf"), Qt::CaseInsensitive) == 0 ||
        QFileInfo(path).suffix().compare(QLatin1String("vcard"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = file.read(64);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.trimmed().toUpper().startsWith("BEGIN:VCARD");
}

QList<Contact> contactsOfTable(const QString &path)
{
    QList<QStringList> rows;
    const auto take = [&](const QStringList &cells) { rows.append(cells); };
    if (tableKindOf(path) == TableKind::Text) {
        TableStream stream(path, TableEncoding::Detect);
        stream.scan([&](const QStringList &cells, int) { take(cells); });
    } else {
        Workbook book(path);
        book.readRows(0, [&](const QStringList &cells, int) { take(cells); });
    }
    // Which cell of a row fills which field: by the titles, else in the order of the export.
    QList<int> fieldOf; // per column
    int surnameColumn = -1;
    qsizetype first = 0;
    if (!rows.isEmpty()) {
        QList<int> byTitle;
        bool any = false;
        for (qsizetype c = 0; c < rows.first().size(); ++c) {
            bool surname = false;
            const int field = columnOfTitle(rows.first().at(c), &surname);
            if (surname) {
                surnameColumn = int(c);
                byTitle.append(-1);
            } else {
                // The first column of a field wins.
                byTitle.append(field >= 0 && !byTitle.contains(field) ? field : -1);
            }
            any = any || field >= 0;
        }
        if (any) {
            fieldOf = byTitle;
            first = 1;
        }
    }
    if (first == 0)
        for (int c = 0; c < Columns; ++c)
            fieldOf.append(c);
    QList<Contact> contacts;
    for (qsizetype r = first; r < rows.size(); ++r) {
        const QStringList &cells = rows.at(r);
        QStringList fields(Columns);
        for (qsizetype c = 0; c < cells.size() && c < fieldOf.size(); ++c)
            if (fieldOf.at(c) >= 0)
                fields[fieldOf.at(c)] = cells.at(c).simplified();
        if (surnameColumn >= 0 && surnameColumn < cells.size())
            fields[NameColumn] = (cells.at(surnameColumn).simplified() + u' ' + fields[NameColumn]).trimmed();
        Contact contact;
        contact.name = fields[NameColumn];
        PostalAddress a{fields[StreetColumn],
                        fields[LocalityColumn],
                        fields[DistrictColumn],
                        fields[RegionColumn],
                        fields[CodeColumn],
                        fields[CountryColumn],
                        QString()};
        if (!a.isEmpty())
            contact.addresses.append(a);
        if (!contact.name.isEmpty() || !a.isEmpty())
            contacts.append(contact);
    }
    return contacts;
}

} // namespace

QList<Contact> contactsOfBook(const QStringList &bookLines, const QStringList *names)
{
    QList<qsizetype> starts;
    if (names) {
        for (const QString &name : *names) {
            const qsizetype slot = addressbook::findLast(bookLines, name);
            if (slot >= 0)
                starts.append(slot);
        }
    } else {
        starts = addressbook::recordStarts(bookLines);
    }
    QList<Contact> contacts;
    for (const qsizetype slot : std::as_const(starts)) {
        const qsizetype length = addressbook::recordLength(bookLines, slot);
        const auto field = [&](int f) { return f < length ? addressbook::textOf(bookLines.at(slot + f)) : QString(); };
        Contact c;
        c.name = addressbook::textOf(bookLines.at(slot));
        const PostalAddress a{field(addressbook::Street),
                              field(addressbook::Locality),
                              field(addressbook::District),
                              field(addressbook::Region),
                              field(addressbook::PostalCode),
                              field(addressbook::Country),
                              QString()};
        if (!a.isEmpty())
            c.addresses.append(a);
        contacts.append(c);
    }
    return contacts;
}

QByteArray csvOfContacts(const QList<Contact> &contacts)
{
    QStringList titles;
    for (const QString &title : CsvTitles)
        titles.append(csvCell(title));
    QString text = titles.join(u',') + QLatin1String("\r\n");
    for (const Contact &c : contacts) {
        const QList<PostalAddress> addresses = c.addresses.isEmpty() ? QList<PostalAddress>{{}} : c.addresses;
        for (const PostalAddress &a : addresses) {
            const QStringList cells = {c.name, a.street, a.locality, a.district, a.region, a.country, a.postalCode};
            QStringList quoted;
            for (const QString &cell : cells)
                quoted.append(csvCell(cell));
            text += quoted.join(u',') + QLatin1String("\r\n");
        }
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QList<Contact> readContacts(const QString &path)
{
    return isVCardFile(path) ? readVCardFile(path) : contactsOfTable(path);
}

QList<Contact> readVCardFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    try {
        return vcard::read(file.readAll());
    } catch (const VCardError &e) {
        throw VCardError(QStringLiteral("«%1»: %2").arg(path, e.message()));
    }
}

QList<QStringList> recordsOfContact(const Contact &contact)
{
    QList<QStringList> records;
    if (contact.addresses.isEmpty())
        return {QStringList{contact.name, {}, {}, {}, {}, {}, {}}};
    for (qsizetype i = 0; i < contact.addresses.size(); ++i) {
        const PostalAddress &a = contact.addresses.at(i);
        QString name = contact.name;
        if (i > 0) {
            const QString kind = a.type == QLatin1String("home") ? QCoreApplication::translate("BookTransfer", "дом")
                                 : a.type == QLatin1String("work")
                                     ? QCoreApplication::translate("BookTransfer", "работа")
                                     : QCoreApplication::translate("BookTransfer", "адрес %1").arg(i + 1);
            name += QStringLiteral(" (%1)").arg(kind);
        }
        records.append({name, a.street, a.locality, a.district, a.region, a.country, a.postalCode});
    }
    return records;
}

std::unique_ptr<QTemporaryFile> contactsAsTextTable(const QList<Contact> &contacts, int *withoutAddress)
{
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/veltora-contacts-XXXXXX.txt"));
    if (!file->open())
        throw IoError(QStringLiteral("%1: %2").arg(file->fileTemplate(), file->errorString()));
    QByteArray text;
    int left = 0;
    for (const Contact &c : contacts) {
        if (c.addresses.isEmpty() || c.name.trimmed().isEmpty()) {
            ++left;
            continue;
        }
        const PostalAddress &a = c.addresses.first();
        text += textTableLine({c.name, a.street, a.locality, a.district, a.region, a.country, a.postalCode}) + '\n';
    }
    if (file->write(text) != text.size() || !file->flush())
        throw IoError(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
    if (withoutAddress)
        *withoutAddress = left;
    return file;
}

} // namespace booktransfer
