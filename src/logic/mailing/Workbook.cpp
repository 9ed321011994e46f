#include "logic/mailing/Workbook.h"

#include "logic/mailing/CellFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <zip.h>

namespace {

constexpr qint64 SmallPart = 1 << 20; // parts below this size may inflate at any ratio
constexpr qint64 ChunkSize = 64 * 1024;

const QString OdsMime = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");

// Column letters of a cell reference ("AB12") as a zero-based column, -1 when there are none.
int columnOfReference(QStringView ref)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref.at(i).isLetter() && ref.at(i).unicode() < 128; ++i) {
        column = column * 26 + (ref.at(i).toUpper().unicode() - 'A' + 1);
        if (column > Workbook::MaxColumns)
            return Workbook::MaxColumns;
    }
    return i == 0 ? -1 : column - 1;
}

void dropTrailingEmpty(QStringList &cells)
{
    while (!cells.isEmpty() && cells.constLast().isEmpty())
        cells.removeLast();
}

} // namespace

// The zip archive of a workbook, read through libzip.
class Workbook::Archive
{
public:
    Archive(const QString &path, const Workbook &owner)
        : m_owner(owner)
    {
        int error = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
        if (!m_zip) {
            zip_error_t e;
            zip_error_init_with_code(&e, error);
            const QString reason = QString::fromLocal8Bit(zip_error_strerror(&e));
            zip_error_fini(&e);
            owner.fail(Workbook::tr("архив повреждён (%1)").arg(reason));
        }
    }
    ~Archive() { zip_discard(m_zip); }

    bool has(const char *name) const { return zip_name_locate(m_zip, name, 0) >= 0; }

    // Streams the part in chunks to `chunk`; false when there is no such part.
    bool read(const QString &name, const std::function<void(const QByteArray &)> &chunk) const
    {
        const QByteArray n = name.toUtf8();
        const zip_int64_t index = zip_name_locate(m_zip, n.constData(), 0);
        if (index < 0)
            return false;
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) != 0)
            m_owner.fail(Workbook::tr("архив повреждён (%1)").arg(QString::fromLocal8Bit(zip_strerror(m_zip))));
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            m_owner.fail(Workbook::tr("книга защищена паролем"));
        const qint64 size = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) : -1;
        const qint64 packed = (st.valid & ZIP_STAT_COMP_SIZE) ? qint64(st.comp_size) : -1;
        if (size < 0 || packed < 0 || size > MaxPartSize ||
            (size > SmallPart && size / std::max<qint64>(packed, 1) > MaxInflation))
            m_owner.fail(
                Workbook::tr(
                    "часть «%1» разворачивается в %2 байт из %3: это не книга, а zip-бомба или повреждённый архив")
                    .arg(name)
                    .arg(size)
                    .arg(packed));
        zip_file_t *file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
        if (!file)
            m_owner.fail(
                Workbook::tr("часть «%1» не читается (%2)").arg(name, QString::fromLocal8Bit(zip_strerror(m_zip))));
        QByteArray buffer(ChunkSize, Qt::Uninitialized);
        qint64 total = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()));
            if (n < 0) {
                const QString reason = QString::fromLocal8Bit(zip_error_strerror(zip_file_get_error(file)));
                zip_fclose(file);
                m_owner.fail(Workbook::tr("часть «%1» не читается (%2)").arg(name, reason));
            }
            if (n == 0)
                break;
            total += n;
            if (total > size) {
                zip_fclose(file);
                m_owner.fail(Workbook::tr("часть «%1» длиннее, чем объявлено в архиве").arg(name));
            }
            try {
                chunk(QByteArray::fromRawData(buffer.constData(), qsizetype(n)));
            } catch (...) {
                zip_fclose(file);
                throw;
            }
        }
        zip_fclose(file);
        return true;
    }

    QByteArray readAll(const QString &name, bool *found = nullptr) const
    {
        QByteArray all;
        const bool there = read(name, [&](const QByteArray &chunk) { all.append(chunk.constData(), chunk.size()); });
        if (found)
            *found = there;
        return all;
    }

