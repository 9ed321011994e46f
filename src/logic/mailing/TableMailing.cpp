#include "logic/mailing/TableMailing.h"

#include "logic/addresses/BookRecord.h"
#include "logic/mailing/MailingData.h"
#include "logic/mailing/RowSplitter.h"
#include "logic/mailing/TableSource.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// A cell is one line of the envelope: breaks and tabs inside it become blanks.
QString rowText(QStringList cells)
{
    for (QString &cell : cells) {
        cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
        cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
        cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return cells.join(QLatin1Char('\t'));
}

TableStream openStream(const QString &file, TableEncoding encoding, const QTemporaryFile *workbookRows)
{
    try {
        if (workbookRows)
            return TableStream(workbookRows->fileName(), TableEncoding::Utf8, '\t');
        return TableStream(file, encoding);
    } catch (const TableError &e) {
        throw TableMailingError(
            QCoreApplication::translate("veltora-batch", "--table «%1», %2").arg(file, e.message()));
    } catch (const IoError &e) {
        throw TableMailingError(
            QCoreApplication::translate("veltora-batch", "--table «%1»: %2").arg(file, e.message()));
    }
}

} // namespace

bool isUsualTitle(const QString &cell)
{
    static const QStringList titles = {QStringLiteral("фамилия"),
                                       QStringLiteral("имя"),
                                       QStringLiteral("отчество"),
                                       QStringLiteral("фио"),
                                       QStringLiteral("получатель"),
                                       QStringLiteral("адрес"),
                                       QStringLiteral("улица"),
                                       QStringLiteral("дом"),
                                       QStringLiteral("город"),
                                       QStringLiteral("населенный пункт"),
                                       QStringLiteral("населённый пункт"),
                                       QStringLiteral("район"),
                                       QStringLiteral("область"),
                                       QStringLiteral("регион"),
                                       QStringLiteral("страна"),
                                       QStringLiteral("индекс"),
                                       QStringLiteral("почтовый индекс"),
                                       QStringLiteral("прізвище"),
                                       QStringLiteral("ім'я"),
                                       QStringLiteral("вулиця"),
                                       QStringLiteral("місто"),
                                       QStringLiteral("країна"),
                                       QStringLiteral("surname"),
                                       QStringLiteral("name"),
                                       QStringLiteral("first name"),
                                       QStringLiteral("last name"),
                                       QStringLiteral("full name"),
                                       QStringLiteral("recipient"),
                                       QStringLiteral("address"),
                                       QStringLiteral("street"),
                                       QStringLiteral("city"),
                                       QStringLiteral("town"),
                                       QStringLiteral("district"),
                                       QStringLiteral("region"),
                                       QStringLiteral("state"),
                                       QStringLiteral("country"),
                                       QStringLiteral("zip"),
                                       QStringLiteral("zip code"),
                                       QStringLiteral("postcode"),
                                       QStringLiteral("postal code")};
    QString text = cell.trimmed().toLower();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('*')))
        text.chop(1);
    return titles.contains(text);
}

bool looksLikeTitles(const QStringList &first)
{
    return std::any_of(first.begin(), first.end(), isUsualTitle);
}

