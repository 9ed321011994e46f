#include "ui/addresses/SenderDialog.h"
#include "ui/common/FormLook.h"

#include "logic/files/WorkDir.h"
#include "logic/services/Guard.h"
#include "ui/common/AppContext.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

SenderDialog::SenderDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("SenderDialog"));
    setWindowTitle(tr("Информация о пользователе"));
    setFixedSize(291, 122);
    setFont(formlook::msSansSerif(11));

    m_senderBox = new QPlainTextEdit(this);
    m_senderBox->setObjectName(QStringLiteral("senderBox"));
    m_senderBox->setGeometry(16, 16, 185, 89);
    m_senderBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_senderBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_senderBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_senderBox->setAccessibleName(tr("Адрес отправителя"));
    m_senderBox->setTabChangesFocus(true);

    auto button = [this](const char *name, const QString &caption, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(208, top, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *save = button("saveButton", tr("Сохранить"), 16);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &SenderDialog::save);
    connect(button("clearButton", tr("Очистить"), 48), &QPushButton::clicked, this, &SenderDialog::clearText);
    connect(button("closeButton", tr("Закрыть"), 80), &QPushButton::clicked, this, &SenderDialog::close);

    formlook::centreOnScreen(this, parent);

    load();
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
    QString text = m_senderBox->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void SenderDialog::load()
{
    // A missing file is reported; the window still opens, with an empty box.
    guarded(m_ctx.messages, [&] { m_senderBox->setPlainText(boxText(m_ctx.workDir.readText(FileName))); });
}

void SenderDialog::save()
{
    guarded(m_ctx.messages, [&] { m_ctx.workDir.writeText(FileName, fileText(text())); });
}

void SenderDialog::clearText()
{
    m_senderBox->clear();
}
