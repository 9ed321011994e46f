// One nudge in the preview: a click on an arrow, the picture drawn anew (recipient lookup in a large
// address book, the sender file read and wrapped) and the window painted.

#include "BenchSupport.h"

#include "logic/files/WorkDir.h"
#include "logic/state/SharedState.h"
#include "support/RecordingDesktop.h"
#include "support/RecordingMessages.h"
#include "support/RecordingPrinting.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"
#include "ui/print/ArrowPairWidget.h"
#include "ui/print/PreviewWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    Program program(work.path(), QString(), std::make_unique<RecordingMessages>(),
                    std::make_unique<RecordingPrinting>(), std::make_unique<RecordingDesktop>());
    program.start();
    AppContext &ctx = program.ctx();
    SharedState &s = ctx.state;

    ctx.workDir.writeLines(QStringLiteral("user.txt"),
                           {QStringLiteral("Общество с ограниченной ответственностью \"Велтора-Сервис\""),
                            QStringLiteral("ул. Крещатик, 22, оф. 301"), QStringLiteral("г. Киев"),
                            QStringLiteral("01001")});
    QStringList book;
    const int records = 14000; // 98,000 lines: the book line array nearly full
    for (int i = 0; i < records; ++i) {
        const QString name = QStringLiteral("Адресат %1").arg(i);
        book << QLatin1Char('%') + name << QStringLiteral("#ул. Садовая, %1").arg(i) << QStringLiteral("#кв. 5")
             << QStringLiteral("#г. Львов") << QStringLiteral("#Львовская обл.") << QStringLiteral("#79000")
             << QStringLiteral("#Украина");
        s.appendToMailingList(name);
    }
    s.mailing().source = SourceMode::AddressBook;
    s.mailing().setBookLines(book);
    s.setEnvelope(EnvelopeShape::Standard, s.envelopeWidth(), s.envelopeHeight());
    s.setPreviewIndex(records - 1);

    PreviewWindow *window = PreviewWindow::open(ctx, program.mainWindow());
    QApplication::processEvents();
    auto *arrows = window->findChild<ArrowPairWidget *>(QStringLiteral("recipientUpDown"));
    bool up = true;
    const double ms = bench::medianUs(200,
                                      [&] {
                                          (up ? arrows->raiseButton() : arrows->lowerButton())->click();
                                          up = !up;
                                          window->repaint();
                                      }) /
                      1000.0;
    return bench::report(QStringLiteral("preview: one nudge's redraw (median)"), QStringLiteral("< 16 ms"), ms, 16,
                         QStringLiteral("ms"))
               ? 0
               : 1;
}