private:
    const Workbook &m_owner;
    zip_t *m_zip = nullptr;
};

namespace {

// A pull parser over a part that arrives in chunks: tokens are handled as the chunks come.
class XmlPart
{
public:
    using Handler = std::function<void(QXmlStreamReader &)>;
    explicit XmlPart(Handler handler)
        : m_handler(std::move(handler))
    {
    }
    void add(const QByteArray &chunk)
    {
        m_xml.addData(chunk);
        drain();
    }
    // The error, empty when the part was well-formed and complete.
    QString finish()
    {
        drain();
        if (m_sawEnd)
            return QString();
        if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            return m_xml.errorString();
        return Workbook::tr("часть обрывается");
    }

private:
    void drain()
    {
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (m_xml.hasError()) {
                if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
                    return;
                throw WorkbookError(m_xml.errorString());
            }
            if (m_xml.isEndDocument())
                m_sawEnd = true;
            m_handler(m_xml);
        }
    }
    QXmlStreamReader m_xml;
    Handler m_handler;
    bool m_sawEnd = false;
};

} // namespace

TableKind tableKindOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray head = file.read(8);
    file.close();
    const QString suffix = QFileInfo(path).suffix().toLower();
    const auto wrong = [&](const QString &why) { return WorkbookError(Workbook::tr("«%1»: %2").arg(path, why)); };
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw wrong(Workbook::tr("это книга старого формата Excel (.xls) или книга, защищённая паролем; "
                                 "сохраните её без пароля как .xlsx или .ods"));
    if (!head.startsWith("PK\x03\x04") && !head.startsWith("PK\x05\x06")) {
        if (suffix == QLatin1String("ods") || suffix == QLatin1String("xlsx") || suffix == QLatin1String("xls"))
            throw wrong(Workbook::tr("файл назван книгой .%1, но это не книга (не zip-архив)").arg(suffix));
        return TableKind::Text;
    }
    // Which workbook: by its parts, as the reader tells them apart.
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return Workbook(path).kind(); // reports the damaged archive as the reader does
    const bool ods = zip_name_locate(zip, "mimetype", 0) >= 0 && zip_name_locate(zip, "content.xml", 0) >= 0;
    const bool xlsx = zip_name_locate(zip, "xl/workbook.xml", 0) >= 0;
    zip_discard(zip);
    const TableKind kind = ods ? TableKind::OpenDocument : xlsx ? TableKind::OfficeOpenXml : Workbook(path).kind();
    if (suffix == QLatin1String("ods") && kind != TableKind::OpenDocument)
        throw wrong(Workbook::tr("файл назван .ods, но это книга другого формата"));
    if (suffix == QLatin1String("xlsx") && kind != TableKind::OfficeOpenXml)
        throw wrong(Workbook::tr("файл назван .xlsx, но это книга другого формата"));
    return kind;
}

Workbook::Workbook(const QString &path)
    : m_path(path)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            throw IoError(QStringLiteral("%1: %2").arg(path, probe.errorString()));
    }
    m_archive = std::make_unique<Archive>(path, *this);
    namedFailures([&] { readSheetNames(); });
    if (m_sheets.isEmpty())
        fail(Workbook::tr("в книге нет ни одного листа"));
}

