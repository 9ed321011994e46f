// A batch of 10,000 envelopes from an address book of 100,000 lines, printed into a PDF file through
// the system printing service's "PDF file" printer. Also measured alone: the batch loop on a canvas
// that draws nothing (lookup, wrapping, placement), so that the cost of the loop and the cost of the
// PDF device can be told apart.

#include "BenchSupport.h"

#include "logic/files/SettingsFiles.h"
#include "logic/files/WorkDir.h"
#include "logic/print/BatchPrint.h"
#include "logic/state/SharedState.h"
#include "platform/QtPrintingService.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int BookLines = 100000;
constexpr int Envelopes = 10000;

class NullPrinting : public PrintingService, public PrintCanvas
{
public:
    QStringList printers() const override { return {QStringLiteral("null")}; }
    QString currentPrinter() const override { return QStringLiteral("null"); }
    void setCurrentPrinter(const QString &) override {}
    void setOutputFileName(const QString &) override {}
    bool printing() const override { return false; }
    int pageWidth() override { return 2814; }
    void setPortrait() override {}
    void setCopies(int) override {}
    void setTitle(const QString &) override {}
    void beginDoc() override {}
    void newPage() override { ++pages; }
    void endDoc() override {}
    void abort() override {}
    PrintCanvas &canvas() override { return *this; }
    QStringList fontNames() override { return {}; }
    void setFont(const QString &, int, bool, bool) override {}
    int textHeight(const QString &) override { return 60; }
    void textOut(int, int, const QString &text) override { chars += text.size(); }

    int pages = 0;
    qint64 chars = 0;
};

// An address book of seven-line records, as the address book window writes them.
QStringList makeBook(QStringList *names)
{
    QStringList lines;
    lines.reserve(BookLines);
    for (int i = 0; lines.size() + 7 <= BookLines; ++i) {
        const QString name = QStringLiteral("Адресатов Адресат Адресатович %1").arg(i);
        names->append(name);
        lines << QStringLiteral("%") + name
              << QStringLiteral("#ул. Академика Глушкова, %1, кв. %2").arg(i % 200).arg(i % 97)
              << QStringLiteral("#г. Киев") << QStringLiteral("#Киево-Святошинский район")
              << QStringLiteral("#Киевская область") << QStringLiteral("#Украина")
              << QStringLiteral("#0%1").arg(1000 + i % 9000);
    }
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();

    QTemporaryDir work;
    const WorkDir dir(work.path());
    settings::writeFeedMethod(dir, FeedMethod::Centre);
    dir.writeLines(QStringLiteral("User.txt"),
                   {QStringLiteral("Петренко Ольга Петровна"), QStringLiteral("пр. Науки, 45, кв. 17"),
                    QStringLiteral("г. Харьков"), QStringLiteral("61000")});

    SharedState state;
    state.setEnvelopeSize(220, state.envelopeHeight());
    state.setEnvelopeSize(state.envelopeWidth(), 110);
    state.setSenderFont(FontSetting{QStringLiteral("Times New Roman"), 10, false, false});
    state.setRecipientFont(FontSetting{QStringLiteral("Arial"), 12, true, false});
    QFont mainFont(QStringLiteral("MS Sans Serif"));
    mainFont.setPointSize(8);
    state.setMainFont(mainFont);
    QStringList names;
    state.mailing().source = SourceMode::AddressBook;
    state.mailing().setBookLines(makeBook(&names));
    state.setMailingList(names.mid(0, Envelopes));
    QList<int> selection;
    for (int i = 0; i < Envelopes; ++i)
        selection.append(i);

    bool ok = true;
    NullPrinting null;
    const double loopMs = bench::bestMs(3, [&] { printBatch(null, state, dir, selection, 1); });
    ok &= bench::report(QStringLiteral("batch loop, 10,000 envelopes, no device"), QStringLiteral("< 500 ms"), loopMs,
                        500, QStringLiteral("ms"));

    std::unique_ptr<PrintingService> printing = createSystemPrintingService();
    const QString pdfPrinter = QStringLiteral("PDF file");
    if (!printing->printers().contains(pdfPrinter)) {
        std::fprintf(stderr, "no \"PDF file\" printer in the printing service\n");
        bench::report(QStringLiteral("batch of 10,000 envelopes into PDF"), QStringLiteral("< 1500 ms"), 1e9, 1500,
                      QStringLiteral("ms"));
        return 1;
    }
    printing->setCurrentPrinter(pdfPrinter);
    const QString pdf = QDir(work.path()).filePath(QStringLiteral("batch.pdf"));
    PrintOutcome outcome;
    double cpuMs = 1e300;
    const double pdfMs = bench::bestMs(3, [&] {
        printing->setOutputFileName(pdf); // the file name serves one job
        const std::clock_t cpu0 = std::clock();
        outcome = printBatch(*printing, state, dir, selection, 1);
        cpuMs = std::min(cpuMs, 1000.0 * double(std::clock() - cpu0) / CLOCKS_PER_SEC);
    });
    std::fprintf(stderr, "%d envelopes, PDF of %lld bytes\n", outcome.envelopes, QFileInfo(pdf).size());
    ok &= outcome.envelopes == Envelopes;
    ok &= bench::report(QStringLiteral("batch of 10,000 envelopes into PDF"), QStringLiteral("< 1500 ms"), pdfMs, 1500,
                        QStringLiteral("ms"));
    // The processor time of the same job: its wall time on a machine with nothing else to do.
    ok &= bench::report(QStringLiteral("batch of 10,000 envelopes into PDF, processor time"),
                        QStringLiteral("< 1500 ms"), cpuMs, 1500, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("batch of 10,000 envelopes into PDF, peak memory"), QStringLiteral("< 150 MB"),
                        bench::peakRssMb(), 150, QStringLiteral("MB"));
    return ok ? 0 : 1;
}
