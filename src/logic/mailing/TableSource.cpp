#include "logic/mailing/TableSource.h"

#include "logic/mailing/RowSplitter.h"
#include "logic/mailing/TableStream.h"
#include "logic/mailing/Workbook.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString oneLine(QString cell)
{
    cell.replace(QLatin1Char('\t'), QLatin1Char(' '));
    cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return cell;
}

QString joined(const QStringList &cells)
{
    QStringList line;
    line.reserve(cells.size());
    for (const QString &cell : cells)
        line.append(oneLine(cell));
    return line.join(QLatin1Char('\t'));
}

} // namespace

std::optional<QStringList> tableRowsAsText(const QString &path,
                                           const std::function<int(const QStringList &)> &chooseSheet)
{
    QStringList rows;
    const auto take = [&](const QStringList &cells) {
        QString row = joined(cells);
        if (row.size() >= MinimumRowLength)
            rows.append(std::move(row));
    };
    if (tableKindOf(path) == TableKind::Text) {
        TableStream stream(path, TableEncoding::Detect);
        stream.scan([&](const QStringList &cells, int) { take(cells); });
        return rows;
    }
    Workbook book(path);
    int sheet = 0;
    if (book.sheetNames().size() > 1) {
        sheet = chooseSheet ? chooseSheet(book.sheetNames()) : 0;
        if (sheet < 0)
            return std::nullopt;
    }
    book.readRows(sheet, [&](const QStringList &cells, int) { take(cells); });
    return rows;
}

QByteArray textTableLine(const QStringList &cells)
{
    QByteArray line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += '\t';
        QString cell = oneLine(cells.at(i));
        if (cell.contains(QLatin1Char('"')))
            cell = QLatin1Char('"') + cell.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
        line += cell.toUtf8();
    }
    return line;
}

std::unique_ptr<QTemporaryFile> workbookAsTextTable(const QString &path, const QString &sheet)
{
    if (tableKindOf(path) == TableKind::Text)
        return nullptr;
    Workbook book(path);
    int index = 0;
    if (!sheet.isEmpty()) {
        index = book.sheetIndex(sheet);
        if (index < 0)
            throw WorkbookError(QCoreApplication::translate("Workbook", "«%1»: нет листа «%2»; листы книги: %3")
                                    .arg(path, sheet, book.sheetNames().join(QStringLiteral(", "))));
    }
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/veltora-table-XXXXXX.txt"));
    if (!file->open())
        throw IoError(QStringLiteral("%1: %2").arg(file->fileTemplate(), file->errorString()));
    QByteArray buffer;
    int written = 0; // sheet rows written so far, as lines
    const auto flush = [&] {
        if (file->write(buffer) != buffer.size())
            throw IoError(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
        buffer.clear();
    };
    // Never a byte-order mark: the text is UTF-8 whatever it holds, and TableStream is told so.
    book.readRows(index, [&](const QStringList &cells, int row) {
        for (; written < row - 1; ++written)
            buffer += '\n';
        buffer += textTableLine(cells);
        buffer += '\n';
        ++written;
        if (buffer.size() > 1 << 20)
            flush();
    });
    flush();
    if (!file->flush())
        throw IoError(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
    return file;
}