void Workbook::readSheetNames()
{
    bool found = false;
    const QByteArray mime = m_archive->readAll(QStringLiteral("mimetype"), &found).trimmed();
    if (found && QString::fromLatin1(mime) == OdsMime) {
        m_kind = TableKind::OpenDocument;
        const QByteArray manifest = m_archive->readAll(QStringLiteral("META-INF/manifest.xml"));
        if (manifest.contains("encryption-data"))
            fail(Workbook::tr("книга защищена паролем"));
        // The sheet names: the table:name of every table that is not inside a row. The content is
        // only scanned for the tags of tables and rows here, which is several times faster than
        // parsing it; the rows are parsed when they are read.
        QByteArray pending;
        int rowDepth = 0;
        const auto scan = [&](bool atEnd) {
            qsizetype pos = 0;
            for (;;) {
                const qsizetype open = pending.indexOf('<', pos);
                if (open < 0) {
                    pending.clear();
                    return;
                }
                // Only the tags of tables and rows are looked into ("<" never stands inside a tag).
                const QByteArrayView head = QByteArrayView(pending).sliced(open + 1);
                if (head.size() < 17 && !atEnd) {
                    pending.remove(0, open);
                    return;
                }
                if (!head.startsWith("table:table") && !head.startsWith("/table:table-row")) {
                    pos = open + 1;
                    continue;
                }
                qsizetype close = open + 1;
                for (char quote = 0; close < pending.size(); ++close) {
                    const char c = pending.at(close);
                    if (quote)
                        quote = c == quote ? 0 : quote;
                    else if (c == '"' || c == '\'')
                        quote = c;
                    else if (c == '>')
                        break;
                }
                if (close >= pending.size()) {
                    if (atEnd)
                        fail(Workbook::tr("content.xml: часть обрывается"));
                    pending.remove(0, open); // the tag goes on in the next chunk
                    return;
                }
                const QByteArrayView tag(pending.constData() + open + 1, close - open - 1);
                const auto named = [&](const char *name) {
                    const qsizetype n = qstrlen(name);
                    return tag.startsWith(name) && (tag.size() == n || tag.at(n) == ' ' || tag.at(n) == '/' ||
                                                    tag.at(n) == '\t' || tag.at(n) == '\n' || tag.at(n) == '\r');
                };
                if (named("table:table-row") && !tag.endsWith('/')) {
                    ++rowDepth;
                } else if (named("/table:table-row")) {
                    --rowDepth;
                } else if (named("table:table") && rowDepth == 0) {
                    QXmlStreamReader element("<" + tag.toByteArray() + (tag.endsWith('/') ? ">" : "/>"));
                    element.setNamespaceProcessing(false);
                    element.readNextStartElement();
                    if (element.hasError())
                        fail(Workbook::tr("content.xml: %1").arg(element.errorString()));
                    m_sheets.append(element.attributes().value(QLatin1String("table:name")).toString());
                }
                pos = close + 1;
            }
        };
        if (!m_archive->read(QStringLiteral("content.xml"), [&](const QByteArray &c) {
                pending.append(c);
                scan(false);
            }))
            fail(Workbook::tr("нет части content.xml"));
        scan(true);
    } else if (m_archive->has("xl/workbook.xml")) {
        m_kind = TableKind::OfficeOpenXml;
        QHash<QString, QString> targets;
        XmlPart rels([&](QXmlStreamReader &xml) {
            if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
                QString target = xml.attributes().value(QLatin1String("Target")).toString();
                target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
                targets.insert(xml.attributes().value(QLatin1String("Id")).toString(), target);
            }
        });
        m_archive->read(QStringLiteral("xl/_rels/workbook.xml.rels"), [&](const QByteArray &c) { rels.add(c); });
        rels.finish();
        XmlPart workbook([&](QXmlStreamReader &xml) {
            if (!xml.isStartElement())
                return;
            if (xml.name() == QLatin1String("sheet")) {
                const QXmlStreamAttributes a = xml.attributes();
                QString id;
                for (const QXmlStreamAttribute &attr : a)
                    if (attr.name() == QLatin1String("id"))
                        id = attr.value().toString();
                m_sheets.append(a.value(QLatin1String("name")).toString());
                m_sheetParts.append(targets.value(id));
            } else if (xml.name() == QLatin1String("workbookPr")) {
                const QStringView d = xml.attributes().value(QLatin1String("date1904"));
                m_date1904 = d == QLatin1String("1") || d == QLatin1String("true");
            }
        });
        m_archive->read(QStringLiteral("xl/workbook.xml"), [&](const QByteArray &c) { workbook.add(c); });
        const QString error = workbook.finish();
        if (!error.isEmpty())
            fail(Workbook::tr("xl/workbook.xml: %1").arg(error));
    } else if (m_archive->has("EncryptionInfo") || m_archive->has("EncryptedPackage")) {
        fail(Workbook::tr("книга защищена паролем"));
    } else {
        fail(Workbook::tr("zip-архив, но не книга OpenDocument (.ods) и не книга Excel (.xlsx)"));
    }
}

