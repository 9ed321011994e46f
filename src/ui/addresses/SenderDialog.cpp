#include "ui/addresses/SenderDialog.h"
#include "ui/common/FormLook.h"

#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/files/WorkDir.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

SenderDialog::SenderDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("UserForm"));
    setWindowTitle(QStringLiteral("Информация о пользователе"));
    setFixedSize(291, 122);
    setFont(formlook::msSansSerif(11));

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setGeometry(16, 16, 185, 89);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    const struct
    {
        const char *name;
        const char *caption;
        int top;
        void (SenderDialog::*slot)();
    } buttons[] = {{"Button1", "Сохранить", 16, &SenderDialog::Button1Click},
                   {"Button2", "Очистить", 48, &SenderDialog::Button2Click},
                   {"Button3", "Закрыть", 80, &SenderDialog::Button3Click}};
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(208, b.top, 75, 25);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.slot);
    }

    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    FormCreate();
}

QString SenderDialog::boxText(const QString &fileText)
{
    QString text = fileText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString SenderDialog::fileText(const QString &boxText)
{
    QString text = boxText;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString SenderDialog::text() const
{
    // The raw text keeps non-breaking spaces; paragraph and line separators are line breaks.
    QString text = m_memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void SenderDialog::FormCreate()
{
    // A missing file is reported; the window still opens, with an empty box.
    guarded(m_ctx.messages, [&] { m_memo->setPlainText(boxText(m_ctx.workDir.readText(FileName))); });
}

void SenderDialog::Button1Click()
{
    guarded(m_ctx.messages, [&] { m_ctx.workDir.writeText(FileName, fileText(text())); });
}

void SenderDialog::Button2Click()
{
    m_memo->clear();
}

void SenderDialog::Button3Click()
{
    close();
}
