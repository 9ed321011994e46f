// One postal code search in the largest region file: the file read whole and scanned once, and the
// same search from the window with its results listed; the search in every region; the postal
// directory read whole, and the check of a mailing of 100,000 entries against it.

#include "BenchSupport.h"

#include "logic/addresses/PostalCheck.h"
#include "logic/addresses/PostalSearch.h"
#include "logic/files/WorkDir.h"
#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/MailingRecordFile.h"
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
#include <QListWidget>
#include <QRandomGenerator>
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
                                                form.resultsList()->clear();
                                                form.search();
                                            }) /
                            1000;
    form.localityBox()->setText(many);
    const double windowManyMs = bench::medianUs(21,
                                                [&] {
                                                    form.resultsList()->clear();
                                                    form.search();
                                                }) /
                                1000;

    // Every region, from the function and from the window.
    const QString town = QStringLiteral("Трускавець");
    qsizetype foundAll = 0;
    const double allMs = bench::medianUs(101, [&] { foundAll = postal::searchAllRegions(dir, town).size(); }) / 1000;
    qsizetype foundVillage = 0;
    const double allVillageMs =
        bench::medianUs(101, [&] { foundVillage = postal::searchAllRegions(dir, QStringLiteral("Іванівка")).size(); }) /
        1000;
    form.regionBox()->setEditText(QStringLiteral("Выберите область"));
    form.localityBox()->setText(town);
    const double windowAllMs = bench::medianUs(51, [&] { form.search(); }) / 1000;

    // The directory read whole, then a mailing of 100,000 entries, localities of the directory
    // taken at random, one in ten with the code of another.
    const double loadMs = bench::medianUs(21, [&] { postal::PostalDirectory::load(dir); }) / 1000;
    const postal::PostalDirectory directory = postal::PostalDirectory::load(dir);
    constexpr int Entries = 100000;
    QRandomGenerator random(16);
    QStringList rows;
    rows.reserve(Entries);
    for (int i = 0; i < Entries; ++i) {
        const postal::Locality &l = directory.at(random.bounded(int(directory.size())));
        const int code = i % 10 == 0 ? directory.at(random.bounded(int(directory.size()))).code : l.code;
        rows.append(QStringLiteral("Адресат %1\tвул. Садова, %2\t%3\t%4\t%5")
                        .arg(i)
                        .arg(i % 100)
                        .arg(l.typed, postal::regionTitle(l.region))
                        .arg(code, 5, 10, QLatin1Char('0')));
    }
    ColumnMap columns = emptyColumnMap();
    columns[FieldSurname] = 0;
    columns[FieldStreet] = 1;
    columns[FieldTown] = 2;
    columns[FieldRegion] = 3;
    columns[FieldZipCode] = 4;
    MailingData mailing;
    mailing.setMailingRecords(buildMailingRecords(rows, columns));
    mailing.source = SourceMode::OtherSource;
    qsizetype problems = 0;
    // Each time on a directory just read: what is made on first use is part of the time.
    double checkMs = 0;
    for (int run = 0; run < 5; ++run) {
        const postal::PostalDirectory fresh = postal::PostalDirectory::load(dir);
        const double ms =
            bench::bestMs(1, [&] { problems = checkMailing(fresh, mailing, mailing.recordKeys()).problems.size(); });
        checkMs = run == 0 ? ms : std::min(checkMs, ms);
    }

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
    ok &= bench::report(QStringLiteral("postal search in every region, %1 found").arg(foundAll),
                        QStringLiteral("< 10 ms"), allMs, 10, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal search in every region, %1 found").arg(foundVillage),
                        QStringLiteral("< 10 ms"), allVillageMs, 10, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal search in every region in the window"), QStringLiteral("< 10 ms"),
                        windowAllMs, 10, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal directory read, %1 localities").arg(directory.size()),
                        QStringLiteral("< 50 ms"), loadMs, 50, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("postal check of %1 entries, %2 marked").arg(Entries).arg(problems),
                        QStringLiteral("< 300 ms"), checkMs, 300, QStringLiteral("ms"));
    return ok ? 0 : 1;
}
