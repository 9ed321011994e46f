// The PDF that a job writes, read back with independent readers (poppler, qpdf, mupdf, and the
// OpenType sanitizer browsers run on web fonts): every word where the layout put it and as wide as
// the layout made it (kerning included), the text searchable, every font embedded (TrueType and
// CFF, subset, whole, or rebuilt from its outlines when it cannot be subset), a font that may not
// be embedded drawn as outlines, thousands of pages, and a device that fails reported as a failure.

#include "platform/PdfCanvas.h"
#include "platform/PdfDocument.h"
#include "platform/PdfJob.h"
#include "support/PrivateCups.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

constexpr double PointsPerUnit = 72.0 / (PrintScale * 25.4);

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// How wide a line of text is as the layout makes it, in points: from the first glyph's origin to
// where the last one leaves the pen.
double laidOutWidth(const QString &face, int size, bool bold, bool italic, const QString &text)
{
    MeasuringDevice device(PdfResolution);
    TextShaper shaper;
    shaper.reset(&device, PdfResolution);
    shaper.setFont(face, size, bold, italic);
    const TextShaper::Run run = shaper.shape(text).front();
    const QList<QPointF> advances = run.font.advancesForGlyphIndexes(QList<quint32>{run.glyphs.constLast()});
    return (run.positions.constLast().x() + advances.front().x() - run.positions.front().x()) * PointsPerUnit;
}

struct Line
{
    QString face;
    int size;
    bool bold;
    bool italic;
    int x;
    int y;
    QString text;
};

const QList<Line> Lines = {
    {QStringLiteral("Liberation Sans"), 10, false, false, 100, 200, QStringLiteral("ООО «Велтора»")},
    {QStringLiteral("Liberation Sans"), 10, false, false, 100, 350, QStringLiteral("ул. Садовая, 1")},
    {QStringLiteral("Liberation Serif"), 14, true, true, 1500, 1200, QStringLiteral("AVATAR")},
    {QStringLiteral("Liberation Serif"), 14, true, true, 1500, 1400, QStringLiteral("Тятя Гуляйполе №7")},
    // Every printable ASCII character: glyph ids whose bytes are a parenthesis, a backslash or a
    // line end among them.
    {QStringLiteral("Liberation Sans"), 9, false, false, 100, 1700,
     QStringLiteral(
         "ASCII !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~")},
};

// A device that takes `room` bytes and then refuses.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (length > m_room)
            return -1;
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};

// A copy of Cantarell under another family name of the same length (so that no table moves) with
// OS/2 fsType `fsType`, or its OS/2 table cut short (HarfBuzz then finds the font malformed; FreeType
// reads it all the same). Installed for this process; its family name.
QString cantarellVariant(const QString &dir, const QString &family, quint16 fsType, bool cutOs2Short = false)
{
    QFile original(QStringLiteral("/usr/share/fonts/opentype/cantarell/Cantarell-Regular.otf"));
    if (!original.open(QIODevice::ReadOnly))
        return {};
    QByteArray font = original.readAll();
    const QString from = QStringLiteral("Cantarell");
    font.replace(from.toLatin1(), family.toLatin1());
    const auto utf16 = [](const QString &text) { return QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(text)); };
    font.replace(utf16(from), utf16(family));
    for (int t = 0; t < qFromBigEndian<quint16>(font.constData() + 4); ++t) {
        char *record = font.data() + 12 + t * 16;
        if (QByteArrayView(record, 4) == "OS/2" && cutOs2Short)
            qToBigEndian<quint32>(90, record + 12);
        else if (QByteArrayView(record, 4) == "OS/2")
            qToBigEndian<quint16>(fsType, font.data() + qFromBigEndian<quint32>(record + 8) + 8);
    }
    QFile copy(QDir(dir).filePath(family + QStringLiteral(".otf")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(font) != font.size())
        return {};
    copy.close();
    QFontDatabase::addApplicationFont(copy.fileName());
    return family;
}

