// One postal code search in the largest region file: the file read whole and scanned once, and the
// same search from the window with its results added to the results box.

#include "BenchSupport.h"

#include "logic/addresses/PostalSearch.h"
#include "logic/files/WorkDir.h"
#include "logic/print/PrintingService.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPrinting.h"
#include "ui/addresses/PostalCodeDialog.h"
#include "ui/main/Program.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    seedWorkDir(defaultDataDir(), work.path());
    const WorkDir dir(work.path());

    // The largest region file, by size.
    int largest = 0;
    qint64 largestSize = -1;
    for (int row = 0; row < postal::regionFiles().size(); ++row) {
        const qint64 size = QFileInfo(dir.path(postal::regionFiles().at(row))).size();
        if (size > largestSize) {
            largestSize = size;
            largest = row;
        }
    }
    const QString file = postal::regionFiles().at(largest);
    const int lines = int(dir.readLines(file).size());
    // A typed locality that is found a few times, and one that is found in almost every line.
    const QString few = QStringLiteral("Львів");
    const QString many = QStringLiteral("а");
    qsizetype foundFew = 0;
    qsizetype foundMany = 0;
    const double searchMs =
        bench::medianUs(201, [&] { foundFew = postal::searchRegion(dir, largest, few).size(); }) / 1000;
    const double manyMs =
        bench::medianUs(201, [&] { foundMany = postal::searchRegion(dir, largest, many).size(); }) / 1000;

    Program program(work.path(), defaultDataDir(), std::make_unique<RecordingMessages>(),
                    std::make_unique<RecordingPrinting>(), std::make_unique<RecordingDesktop>());
    PostalCodeDialog form(program.ctx(), nullptr);
    form.regionBox()->setCurrentIndex(largest);
    form.localityBox()->setText(few);
    const double windowMs = bench::medianUs(51,
                                            [&] {
                                                form.resultsBox()->clear();
                                                form.search();
                                            }) /
                            1000;
    form.localityBox()->setText(many);
    const double windowManyMs = bench::medianUs(21,
                                                [&] {
                                                    form.resultsBox()->clear();
                                                    form.search();
                                                }) /
                                1000;

    const QString where = QStringLiteral("%1, %2 lines").arg(file).arg(lines);
    bool ok = true;
    ok &= bench::report(QStringLiteral("postal search, %1 found (%2)").arg(foundFew).arg(where),
                        QStringLiteral("< 5 ms"), searchMs, 5, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal search, %1 found (%2)").arg(foundMany).arg(where),
                        QStringLiteral("< 5 ms"), manyMs, 5, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal search in the window, %1 found").arg(foundFew), QStringLiteral("< 5 ms"),
                        windowMs, 5, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal search in the window, %1 found").arg(foundMany),
                        QStringLiteral("< 5 ms"), windowManyMs, 5, QStringLiteral("ms"));
    return ok ? 0 : 1;
}
