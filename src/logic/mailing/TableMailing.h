#pragma once
// A mailing read from a table file as a stream: every row is its own envelope, read where it stands
// when its envelope is printed, so that a table of any length takes the same memory. The rules of
// such a mailing live here: which first row holds column titles, which rows are refused, which rows
// share a key, and the recipient and postal address a row gives.

#include "logic/files/IoError.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/MailingRecordFile.h"
#include "logic/mailing/TableStream.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A table that cannot be a mailing: a row without its key, a column no row has, no rows at all.
class TableMailingError : public AppError
{
public:
    using AppError::AppError;
};

// Whether the first row of a table holds column titles rather than a recipient.
enum class TitleRow { Detect, Present, Absent };

// Whether the first row of a table holds the titles of its columns: one of its mapped cells is a
// usual title ("Фамилия", "Индекс", "city", "zip" ...), or the postal code column holds no digit in
// the first row where it does in the second.
bool looksLikeTitles(const QStringList &first, const QStringList *second, const ColumnMap &columns);
// The same before any column is mapped: one of the cells is a usual title.
bool looksLikeTitles(const QStringList &first);
// Whether a cell is a usual title of a column of addresses ("Фамилия", "zip:" ...), case ignored.
bool isUsualTitle(const QString &cell);

// An entry of a mailing as the postal code report names it, and the lines of its address.
struct ReportedAddress
{
    QString who;
    QString locality;
    QString region;
    QString country;
    QString postalCode;
};

class TableMailing
{
public:
    // Reads the table `file` through once and checks every row. `columns` is a column map
    // (parseColumnMap). `titlesDetected` is called when a first row is taken for titles because it
    // looks like them (TitleRow::Detect). A workbook (.ods, .xlsx) is read from its sheet `sheet`
    // (empty: the first). Throws TableMailingError, TableError, WorkbookError or IoError, each
    // naming the file.
    TableMailing(const QString &file, TableEncoding encoding, const QString &columns, TitleRow titleRow,
                 const std::function<void()> &titlesDetected = {}, const QString &sheet = QString());

    // The number of envelopes: the rows without the title row.
    qsizetype size() const { return m_stream.rowCount() - m_firstRow; }

    // The lines of the recipient details box for envelope `index` (from 0), made as the group
    // mailing window makes them from a pasted row.
    QStringList recipient(int index);

    // The address of envelope `index` as the postal code check reads it; rows are named by number.
    ReportedAddress postalAddress(int index);

    // The envelopes (one-based numbers) whose rows carry the same surname. Every row keeps its own
    // address, where the window's lookup by name would give both envelopes the later row's.
    QList<SharedKey> sharedKeys();

private:
    QStringList recordLines(int index);
    void rememberKey(const QStringList &cells);
    void check(const QStringList &cells, int line) const;

    QString m_file;
    std::unique_ptr<QTemporaryFile> m_workbookRows; // a workbook's sheet as a text table
    TableStream m_stream;
    ColumnMap m_columns = emptyColumnMap();
    qsizetype m_firstRow = 0;
    std::vector<quint32> m_keyHashes; // per row of the table, the first row included
};
