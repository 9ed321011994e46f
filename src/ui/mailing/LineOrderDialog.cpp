#include "ui/mailing/LineOrderDialog.h"

#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/RowSplitter.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

struct FieldBox
{
    const char *name;
    const char *caption;
};

// In the order of MailingField.
const FieldBox FieldBoxes[MailingData::MailingRecordLines] = {
    {"surnameBox", "Фамилия"},
    {"nameBox", "Имя"},
    {"patronymBox", "Отчество"},
    {"addressBox", "Улица, дом, квартира"},
    {"townBox", "Населенный пункт"},
    {"districtBox", "Район (если нужно)"},
    {"regionBox", "Область (если нужно)"},
    {"countryBox", "Страна (если нужно)"},
    {"postalCodeBox", "Почтовый индекс"},
};

constexpr int CaptionHeight = 13;
constexpr int BoxHeight = 21;
constexpr int BoxWidth = 60;

} // namespace

LineOrderDialog::LineOrderDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    formlook::setUpDialog(this, "LineOrderDialog", QStringLiteral("Установка порядка строк"), QSize(536, 348),
                          QPoint(192, 107));

    auto *source = new QLabel(QStringLiteral("Исходный порядок строк:"), this);
    source->setObjectName(QStringLiteral("sourceLabel"));
    source->move(56, 48);
    source->adjustSize();
    auto *hint =
        new QLabel(QStringLiteral("Выберите слово из списка и щелкните мышкой по полю, где оно должно стоять"), this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->move(64, 16);
    hint->adjustSize();
    m_countLabel = new QLabel(QStringLiteral("Количество строк: "), this);
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_countLabel->move(56, 280);
    m_countLabel->adjustSize();

    m_columnList = new QListWidget(this);
    m_columnList->setObjectName(QStringLiteral("columnList"));
    m_columnList->setGeometry(56, 64, 137, 209);
    m_columnList->setUniformItemSizes(true);

    const int firstLeft = m_columnList->x() + m_columnList->width() + 80;
    const int firstTop = m_columnList->y() - CaptionHeight;
    for (int field = 0; field < MailingData::MailingRecordLines; ++field) {
        int left = firstLeft;
        int top = firstTop;
        if (field <= FieldPatronym)
            left += field * 80;
        else
            top += (field - FieldPatronym) * (CaptionHeight + BoxHeight + 2);
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(FieldBoxes[field].name));
        box->setReadOnly(true);
        box->setGeometry(left, top, BoxWidth, BoxHeight);
        box->installEventFilter(this);
        auto *caption = new QLabel(QString::fromUtf8(FieldBoxes[field].caption), this);
        caption->adjustSize();
        caption->move(left, top - CaptionHeight - 1);
        caption->setBuddy(box);
        m_boxes[field] = box;
    }

    auto *ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(312, 304, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &LineOrderDialog::createRecords);
    auto *cancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(416, 304, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &LineOrderDialog::cancel);

    setTabOrder(m_columnList, ok);
    setTabOrder(ok, cancel);
}

void LineOrderDialog::pasteClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    pasteText(clipboard ? clipboard->text() : QString());
}

void LineOrderDialog::pasteText(const QString &text)
{
    m_columnList->clear();
    m_rows = pastedRows(text);
    if (m_rows.isEmpty() || !containsTab(m_rows.constFirst())) {
        m_ctx.messages.show(QStringLiteral("Неверный формат данных"));
        return;
    }
    SplitRow split;
    splitRow(m_rows.constFirst(), split);
    QStringList cells = split.cells();
    for (QString &cell : cells)
        cell = withoutTrailingTab(cell);
    m_columnList->addItems(cells);
    m_countLabel->setText(QStringLiteral("Кол-во строк:  %1").arg(m_columnList->count()));
    m_countLabel->adjustSize();
}

void LineOrderDialog::assignSelectedColumn(int field)
{
    QLineEdit *box = m_boxes.at(field);
    box->clear();
    const QListWidgetItem *item = m_columnList->currentItem();
    if (!item || !item->isSelected()) {
        m_columns[field] = -1;
        return;
    }
    box->setText(item->text());
    box->setCursorPosition(0);
    m_columns[field] = m_columnList->row(item);
}

bool LineOrderDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int field = 0; field < MailingData::MailingRecordLines; ++field) {
            if (watched == m_boxes[field])
                guarded(m_ctx.messages, [&] { assignSelectedColumn(field); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LineOrderDialog::createRecords()
{
    guarded(m_ctx.messages, [&] {
        const bool anyField =
            std::any_of(m_boxes.cbegin(), m_boxes.cend(), [](const QLineEdit *box) { return !box->text().isEmpty(); });
        if (!anyField) {
            m_ctx.messages.show(QStringLiteral("Не хватает данных!"));
            close();
            return;
        }
        const QStringList records = buildMailingRecords(m_rows, m_columns);
        // Rows of one key all print the last one's address: said before the list is made, and the
        // dialog stays open for another key column when the user says no.
        const QList<SharedKey> shared = sharedKeys(records);
        if (!shared.isEmpty() && !m_ctx.messages.askYesNo(sharedKeysWarning(shared) + QStringLiteral("\n\n") +
                                                              tr("Создать список рассылки?"),
                                                          QStringLiteral("Велтора")))
            return;
        writeMailingRecords(m_ctx.workDir, records);
        MailingData &mailing = m_ctx.state.mailing();
        mailing.setMailingRecords(readMailingRecords(m_ctx.workDir));
        close();
        m_ctx.state.setMailingList(mailing.recordKeys());
    });
}

void LineOrderDialog::cancel()
{
    m_rows.clear();
    close();
}
