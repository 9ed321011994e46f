#include "Shots.h"

#include "logic/files/WorkDir.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Program.h"
#include "ui/print/PreviewWindow.h"

// The preview of each shape class, with a recipient from the address book and a sender file.
static void shotsPreview(ShotEnv &env)
{
    AppContext &ctx = env.ctx;
    SharedState &s = ctx.state;
    const QString userFile = QStringLiteral("user.txt");
    const bool hadUser = ctx.workDir.exists(userFile);
    const QByteArray oldUser = hadUser ? ctx.workDir.readBytes(userFile) : QByteArray();
    ctx.workDir.writeLines(userFile, {QStringLiteral("ООО \"Велтора-Сервис\", отдел рассылки корреспонденции"),
                                      QStringLiteral("ул. Крещатик, 22, оф. 301"), QStringLiteral("г. Киев"),
                                      QStringLiteral("01001")});

    const MailingData oldMailing = s.mailing();
    const EnvelopeShape oldShape = s.envelopeShape();
    const qint32 oldIndex = s.previewIndex();
    const QStringList oldDetails = s.recipientDetails();
    s.mailing().source = SourceMode::AddressBook;
    s.mailing().setBookLines({QStringLiteral("%Петренко Ольга Петровна"), QStringLiteral("#пр. Науки, 45, кв. 17"),
                              QStringLiteral("#г. Харьков"), QStringLiteral("#Харьковская обл."),
                              QStringLiteral("#61000"), QStringLiteral("#"), QStringLiteral("#"),
                              QStringLiteral("%Коваль Андрей"), QStringLiteral("#ул. Лесная, 3"),
                              QStringLiteral("#г. Житомир"), QStringLiteral("#10001"), QStringLiteral("#"),
                              QStringLiteral("#"), QStringLiteral("#")});
    s.setMailingList({QStringLiteral("Коваль Андрей"), QStringLiteral("Петренко Ольга Петровна")});
    s.setPreviewIndex(1);

    for (int type : {1, 2, 3}) {
        s.setEnvelope(EnvelopeShape(type), s.envelopeWidth(), s.envelopeHeight());
        PreviewWindow *window = PreviewWindow::open(ctx, env.program.mainWindow());
        grab(window, env, QStringLiteral("preview-envtype%1").arg(type));
        delete window;
    }

    s.mailing() = oldMailing;
    s.setEnvelope(oldShape, s.envelopeWidth(), s.envelopeHeight());
    s.setPreviewIndex(oldIndex);
    s.setRecipientDetails(oldDetails);
    if (hadUser)
        ctx.workDir.writeBytes(userFile, oldUser);
}
static ShotRegistrar registrar("print-preview", &shotsPreview);