void Workbook::namedFailures(const std::function<void()> &action) const
{
    try {
        action();
    } catch (const WorkbookError &e) {
        if (e.message().startsWith(QStringLiteral("«%1»").arg(m_path)))
            throw;
        fail(e.message());
    }
}

Workbook::~Workbook() = default;

void Workbook::fail(const QString &why) const
{
    throw WorkbookError(Workbook::tr("«%1»: %2").arg(m_path, why));
}

int Workbook::sheetIndex(const QString &name) const
{
    for (int i = 0; i < m_sheets.size(); ++i)
        if (m_sheets.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void Workbook::readRows(int sheet, const std::function<void(const QStringList &, int)> &row)
{
    if (sheet < 0 || sheet >= m_sheets.size())
        fail(Workbook::tr("нет листа номер %1").arg(sheet + 1));
    namedFailures([&] {
        if (m_kind == TableKind::OpenDocument)
            readOpenDocumentRows(sheet, row);
        else
            readOfficeRows(sheet, row);
    });
}

void Workbook::readOpenDocumentRows(int sheet, const std::function<void(const QStringList &, int)> &row)
{
    int table = -1;
    qint64 cellCount = 0;
    int otherRows = 0;  // rows open outside the sheet
    int tableDepth = 0; // > 0 inside the wanted sheet's element
    bool inRow = false;
    int rowRepeat = 1;
    int rowNumber = 0;
    QStringList cells;
    int pendingEmpty = 0; // empty cells not yet put in the row: only a later cell with text needs them
    // The cell being read.
    bool inCell = false;
    int cellRepeat = 1;
    int cellDepth = 0;
    QString text;
    QString value; // the cell's value attribute, for a cell without a paragraph
    int paragraphs = 0;
    int inParagraph = 0;
    int skipDepth = 0; // inside an annotation of the cell: its text is not the cell's
    bool done = false;

    const auto addCell = [&](const QString &value, int repeat) {
        if (value.isEmpty()) {
            pendingEmpty = int(std::min<qint64>(qint64(pendingEmpty) + repeat, MaxColumns));
            return;
        }
        for (; pendingEmpty > 0 && cells.size() < MaxColumns; --pendingEmpty)
            cells.append(QString());
        pendingEmpty = 0;
        for (int k = 0; k < repeat && cells.size() < MaxColumns; ++k)
            cells.append(value);
    };

    XmlPart part([&](QXmlStreamReader &xml) {
        if (done)
            return;
        const QStringView name = xml.qualifiedName();
        if (tableDepth == 0) {
            // Outside the sheet: tables are counted as the sheet names were, those inside rows not.
            if (xml.isStartElement() && name == QLatin1String("table:table-row"))
                ++otherRows;
            else if (xml.isEndElement() && name == QLatin1String("table:table-row"))
                --otherRows;
            else if (xml.isStartElement() && name == QLatin1String("table:table") && otherRows == 0 && ++table == sheet)
                tableDepth = 1;
            return;
        }
        if (xml.isStartElement()) {
            ++tableDepth;
            if (skipDepth > 0) {
                ++skipDepth;
                return;
            }
            if (name == QLatin1String("table:table-row") && !inRow) {
                inRow = true;
                rowRepeat = std::max(1, xml.attributes().value(QLatin1String("table:number-rows-repeated")).toInt());
                cells.clear();
                pendingEmpty = 0;
            } else if (inRow && !inCell &&
                       (name == QLatin1String("table:table-cell") ||
                        name == QLatin1String("table:covered-table-cell"))) {
                inCell = true;
                cellDepth = tableDepth;
                cellRepeat =
                    std::max(1, xml.attributes().value(QLatin1String("table:number-columns-repeated")).toInt());
                text.clear();
                paragraphs = 0;
                inParagraph = 0;
                const QXmlStreamAttributes a = xml.attributes();
                value = a.value(QLatin1String("office:value")).toString();
                if (value.isEmpty())
                    value = a.value(QLatin1String("office:date-value")).toString();
            } else if (inCell && name == QLatin1String("office:annotation")) {
                skipDepth = 1;
            } else if (inCell && name == QLatin1String("text:p")) {
                ++inParagraph;
                if (paragraphs++ > 0)
                    text += u'\n';
            } else if (inCell && name == QLatin1String("text:s")) {
                const int count = std::clamp(xml.attributes().value(QLatin1String("text:c")).toInt(), 1, 1000);
                text += QString(count, u' ');
            } else if (inCell && name == QLatin1String("text:tab")) {
                text += u'\t';
            } else if (inCell && name == QLatin1String("text:line-break")) {
                text += u'\n';
            }
        } else if (xml.isEndElement()) {
            if (skipDepth > 0) {
                --skipDepth;
                --tableDepth;
                return;
            }
            if (inCell && name == QLatin1String("text:p")) {
                --inParagraph;
            } else if (inCell && tableDepth == cellDepth) {
                inCell = false;
                addCell(paragraphs > 0 ? text : value, cellRepeat);
            } else if (inRow && name == QLatin1String("table:table-row")) {
                inRow = false;
                if (cells.isEmpty()) {
                    rowNumber = int(std::min<qint64>(qint64(rowNumber) + rowRepeat, MaxRows));
                } else {
                    for (int k = 0; k < rowRepeat && rowNumber < MaxRows; ++k) {
                        // Repetition makes many cells of few bytes: counted, so that a small file
                        // cannot make an endless sheet.
                        cellCount += cells.size();
                        if (cellCount > MaxCells)
                            fail(Workbook::tr("лист «%1»: больше %2 ячеек").arg(m_sheets.at(sheet)).arg(MaxCells));
                        row(cells, ++rowNumber);
                    }
                }
            }
            if (--tableDepth == 0)
                done = true;
        } else if (xml.isCharacters() && inCell && skipDepth == 0 && inParagraph > 0) {
            text += xml.text();
        }
    });
    m_archive->read(QStringLiteral("content.xml"), [&](const QByteArray &c) {
        if (!done)
            part.add(c);
    });
    if (!done) {
        const QString error = part.finish();
        fail(error.isEmpty() ? Workbook::tr("лист «%1» не найден").arg(m_sheets.value(sheet)) : error);
    }
}

void Workbook::loadOfficeStrings()
{
    if (m_sharedStringsLoaded)
        return;
    m_sharedStringsLoaded = true;
    // Shared strings: the text of every <si>, phonetic runs left out.
    QString current;
    bool inItem = false, inText = false;
    int phonetic = 0;
    XmlPart strings([&](QXmlStreamReader &xml) {
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("si")) {
                inItem = true;
                current.clear();
            } else if (name == QLatin1String("rPh")) {
                ++phonetic;
            } else if (name == QLatin1String("t")) {
                inText = inItem && phonetic == 0;
            }
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("si")) {
                inItem = false;
                m_sharedStrings.append(current);
            } else if (name == QLatin1String("rPh")) {
                --phonetic;
            } else if (name == QLatin1String("t")) {
                inText = false;
            }
        } else if (xml.isCharacters() && inText) {
            current += xml.text();
        }
    });
    m_archive->read(QStringLiteral("xl/sharedStrings.xml"), [&](const QByteArray &c) { strings.add(c); });
    QString error = strings.finish();
    if (!error.isEmpty())
        fail(Workbook::tr("xl/sharedStrings.xml: %1").arg(error));

    // Number formats of the cell styles.
    QHash<int, QString> custom;
    bool inCellStyles = false;
    XmlPart styles([&](QXmlStreamReader &xml) {
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("numFmt"))
                custom.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                              xml.attributes().value(QLatin1String("formatCode")).toString());
            else if (name == QLatin1String("cellXfs"))
                inCellStyles = true;
            else if (inCellStyles && name == QLatin1String("xf")) {
                const int id = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                m_cellFormats.append(custom.contains(id) ? custom.value(id) : cellformat::builtInFormat(id));
            }
        } else if (xml.isEndElement() && name == QLatin1String("cellXfs")) {
            inCellStyles = false;
        }
    });
    m_archive->read(QStringLiteral("xl/styles.xml"), [&](const QByteArray &c) { styles.add(c); });
    error = styles.finish();
    if (!error.isEmpty())
        fail(Workbook::tr("xl/styles.xml: %1").arg(error));
}

