#include "Shots.h"

#include "logic/files/WorkDir.h"
#include "logic/state/SharedState.h"
#include "support/RecordingMessages.h"
#include "ui/common/AppContext.h"
#include "ui/mailing/DocumentBrowser.h"
#include "ui/mailing/GroupMailingWindow.h"
#include "ui/mailing/LineOrderDialog.h"
#include "ui/mailing/RowLimitWarning.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QListWidget>
#include <QRadioButton>

static void shotsMailing(ShotEnv &env)
{
    AppContext &ctx = env.ctx;
    const QStringList book{
        QStringLiteral("%Иванов Иван Иванович"),
        QStringLiteral("#ул. Шевченко, 12, кв. 5"),
        QStringLiteral("#г. Киев"),
        QStringLiteral("#"),
        QStringLiteral("#"),
        QStringLiteral("#Украина"),
        QStringLiteral("#01001"),
        QStringLiteral("%Петренко Ольга"),
        QStringLiteral("#пр. Науки, 45, кв. 17"),
        QStringLiteral("#г. Харьков"),
        QStringLiteral("#"),
        QStringLiteral("#Харьковская область"),
        QStringLiteral("#"),
        QStringLiteral("#61000"),
        QStringLiteral("%ООО \"Сфера\""),
        QStringLiteral("#ул. Садовая, 3"),
        QStringLiteral("#г. Одесса"),
        QStringLiteral("#"),
        QStringLiteral("#"),
        QStringLiteral("#"),
        QStringLiteral("#65000"),
    };
    ctx.workDir.writeLines(QStringLiteral("Book.txt"), book);

    MainWindow *main = env.program.mainWindow();
    main->openGroupMailing();
    GroupMailingWindow *window = main->groupMailingWindow();
    auto *names = window->findChild<QListWidget *>(QStringLiteral("namesList"));
    names->setCurrentRow(1);
    window->addAllNames();
    grab(window, env, QStringLiteral("group-mailing-addressbook"));

    // The warning as the first switch to another source shows it.
    RowLimitWarning warning(ctx, window);
    grab(&warning, env, QStringLiteral("line-limit-warning"));
    warning.close();

    ctx.workDir.writeBytes(QStringLiteral("ShowFile"), QByteArray(1, '\1'));
    window->findChild<QRadioButton *>(QStringLiteral("otherSourceButton"))->click();
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Коваль\tОлег\tПетрович\tул. Франко, 8\tг. Львов\t79000\r\n"
                       "Бойко\tАнна\tСергеевна\tпр. Гагарина, 21\tг. Днепр\t49000\r\n"
                       "Мельник\tИгорь\tИванович\tул. Соборная, 2\tг. Сумы\t40000\r\n"));
    window->openLineOrderDialog();
    LineOrderDialog *dialog = window->lineOrderDialog();
    const int columns[] = {0, 1, 2, 3, 4, -1, -1, -1, 5};
    for (int field = 0; field < 9; ++field) {
        if (columns[field] < 0)
            continue;
        dialog->columnList()->setCurrentRow(columns[field]);
        dialog->assignSelectedColumn(field);
    }
    dialog->columnList()->setCurrentRow(5);
    grab(dialog, env, QStringLiteral("line-order-dialog"));
    dialog->createRecords();
    window->findChild<QListWidget *>(QStringLiteral("mailingList"))->setCurrentRow(1);
    grab(window, env, QStringLiteral("group-mailing-othersource"));
    window->close();

    // Entries whose postal code the directory contradicts, marked in the list.
    ctx.workDir.writeLines(QStringLiteral("Book.txt"), {
                                                           QStringLiteral("%Коваль Олег"),
                                                           QStringLiteral("#вул. Франка, 8"),
                                                           QStringLiteral("#м. Дрогобич"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#Львівська обл."),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#82100"),
                                                           QStringLiteral("%Бойко Анна"),
                                                           QStringLiteral("#вул. Шевченка, 3"),
                                                           QStringLiteral("#Трускавець"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#82100"),
                                                           QStringLiteral("%Мельник Игорь"),
                                                           QStringLiteral("#ул. Соборная, 2"),
                                                           QStringLiteral("#г. Сумы"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#40000"),
                                                           QStringLiteral("%Ткач Ирина"),
                                                           QStringLiteral("#вул. Лесі, 5"),
                                                           QStringLiteral("#Луцьк"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#Львівська область"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#43002"),
                                                           QStringLiteral("%Шевчук Павло"),
                                                           QStringLiteral("#вул. Миру, 1"),
                                                           QStringLiteral("#Київ"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#"),
                                                           QStringLiteral("#01999"),
                                                       });
    main->openGroupMailing();
    window->addAllNames();
    window->findChild<QListWidget *>(QStringLiteral("mailingList"))->setCurrentRow(1);
    grab(window, env, QStringLiteral("group-mailing-postal-check"));
    window->close();

    DocumentBrowser *browser = env.program.documentBrowser();
    browser->showFolder(env.workDir);
    // The folder list loads and sorts in the background.
    browser->show();
    QElapsedTimer loading;
    loading.start();
    while (loading.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    grab(browser, env, QStringLiteral("document-browser"));
    browser->close();
}
static ShotRegistrar registrar("4-mailing", &shotsMailing);