// A page rendered in grey at 72 dots an inch.
QImage rendered(const QString &pdf)
{
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".png"));
}

} // namespace

class TestPdfDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QList<Line> &lines, int pages = 1)
    {
        const QString pdf = m_dir.filePath(name);
        PdfJob job;
        job.beginFile(pdf, envelopePageLayout(229, 162), QStringLiteral("Велтора"));
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                job.newPage();
            for (const Line &line : lines) {
                job.canvas().setFont(line.face, line.size, line.bold, line.italic);
                job.canvas().textOut(line.x, line.y, line.text);
            }
            if (pages > 1) {
                job.canvas().setFont(QStringLiteral("Liberation Sans"), 9, false, false);
                job.canvas().textOut(100, 1800, QStringLiteral("Страница%1").arg(page + 1));
            }
        }
        job.end();
        cups::pdfInfo(pdf); // qpdf --check
        return pdf;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    void wordsWhereAndAsWideAsTheLayout()
    {
        const QString pdf = write(QStringLiteral("words.pdf"), Lines);
        const QString info = cups::pdfInfo(pdf);
        QVERIFY2(info.contains(QStringLiteral("Pages:           1")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Title:           Велтора")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Page size:       649.134 x 459.213 pts")), qPrintable(info));

        const QList<cups::Word> words = cups::pdfWords(pdf);
        for (const Line &line : Lines) {
            const QString first = line.text.section(QLatin1Char(' '), 0, 0);
            const auto word =
                std::find_if(words.cbegin(), words.cend(), [&](const cups::Word &w) { return w.text == first; });
            QVERIFY2(word != words.cend(), qPrintable(first));
            QVERIFY2(qAbs(word->xMin - line.x * PointsPerUnit) < 0.02, qPrintable(QString::number(word->xMin)));
        }
        // A kerned word keeps the layout's width: the corrections to the glyphs' places are there
        // and go the right way.
        const auto avatar = cups::findWord(pdf, QStringLiteral("AVATAR"));
        QVERIFY(avatar);
        const double width = laidOutWidth(QStringLiteral("Liberation Serif"), 14, true, true, QStringLiteral("AVATAR"));
        QVERIFY2(qAbs(avatar->xMax - avatar->xMin - width) < 0.05,
                 qPrintable(QStringLiteral("%1 against %2").arg(avatar->xMax - avatar->xMin).arg(width)));

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const Line &line : Lines)
            QVERIFY2(text.contains(line.text), qPrintable(text));
        // Ghostscript reads strings as strictly as printers do (a bare line end in one is a newline).
        if (!QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty()) {
            const QString read =
                run(QStringLiteral("gs"), {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                                           QStringLiteral("-sDEVICE=txtwrite"), QStringLiteral("-sOutputFile=-"), pdf});
            QVERIFY2(read.contains(Lines.constLast().text), qPrintable(read));
        }
    }

    // Thirty envelopes in one font each: every font embedded with its text, a subset unless its
    // licence forbids one, the PDF small, the widths of a run of consecutive glyph ids each the
    // glyph's own, every font program clean for the OpenType sanitizer.
    void fontsEmbeddedWithTheirText_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("subset");
        QTest::addColumn<int>("maxBytes");
        const QString dir = m_dir.path();
        QTest::newRow("TrueType") << QStringLiteral("DejaVu Sans") << false << false << QStringLiteral("CID TrueType")
                                  << true << 40000;
        QTest::newRow("TrueType bold italic")
            << QStringLiteral("Liberation Serif") << true << true << QStringLiteral("CID TrueType") << true << 40000;
        // Qt takes Nimbus Roman from its Type 1 file, C059 from its OpenType file.
        QTest::newRow("Type 1") << QStringLiteral("Nimbus Roman") << false << false << QStringLiteral("CID Type 0C")
                                << true << 60000;
        QTest::newRow("CFF serif") << QStringLiteral("C059") << false << false << QStringLiteral("CID Type 0C (OT)")
                                   << true << 60000;
        QTest::newRow("no subsetting: whole") << cantarellVariant(dir, QStringLiteral("Wholefont"), 0x0100) << false
                                              << false << QStringLiteral("CID Type 0C (OT)") << false << 200000;
        QTest::newRow("no subset made: rebuilt from outlines")
            << cantarellVariant(dir, QStringLiteral("Brokenell"), 0, true) << false << false
            << QStringLiteral("CID Type 0C ") << true << 60000;
    }

    void fontsEmbeddedWithTheirText()
    {
        QFETCH(QString, face);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QString, type);
        QFETCH(bool, subset);
        QFETCH(int, maxBytes);
        if (!QFontInfo(QFont(face)).family().startsWith(face))
            QSKIP("the font is not installed (scripts/install-deps)");
        QList<Line> lines;
        const QStringList texts{QStringLiteral("ООО «Велтора», ул. Садовая, 1"), QStringLiteral("абвгде 01001 Київ"),
                                QStringLiteral("Mr John Smith, 10 Downing Street"), QStringLiteral("London SW1A 2AA")};
        for (int i = 0; i < texts.size(); ++i)
            lines.append({face, 12, bold, italic, 300, 300 + 200 * i, texts.at(i)});
        const QString pdf = write(QString::fromUtf8(QTest::currentDataTag()) + QStringLiteral(".pdf"), lines, 30);
        QVERIFY2(QFileInfo(pdf).size() < maxBytes, qPrintable(QString::number(QFileInfo(pdf).size())));

        const QStringList fonts =
            run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        for (const QString &font : fonts) // embedded, subset when its name says so, with a map to the text
            QVERIFY2(font.contains(QRegularExpression(QStringLiteral("Identity-H +yes (yes|no ) yes"))),
                     qPrintable(font));
        const QString own =
            fonts.filter(QRegularExpression(QStringLiteral("^\\S*") + face.section(u' ', 0, 0))).value(0);
        QVERIFY2(own.contains(type) && own.contains(QLatin1Char('+')) == subset, qPrintable(fonts.join(u'\n')));

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        for (const QString &line : texts)
            QVERIFY2(text.count(line) == 30, qPrintable(line));
        const auto run = cups::findWord(pdf, QStringLiteral("абвгде"));
        QVERIFY(run);
        const double width = laidOutWidth(face, 12, bold, italic, QStringLiteral("абвгде"));
        QVERIFY2(qAbs(run->xMax - run->xMin - width) < 0.05,
                 qPrintable(QStringLiteral("%1 against %2").arg(run->xMax - run->xMin).arg(width)));

        // The font programs as mupdf extracts them: an OpenType or TrueType program passes the
        // sanitizer; a bare CFF one (rebuilt from outlines) is drawn as the original draws, below.
        if (QStandardPaths::findExecutable(QStringLiteral("mutool")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("ots-sanitize")).isEmpty())
            QSKIP("mupdf-tools or opentype-sanitizer are not installed");
        const QDir programs(m_dir.filePath(QString::fromUtf8(QTest::currentDataTag())));
        QVERIFY(programs.mkpath(QStringLiteral(".")) && QDir::setCurrent(programs.path()));
        QCOMPARE(QProcess::execute(QStringLiteral("mutool"), {QStringLiteral("extract"), pdf}), 0);
        const QStringList files = programs.entryList({QStringLiteral("font-*")});
        QCOMPARE(files.size(), fonts.size());
        for (const QString &file : files.filter(QRegularExpression(QStringLiteral("\\.(ttf|otf)$"))))
            QVERIFY2(QProcess::execute(QStringLiteral("ots-sanitize"), {programs.filePath(file)}) == 0,
                     qPrintable(file));
    }

    void fontsEmbeddedAsSubsets()
    {
        const QString pdf = write(QStringLiteral("fonts.pdf"), Lines);
        const QStringList fonts =
            run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QCOMPARE(fonts.size(), 2);
        QVERIFY2(fonts.at(0).contains(QLatin1String("+LiberationSans ")), qPrintable(fonts.at(0)));
        QVERIFY2(fonts.at(1).contains(QLatin1String("+LiberationSerif-BoldItalic")), qPrintable(fonts.at(1)));
        for (const QString &font : fonts) {
            QVERIFY2(font.contains(QLatin1String("CID TrueType")), qPrintable(font));
            QVERIFY2(font.contains(QRegularExpression(QStringLiteral("Identity-H +yes yes yes"))), qPrintable(font));
        }
        // Only the glyphs used: the two fonts are over 300 KB each.
        QVERIFY2(QFileInfo(pdf).size() < 60000, qPrintable(QString::number(QFileInfo(pdf).size())));
    }

    // A line in a copy of Cantarell whose licence forbids embedding is drawn as outlines, filled
    // nonzero as fonts fill their glyphs (contours that overlap leave no hole), with its text
    // written invisibly over them; in a copy HarfBuzz cannot subset, with a font rebuilt of its
    // outlines. Both read back as text and draw what Cantarell itself draws.
    void fontsNotSubsetDrawnAsTheOriginal()
    {
        const QString face = cantarellVariant(m_dir.path(), QStringLiteral("Lockedfnt"), 0x0002);
        const QString rebuilt = cantarellVariant(m_dir.path(), QStringLiteral("Brokenelx"), 0, true);
        if (!QFontInfo(QFont(face)).family().startsWith(face))
            QSKIP("Cantarell (fonts-cantarell) is not installed");
        QList<QImage> images;
        for (const QString &font : {QStringLiteral("Cantarell"), rebuilt, face}) {
            const QString pdf =
                write(font + QStringLiteral(".pdf"), {{font, 24, false, false, 400, 400, QStringLiteral("Шрифт")}});
            QVERIFY(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("Шрифт")));
            images.append(rendered(pdf));
        }
        const QString pdf = m_dir.filePath(face + QStringLiteral(".pdf"));
        QVERIFY(!run(QStringLiteral("pdffonts"), {pdf}).contains(face));
        const QString content = m_dir.filePath(QStringLiteral("outlines-content.pdf"));
        QCOMPARE(QProcess::execute(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), pdf, content}), 0);
        QFile contentFile(content);
        QVERIFY(contentFile.open(QIODevice::ReadOnly));
        const QByteArray operators = contentFile.readAll();
        QVERIFY(operators.contains(" c\nf\n") && !operators.contains("f*"));
        const QImage image = images.constLast();
        QVERIFY(!image.isNull());
        // Ink where the line stands (a 24 pt line with its descenders, about 80 pt long), none elsewhere.
        const QRect line(int(400 * PointsPerUnit), int(400 * PointsPerUnit), 82, 34);
        int inside = 0, differing = 0;
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    ink |= QRect(x, y, 1, 1);
                    inside += line.contains(x, y) ? 1 : 0;
                }
                // Ink in one drawing and paper in another (edges are smoothed differently for a
                // font's glyphs and for a path).
                for (const QImage &other : images.mid(0, 2))
                    differing += qAbs(qGray(other.pixel(x, y)) - qGray(image.pixel(x, y))) > 160 ? 1 : 0;
            }
        QVERIFY2(inside > 200 && differing < inside / 25,
                 qPrintable(QStringLiteral("%1 %2").arg(inside).arg(differing)));
        QVERIFY2(
            line.contains(ink) && ink.width() > 60 && ink.x() - line.x() < 4,
            qPrintable(
                QStringLiteral("ink at %1 %2 %3 %4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    }

    void thousandsOfPages()
    {
        const QString pdf = write(QStringLiteral("pages.pdf"), Lines.mid(0, 1), 3000);
        QVERIFY(cups::pdfInfo(pdf).contains(QStringLiteral("Pages:           3000")));
        const QString page =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2999"), QStringLiteral("-l"),
                                              QStringLiteral("2999"), pdf, QStringLiteral("-")});
        QVERIFY2(page.contains(QStringLiteral("Страница2999")) && page.contains(QStringLiteral("ООО «Велтора»")),
                 qPrintable(page));
    }

    // A line drawn at the same place on pages in a row is written once and shown by every page; a
    // job keeps a bounded number of such lines, and the rest are drawn where they stand.
    void recurringLinesWrittenOnce()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("recurring.pdf"));
        PdfJob job;
        job.beginFile(pdf, envelopePageLayout(220, 110), QStringLiteral("Велтора"));
        PdfCanvas &canvas = job.canvas();
        canvas.setFont(QStringLiteral("Liberation Sans"), 10, false, false);
        constexpr int Pages = 2 * PdfCanvas::MaxRecurringLines + 20;
        for (int page = 0; page < Pages; ++page) {
            if (page > 0)
                job.newPage();
            canvas.textOut(100, 200, QStringLiteral("Отправитель"));
            canvas.textOut(100, 300, QStringLiteral("Пара%1").arg(page / 2)); // on two pages in a row
            canvas.textOut(100, 400, QStringLiteral("Страница%1").arg(page));
            if (page == 2)
                QCOMPARE(canvas.recurringLines(), 2); // the sender's line and the first pair
        }
        QCOMPARE(canvas.recurringLines(), PdfCanvas::MaxRecurringLines);
        job.end();
        cups::pdfInfo(pdf); // qpdf --check

        const QList<cups::Word> words = cups::pdfWords(pdf);
        QList<QStringList> pages(Pages);
        QPointF senderAt;
        for (const cups::Word &w : words) {
            pages[w.page - 1].append(w.text);
            if (w.text == QStringLiteral("Отправитель")) {
                if (w.page == 1)
                    senderAt = QPointF(w.xMin, w.yMin);
                QCOMPARE(QPointF(w.xMin, w.yMin), senderAt);
            }
        }
        for (int page = 0; page < Pages; ++page)
            QCOMPARE(pages.at(page), (QStringList{QStringLiteral("Отправитель"), QStringLiteral("Пара%1").arg(page / 2),
                                                  QStringLiteral("Страница%1").arg(page)}));
    }

    void deviceThatFailsIsAFailure()
    {
        for (const qint64 room : {qint64(0), qint64(100), qint64(300 * 1024)}) {
            FullDevice device(room);
            PdfDocument document;
            const bool begun = document.begin(&device, QSizeF(595, 842), QStringLiteral("t"), QStringLiteral("t"));
            for (int i = 0; i < 2000; ++i)
                document.addPage(QByteArray(200, ' '));
            QVERIFY(!document.end());
            QVERIFY(document.failed());
            (void)begun;
        }
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        PdfDocument document;
        QVERIFY(document.begin(&whole, QSizeF(595, 842), QStringLiteral("t"), QStringLiteral("t")));
        document.addPage(QByteArray());
        QVERIFY(document.end());
        QVERIFY(whole.data().startsWith("%PDF-1.6") && whole.data().endsWith("%%EOF\n"));
    }

    void numbers()
    {
        const QList<std::tuple<double, int, QByteArray>> cases = {
            {0, 3, "0"},          {-0.0004, 3, "0"},      {1.5, 3, "1.5"},         {-1.5, 3, "-1.5"},
            {0.001, 3, "0.001"},  {12.3456, 3, "12.346"}, {649.1338, 2, "649.13"}, {1e7, 3, "10000000"},
            {-2.999999, 3, "-3"}, {0.1, 0, "0"},
        };
        for (const auto &[value, decimals, expected] : cases) {
            QByteArray out;
            appendPdfNumber(out, value, decimals);
            QCOMPARE(out, expected);
        }
    }
};

QTEST_MAIN(TestPdfDocument)
#include "test_pdfdocument.moc"
