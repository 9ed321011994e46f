// Spreadsheet workbooks of two sheets, a title row, a postal code column formatted as five digits
// and 100,000 rows (.xlsx and .ods, written here as the formats describe them): opened in the group
// mailing window (the rows read into the line-order dialog and made records by its OK) and by
// veltora-batch (the whole sheet read and checked, one envelope printed). Wall time and peak memory
// of each, each in a process of its own.

#include "BenchSupport.h"

#include "logic/files/WorkDir.h"
#include "logic/state/SharedState.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPrinting.h"
#include "ui/common/AppContext.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <zip.h>

namespace {

constexpr int Rows = 100000;

QByteArray xmlText(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

void writeZip(const QString &path, const QList<std::pair<const char *, QByteArray>> &parts)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        qFatal("cannot create %s", qPrintable(path));
    for (const auto &[name, bytes] : parts) {
        zip_source_t *source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            qFatal("cannot add %s", name);
        if (qstrcmp(name, "mimetype") == 0)
            zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(zip) != 0)
        qFatal("cannot write %s", qPrintable(path));
}

QString surname(int i)
{
    return QStringLiteral("Фамилия %1").arg(i);
}
QString street(int i)
{
    return QStringLiteral("ул. Садовая, %1").arg(i % 300 + 1);
}
int postalCode(int i)
{
    return 1001 + i % 90000; // five digits shown, four stored for the first ones
}

void writeXlsx(const QString &path)
{
    QByteArray strings, sheet;
    int count = 0;
    const auto shared = [&](const QString &text) {
        strings += "<si><t>" + xmlText(text) + "</t></si>";
        return count++;
    };
    const auto cell = [&](char column, int row, int string) {
        sheet += "<c r=\"" + QByteArray(1, column) + QByteArray::number(row) + "\" t=\"s\"><v>" +
                 QByteArray::number(string) + "</v></c>";
    };
    sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
            "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData><row r=\"1\">";
    const QStringList titles{QStringLiteral("Фамилия"), QStringLiteral("Имя"), QStringLiteral("Улица"),
                             QStringLiteral("Город"), QStringLiteral("Индекс")};
    for (int c = 0; c < titles.size(); ++c)
        cell(char('A' + c), 1, shared(titles.at(c)));
    sheet += "</row>";
    const int name = shared(QStringLiteral("Иван")), town = shared(QStringLiteral("г. Харьков"));
    for (int i = 0; i < Rows; ++i) {
        const int r = i + 2;
        sheet += "<row r=\"" + QByteArray::number(r) + "\">";
        cell('A', r, shared(surname(i)));
        cell('B', r, name);
        cell('C', r, shared(street(i)));
        cell('D', r, town);
        sheet += "<c r=\"E" + QByteArray::number(r) + "\" s=\"1\"><v>" + QByteArray::number(postalCode(i)) +
                 "</v></c></row>";
    }
    sheet += "</sheetData></worksheet>";
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    writeZip(
        path,
        {{"[Content_Types].xml",
          "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
         {"xl/workbook.xml", "<?xml version=\"1.0\"?><workbook " + ns + " xmlns:r=\"" + rel +
                                 "\"><sheets><sheet name=\"Адреса\" sheetId=\"1\" r:id=\"rId1\"/><sheet "
                                 "name=\"Прочее\" sheetId=\"2\" r:id=\"rId2\"/></sheets></workbook>"},
         {"xl/_rels/workbook.xml.rels",
          "<?xml version=\"1.0\"?><Relationships "
          "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
          "Target=\"worksheets/sheet2.xml\"/></Relationships>"},
         {"xl/styles.xml",
          "<?xml version=\"1.0\"?><styleSheet " + ns +
              "><numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"00000\"/></numFmts>"
              "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>"},
         {"xl/sharedStrings.xml", "<?xml version=\"1.0\"?><sst " + ns + ">" + strings + "</sst>"},
         {"xl/worksheets/sheet1.xml", sheet},
         {"xl/worksheets/sheet2.xml", "<?xml version=\"1.0\"?><worksheet " + ns +
                                          "><sheetData><row r=\"1\"><c r=\"A1\" "
                                          "t=\"inlineStr\"><is><t>другое</t></is></c></row></sheetData></worksheet>"}});
}

void writeOds(const QString &path)
{
    const auto text = [](const QString &t) {
        return "<table:table-cell office:value-type=\"string\"><text:p>" + xmlText(t) + "</text:p></table:table-cell>";
    };
    QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\"><office:automatic-styles>"
        "<number:number-style style:name=\"N5\"><number:number number:decimal-places=\"0\" "
        "number:min-integer-digits=\"5\"/></number:number-style><style:style style:name=\"ce1\" "
        "style:family=\"table-cell\" style:data-style-name=\"N5\"/></office:automatic-styles><office:body>"
        "<office:spreadsheet><table:table table:name=\"Адреса\"><table:table-row>";
    for (const char *title : {"Фамилия", "Имя", "Улица", "Город", "Индекс"})
        content += text(QString::fromUtf8(title));
    content += "</table:table-row>";
    for (int i = 0; i < Rows; ++i) {
        const QByteArray code = QByteArray::number(postalCode(i));
        content += "<table:table-row>" + text(surname(i)) + text(QStringLiteral("Иван")) + text(street(i)) +
                   text(QStringLiteral("г. Харьков")) +
                   "<table:table-cell table:style-name=\"ce1\" office:value-type=\"float\" office:value=\"" + code +
                   "\"><text:p>" + code.rightJustified(5, '0') + "</text:p></table:table-cell></table:table-row>";
    }
    content += "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
               "table:number-columns-repeated=\"1024\"/></table:table-row></table:table><table:table "
               "table:name=\"Прочее\"><table:table-row>" +
               text(QStringLiteral("другое")) +
               "</table:table-row></table:table></office:spreadsheet></office:body></office:document-content>";
    writeZip(path,
             {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
              {"META-INF/manifest.xml", "<?xml version=\"1.0\"?><manifest:manifest "
                                        "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\"/>"},
              {"content.xml", content}});
}

// The window's part, in this process: the file read into the line-order dialog and made records.
int openInWindow(const QString &file)
{
    QTemporaryDir work;
    Program program(work.path(), QString(), std::make_unique<RecordingMessages>(),
                    std::make_unique<RecordingPrinting>(), std::make_unique<RecordingDesktop>());
    AppContext &ctx = program.ctx();
    ctx.workDir.writeBytes(QStringLiteral("ShowFile"), QByteArray(1, '\1'));
    GroupMailingWindow window(ctx, nullptr, nullptr, nullptr);
    window.showFor(GroupMailingWindow::Origin::ExtrasMenu);
    QMetaObject::invokeMethod(window.findChild<QWidget *>(QStringLiteral("otherSourceButton")), "click");
    QElapsedTimer phase;
    phase.start();
    window.openTableFile(file, 0);
    const qint64 readMs = phase.restart();
    LineOrderDialog *dialog = window.lineOrderDialog();
    if (!dialog || !dialog->titleRowBox()->isChecked() || dialog->rows().size() != Rows + 1)
        return 2;
    for (const auto &[field, column] :
         {std::pair{FieldSurname, 0}, {FieldName, 1}, {FieldStreet, 2}, {FieldTown, 3}, {FieldZipCode, 4}}) {
        dialog->columnList()->setCurrentRow(column);
        dialog->assignSelectedColumn(field);
    }
    dialog->createRecords();
    // The two halves, for a look by hand: the file read, and the records made by OK.
    std::fprintf(stderr, "read %lld ms, records %lld ms\n", readMs, phase.elapsed());
    const QStringList &list = ctx.state.mailingList();
    const auto record = ctx.state.mailing().lookupRecord(QStringLiteral("Фамилия 0"));
    return list.size() == Rows && record && record->constLast() == QLatin1String("01001") ? 0 : 3;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--window") == 0) {
        QApplication app(argc, argv);
        return openInWindow(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0) {
        // The two workbooks, for a look at them or a run by hand.
        const QDir out(QString::fromLocal8Bit(argv[2]));
        writeXlsx(out.filePath(QStringLiteral("addresses.xlsx")));
        writeOds(out.filePath(QStringLiteral("addresses.ods")));
        return 0;
    }
    QTemporaryDir work;
    const QDir dir(work.path());
    const QString data = qEnvironmentVariable("VELTORA_DATA");
    for (const QString &name : QDir(data).entryList(QDir::Files))
        QFile::copy(QDir(data).filePath(name), dir.filePath(name));
    const QString xlsx = dir.filePath(QStringLiteral("addresses.xlsx")),
                  ods = dir.filePath(QStringLiteral("addresses.ods"));
    writeXlsx(xlsx);
    writeOds(ods);
    const QString batch = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/veltora-batch"));
    bool ok = true;
    for (const QString &file : {xlsx, ods}) {
        const QString kind = QFileInfo(file).suffix();
        bench::ProcessRun window{1e300, 0, 0}, printer{1e300, 0, 0};
        for (int i = 0; i < 3; ++i) {
            const bench::ProcessRun w =
                bench::runProcess(QCoreApplication::applicationFilePath(), {QStringLiteral("--window"), file});
            window = w.ms < window.ms ? w : window;
            const bench::ProcessRun b = bench::runProcess(
                batch, {QStringLiteral("--workdir"), work.path(), QStringLiteral("--table"), file,
                        QStringLiteral("--columns"), QStringLiteral("0,1,-,2,3,-,-,-,4"), QStringLiteral("--select"),
                        QStringLiteral("1"), QStringLiteral("-o"), dir.filePath(QStringLiteral("one.pdf"))});
            printer = b.ms < printer.ms ? b : printer;
        }
        const QString what = QStringLiteral(" of 100,000 rows, 2 sheets (.%1)").arg(kind);
        ok &= bench::report(QStringLiteral("window: workbook") + what + QStringLiteral(" to records"),
                            QStringLiteral("< 2000 ms"), window.ms, 2000, QStringLiteral("ms"));
        bench::report(QStringLiteral("window: its processor time (.%1)").arg(kind), QStringLiteral("-"), window.cpuMs,
                      1e300, QStringLiteral("ms"));
        ok &= bench::report(QStringLiteral("window: its peak memory (.%1)").arg(kind), QStringLiteral("< 200 MB"),
                            window.peakMb, 200, QStringLiteral("MB"));
        ok &= bench::report(QStringLiteral("veltora-batch: workbook") + what + QStringLiteral(", 1 printed"),
                            QStringLiteral("< 2000 ms"), printer.ms, 2000, QStringLiteral("ms"));
        bench::report(QStringLiteral("veltora-batch: its processor time (.%1)").arg(kind), QStringLiteral("-"),
                      printer.cpuMs, 1e300, QStringLiteral("ms"));
        ok &= bench::report(QStringLiteral("veltora-batch: its peak memory (.%1)").arg(kind),
                            QStringLiteral("< 200 MB"), printer.peakMb, 200, QStringLiteral("MB"));
    }
    return ok ? 0 : 1;
}
