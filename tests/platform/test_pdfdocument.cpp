// The PDF that a job writes, read back with poppler's tools: every word where the layout put it and
// as wide as the layout made it (kerning included), the text searchable, the fonts embedded as
// subsets, a font that cannot be embedded drawn as outlines, thousands of pages, and a device that
// fails reported as a failure.

#include "platform/PdfCanvas.h"
#include "platform/PdfDocument.h"
#include "platform/PdfJob.h"
#include "support/PrivateCups.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

    void fontWithoutTrueTypeOutlinesDrawnAsOutlines()
    {
        const QString face = QStringLiteral("Nimbus Sans");
        if (!QFontInfo(QFont(face)).family().startsWith(face))
            QSKIP("Nimbus Sans (fonts-urw-base35) is not installed");
        const QString pdf =
            write(QStringLiteral("outlines.pdf"), {{face, 24, false, false, 400, 400, QStringLiteral("Шрифт")}});
        QVERIFY(!run(QStringLiteral("pdffonts"), {pdf}).contains(QLatin1String("Nimbus")));
        const QString png = m_dir.filePath(QStringLiteral("outlines"));
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
        const QImage image(png + QStringLiteral(".png"));
        QVERIFY(!image.isNull());
        // Ink where the line stands (a 24 pt line with its descenders, about 80 pt long), none elsewhere.
        const QRect line(int(400 * PointsPerUnit), int(400 * PointsPerUnit), 82, 34);
        int inside = 0;
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    ink |= QRect(x, y, 1, 1);
                    inside += line.contains(x, y) ? 1 : 0;
                }
        QVERIFY2(inside > 200, qPrintable(QString::number(inside)));
        QVERIFY2(
            line.contains(ink) && ink.width() > 70 && ink.x() - line.x() < 4,
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
        QVERIFY(whole.data().startsWith("%PDF-1.4") && whole.data().endsWith("%%EOF\n"));
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