void Workbook::readOfficeRows(int sheet, const std::function<void(const QStringList &, int)> &row)
{
    loadOfficeStrings();
    const QString partName = m_sheetParts.value(sheet);
    QStringList cells;
    int rowNumber = 0;
    bool inRow = false;
    // The cell being read.
    int column = -1;
    char type = 'n';         // the first letter of its t attribute: s(hared), b(oolean), n(umber), e(rror), d(ate)
    bool inlineType = false; // "str" or "inlineStr": the text as it stands
    int style = 0;
    QString value;
    bool inValue = false;
    bool inInline = false;
    const auto shown = [&]() -> QString {
        if (type == 's' && !inlineType) {
            bool ok = false;
            const int index = value.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= m_sharedStrings.size())
                fail(Workbook::tr("лист «%1», строка %2: нет общей строки %3")
                         .arg(m_sheets.at(sheet))
                         .arg(rowNumber)
                         .arg(value));
            return m_sharedStrings.at(index);
        }
        if (type == 'b')
            return value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == 'n') {
            bool ok = false;
            const double number = value.trimmed().toDouble(&ok);
            if (!ok)
                return value;
            return cellformat::formatNumber(number, m_cellFormats.value(style), m_date1904);
        }
        return value; // str, inlineStr, e, d: the text as it stands
    };
    XmlPart part([&](QXmlStreamReader &xml) {
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("row")) {
                inRow = true;
                cells.clear();
                const int r = xml.attributes().value(QLatin1String("r")).toInt();
                rowNumber = r > rowNumber ? std::min(r, MaxRows + 1) : rowNumber + 1;
                column = -1;
            } else if (inRow && name == QLatin1String("c")) {
                const QXmlStreamAttributes a = xml.attributes();
                const int c = columnOfReference(a.value(QLatin1String("r")));
                column = c >= 0 ? c : column + 1;
                const QStringView t = a.value(QLatin1String("t"));
                type = t.isEmpty() ? 'n' : char(t.at(0).toLatin1());
                inlineType = t == QLatin1String("str") || t == QLatin1String("inlineStr");
                style = a.value(QLatin1String("s")).toInt();
                value.clear();
            } else if (name == QLatin1String("v")) {
                inValue = true;
            } else if (name == QLatin1String("is")) {
                inInline = true;
            } else if (inInline && name == QLatin1String("t")) {
                inValue = true;
            }
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("v") || (inInline && name == QLatin1String("t"))) {
                inValue = false;
            } else if (name == QLatin1String("is")) {
                inInline = false;
            } else if (inRow && name == QLatin1String("c")) {
                const QString text = shown();
                if (!text.isEmpty() && column < MaxColumns) {
                    while (cells.size() < column)
                        cells.append(QString());
                    if (cells.size() == column)
                        cells.append(text);
                    else
                        cells[column] = text;
                }
            } else if (name == QLatin1String("row")) {
                inRow = false;
                dropTrailingEmpty(cells);
                if (!cells.isEmpty() && rowNumber <= MaxRows)
                    row(cells, rowNumber);
            }
        } else if (xml.isCharacters() && inValue) {
            value += xml.text();
        }
    });
    if (partName.isEmpty() || !m_archive->read(partName, [&](const QByteArray &c) { part.add(c); }))
        fail(Workbook::tr("нет части листа «%1»").arg(m_sheets.value(sheet)));
    const QString error = part.finish();
    if (!error.isEmpty())
        fail(Workbook::tr("лист «%1»: %2").arg(m_sheets.at(sheet), error));
}
