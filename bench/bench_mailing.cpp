// Group mailing: 11,111 pasted rows of 8 columns through OK of the line-order dialog into the
// mailing list, a "book.txt" of 100,001 lines loaded by the group mailing window, and a recipient
// lookup in each (compared with a lookup in small arrays, to show it does not grow with the size).

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
#include <QListWidget>
#include <QTemporaryDir>

namespace {

QStringList bookLines(int records)
{
    QStringList lines;
    for (int i = 0; i < records; ++i) {
        lines << QStringLiteral("%Адресат %1").arg(i) << QStringLiteral("#ул. Шевченко, %1, кв. 5").arg(i)
              << QStringLiteral("#г. Киев") << QStringLiteral("#Киево-Святошинский район")
              << QStringLiteral("#Киевская область") << QStringLiteral("#Украина") << QStringLiteral("#01001");
    }
    return lines;
}

QString pastedTable(int rows)
{
    QString text;
    for (int i = 0; i < rows; ++i) {
        text +=
            QStringLiteral("Фамилия %1\tИмя\tОтчество\tул. Садовая, %1\tг. Харьков\tрайон\tобласть\t61000\r\n").arg(i);
    }
    return text;
}

// Median time of one lookup, in microseconds, over a spread of keys.
double lookupUs(const MailingData &data, const QStringList &keys)
{
    constexpr int Batch = 1000;
    volatile qsizetype sink = 0;
    const double us = bench::medianUs(21, [&] {
        for (int i = 0; i < Batch; ++i)
            sink = sink + data.lookupEntry(keys.at((i * 7919) % keys.size()), true)->size();
    });
    return us / Batch;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    Program program(work.path(), QString(), std::make_unique<RecordingMessages>(),
                    std::make_unique<RecordingPrinting>(), std::make_unique<RecordingDesktop>());
    AppContext &ctx = program.ctx();
    MailingData &mailing = ctx.state.mailing();
    bool ok = true;

    // "book.txt" of 100,001 lines: 14,285 records and one more name line with five of its fields.
    QStringList book = bookLines(14286);
    book.resize(100001);
    ctx.workDir.writeLines(QStringLiteral("Book.txt"), book);
    GroupMailingWindow groupMailing(ctx, nullptr, nullptr, nullptr);
    const double loadMs = bench::bestMs(5, [&] { groupMailing.showFor(GroupMailingWindow::Origin::ExtrasMenu); });
    if (mailing.bookLines().size() != 100001 || mailing.bookNames().size() != 14286)
        return 2;
    ok &= bench::report(QStringLiteral("group mailing: book.txt of 100,001 lines loaded"), QStringLiteral("< 200 ms"),
                        loadMs, 200, QStringLiteral("ms"));
    mailing.source = SourceMode::AddressBook;
    ok &= bench::report(QStringLiteral("group mailing: lookup in the 100,001-line book"), QStringLiteral("< 5 us"),
                        lookupUs(mailing, mailing.bookNames()), 5, QStringLiteral("us"));
    {
        MailingData small;
        small.setBookLines(bookLines(3));
        small.source = SourceMode::AddressBook;
        bench::report(QStringLiteral("group mailing: lookup in a 21-line book (reference)"), QStringLiteral("-"),
                      lookupUs(small, small.bookNames()), 1e9, QStringLiteral("us"));
    }

    // 11,111 pasted rows of 8 columns through OK into the mailing list of the window.
    GroupMailingWindow *window = &groupMailing;
    auto *otherSource = window->findChild<QWidget *>(QStringLiteral("otherSourceButton"));
    ctx.workDir.writeBytes(QStringLiteral("ShowFile"), QByteArray(1, '\1'));
    QMetaObject::invokeMethod(otherSource, "click");
    const QString table = pastedTable(11111);
    double okMs = 1e300;
    for (int run = 0; run < 5; ++run) {
        LineOrderDialog dialog(ctx, window);
        dialog.pasteText(table);
        for (int field = 0; field < 8; ++field) {
            dialog.columnList()->setCurrentRow(field);
            dialog.assignSelectedColumn(field);
        }
        okMs = std::min(okMs, bench::bestMs(1, [&] { dialog.createRecords(); }));
    }
    const auto *list = window->findChild<QListWidget *>(QStringLiteral("mailingList"));
    if (mailing.mailingRecords().size() != 99999 || list->count() != 11111)
        return 2;
    ok &= bench::report(QStringLiteral("group mailing: OK of 11,111 pasted rows x 8 columns"),
                        QStringLiteral("< 300 ms"), okMs, 300, QStringLiteral("ms"));
    ok &= bench::report(QStringLiteral("group mailing: lookup in 11,111 mailing records"), QStringLiteral("< 5 us"),
                        lookupUs(mailing, ctx.state.mailingList()), 5, QStringLiteral("us"));
    {
        MailingData small;
        small.setMailingRecords(mailing.mailingRecords().mid(0, 27));
        small.source = SourceMode::OtherSource;
        bench::report(QStringLiteral("group mailing: lookup in 3 mailing records (reference)"), QStringLiteral("-"),
                      lookupUs(small, small.recordKeys()), 1e9, QStringLiteral("us"));
    }
    return ok ? 0 : 1;
}