bool looksLikeTitles(const QStringList &first, const QStringList *second, const ColumnMap &columns)
{
    for (const int column : columns) {
        if (column >= 0 && column < first.size() && isUsualTitle(first.at(column)))
            return true;
    }
    const int zip = columns[FieldZipCode];
    const auto hasDigit = [](const QString &text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    return second && zip >= 0 && zip < first.size() && zip < second->size() && !first.at(zip).trimmed().isEmpty() &&
           !hasDigit(first.at(zip)) && hasDigit(second->at(zip));
}

TableMailing::TableMailing(const QString &file, TableEncoding encoding, const QString &columns, TitleRow titleRow,
                           const std::function<void()> &titlesDetected, const QString &sheet)
    : m_file(file)
    , m_workbookRows(workbookAsTextTable(file, sheet))
    , m_stream(openStream(file, encoding, m_workbookRows.get()))
{
    const QList<int> map = parseColumnMap(columns);
    for (int f = 0; f < static_cast<int>(m_columns.size()); ++f)
        m_columns[f] = map.at(f);
    if (m_columns[FieldSurname] < 0)
        throw TableMailingError(QCoreApplication::translate(
            "veltora-batch", "--columns: у первого поля (фамилия, ключ записи) нет столбца"));

    // The first row is checked once it is known whether it holds titles.
    QStringList first;
    std::optional<QStringList> second;
    int widestOfRest = 0;
    try {
        m_stream.scan([&](const QStringList &cells, int line) {
            rememberKey(cells);
            if (first.isEmpty() && m_stream.rowCount() == 1) {
                first = cells;
                return;
            }
            if (!second)
                second = cells;
            widestOfRest = std::max(widestOfRest, int(cells.size()));
            check(cells, line);
        });
    } catch (const TableError &e) {
        throw TableMailingError(
            QCoreApplication::translate("veltora-batch", "--table «%1», %2").arg(m_file, e.message()));
    }
    if (m_stream.rowCount() == 0)
        throw TableMailingError(QCoreApplication::translate("veltora-batch", "список рассылки пуст"));

    bool titles = titleRow == TitleRow::Present;
    if (titleRow == TitleRow::Detect && looksLikeTitles(first, second ? &*second : nullptr, m_columns)) {
        titles = true;
        if (titlesDetected)
            titlesDetected();
    }
    int widest = widestOfRest;
    if (titles) {
        m_firstRow = 1;
    } else {
        check(first, m_stream.lineOf(0));
        widest = std::max(widest, int(first.size()));
    }
    if (size() == 0)
        throw TableMailingError(QCoreApplication::translate("veltora-batch", "список рассылки пуст"));
    for (int f = 0; f < static_cast<int>(m_columns.size()); ++f) {
        if (m_columns[f] >= widest)
            throw TableMailingError(
                QCoreApplication::translate("veltora-batch",
                                            "--columns: поле %1 — столбца %2 (счёт с 0) нет ни в одной строке: "
                                            "в таблице «%3» столбцов: %4")
                    .arg(f + 1)
                    .arg(m_columns[f])
                    .arg(m_file)
                    .arg(widest));
    }
}

QStringList TableMailing::recipient(int index)
{
    const QStringList lines = recordLines(index);
    const QString key = withoutTrailingTab(addressbook::textOf(lines.at(FieldSurname)));
    QStringList shown = addressbook::shownFields(lines, 0, MailingData::MailingRecordLines);
    shown.prepend(key);
    return shown;
}

ReportedAddress TableMailing::postalAddress(int index)
{
    const QStringList lines = recordLines(index);
    const auto text = [&](int field) { return withoutTrailingTab(addressbook::textOf(lines.at(field))); };
    return {QString::number(index + 1), text(FieldTown), text(FieldRegion), text(FieldCountry), text(FieldZipCode)};
}

QList<SharedKey> TableMailing::sharedKeys()
{
    std::vector<std::pair<quint32, qsizetype>> rows;
    rows.reserve(m_keyHashes.size());
    for (qsizetype row = m_firstRow; row < qsizetype(m_keyHashes.size()); ++row)
        rows.emplace_back(m_keyHashes[row], row);
    std::sort(rows.begin(), rows.end());
    QList<SharedKey> shared;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end].first == rows[i].first)
            ++end;
        if (end - i > 1) {
            QList<SharedKey> group; // keys of one hash, in the order of their first row
            for (std::size_t k = i; k < end; ++k) {
                const int envelope = int(rows[k].second - m_firstRow);
                const QString key = withoutTrailingTab(addressbook::textOf(recordLines(envelope).at(FieldSurname)));
                auto same = std::find_if(group.begin(), group.end(), [&](const SharedKey &g) { return g.key == key; });
                if (same == group.end())
                    group.append({key, {envelope + 1}});
                else
                    same->rows.append(envelope + 1);
            }
            for (const SharedKey &g : std::as_const(group))
                if (g.rows.size() > 1)
                    shared.append(g);
        }
        i = end;
    }
    std::sort(shared.begin(), shared.end(),
              [](const SharedKey &a, const SharedKey &b) { return a.rows.first() < b.rows.first(); });
    return shared;
}

QStringList TableMailing::recordLines(int index)
{
    return buildMailingRecords(QStringList{rowText(m_stream.cells(index + m_firstRow))}, m_columns);
}

void TableMailing::rememberKey(const QStringList &cells)
{
    const int keyColumn = m_columns[FieldSurname];
    const QString key = keyColumn < cells.size() ? cells.at(keyColumn).trimmed() : QString();
    m_keyHashes.push_back(quint32(qHash(key)));
}

void TableMailing::check(const QStringList &cells, int line) const
{
    const int keyColumn = m_columns[FieldSurname];
    if (keyColumn >= cells.size() || cells.at(keyColumn).trimmed().isEmpty())
        throw TableMailingError(QCoreApplication::translate(
                                    "veltora-batch", "--table «%1», строка %2, столбец %3: нет фамилии (ключа записи)")
                                    .arg(m_file)
                                    .arg(line)
                                    .arg(keyColumn + 1));
    if (rowText(cells).size() < MinimumRowLength)
        throw TableMailingError(QCoreApplication::translate(
                                    "veltora-batch", "--table «%1», строка %2, столбец 1: строка короче пяти знаков")
                                    .arg(m_file)
                                    .arg(line));
}
