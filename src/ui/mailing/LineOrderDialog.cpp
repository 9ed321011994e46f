#include "ui/mailing/LineOrderDialog.h"

#include "logic/mailing/MailingChecks.h"
#include "logic/mailing/RowSplitter.h"
#include "logic/mailing/TableMailing.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"
#include "ui/common/WholeText.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
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
    {"surnameBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Фамилия")},
    {"nameBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Имя")},
    {"patronymBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Отчество")},
    {"addressBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Улица, дом, квартира")},
    {"townBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Населенный пункт")},
    {"districtBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Район (если нужно)")},
    {"regionBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Область (если нужно)")},
    {"countryBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Страна (если нужно)")},
    {"postalCodeBox", QT_TRANSLATE_NOOP("LineOrderDialog", "Почтовый индекс")},
};

constexpr int CaptionHeight = 13;
constexpr int BoxHeight = 21;
constexpr int BoxWidth = 60;

} // namespace

LineOrderDialog::LineOrderDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    formlook::setUpDialog(this, "LineOrderDialog", tr("Установка порядка строк"), QSize(536, 348), QPoint(192, 107));

    auto *source = new QLabel(tr("Исходный порядок строк:"), this);
    source->setObjectName(QStringLiteral("sourceLabel"));
    source->move(56, 48);
    source->adjustSize();
    auto *hint = new QLabel(tr("Выберите слово из списка и щелкните мышкой по полю, где оно должно стоять"), this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->move(64, 16);
    hint->adjustSize();
    m_countLabel = new QLabel(tr("Количество строк: "), this);
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_countLabel->move(56, 280);
    m_countLabel->adjustSize();

    m_titleRowBox = new QCheckBox(tr("Первая строка — заголовки столбцов"), this);
    m_titleRowBox->setObjectName(QStringLiteral("titleRowBox"));
    m_titleRowBox->move(56, 306);
    m_titleRowBox->adjustSize();

    m_columnList = new QListWidget(this);
    m_columnList->setObjectName(QStringLiteral("columnList"));
    m_columnList->setGeometry(56, 64, 137, 209);
    m_columnList->setUniformItemSizes(true);
    showCutEntriesWhole(m_columnList);

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
        box->setToolTip(tr("Щелчок или пробел: поставить сюда слово, выбранное в списке; Delete: очистить поле"));
        auto *caption = new QLabel(tr(FieldBoxes[field].caption), this);
        caption->adjustSize();
        caption->move(left, top - CaptionHeight - 1);
        caption->setBuddy(box);
        m_boxes[field] = box;
    }

    auto *ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(312, 304, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &LineOrderDialog::createRecords);
    auto *cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(416, 304, 75, 25);
    formlook::fitCaption(cancel);
    connect(cancel, &QPushButton::clicked, this, &LineOrderDialog::reject);

    // From the list through the nine fields in their order, then the buttons.
    QWidget *previous = m_columnList;
    for (QLineEdit *box : m_boxes) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_titleRowBox);
    setTabOrder(m_titleRowBox, ok);
    setTabOrder(ok, cancel);
    m_columnList->setAccessibleName(tr("Исходный порядок строк:"));
    source->setBuddy(m_columnList);
}

void LineOrderDialog::pasteClipboard()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    pasteText(clipboard ? clipboard->text() : QString());
}

void LineOrderDialog::pasteText(const QString &text)
{
    showRows(pastedRows(text));
}

void LineOrderDialog::showRows(QStringList rows)
{
    m_columnList->clear();
    m_titleRowBox->setChecked(false);
    m_rows = std::move(rows);
    if (m_rows.isEmpty() || !containsTab(m_rows.constFirst())) {
        m_ctx.messages.show(tr("Неверный формат данных"));
        return;
    }
    QStringList cells = rowCells(m_rows.constFirst());
    for (QString &cell : cells)
        cell = withoutTrailingTab(cell);
    m_columnList->addItems(cells);
    m_titleRowBox->setChecked(looksLikeTitles(cells));
    m_countLabel->setText(tr("Кол-во строк:  %1").arg(m_columnList->count()));
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

void LineOrderDialog::clearField(int field)
{
    m_boxes.at(field)->clear();
    m_columns[field] = -1;
}

bool LineOrderDialog::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_boxes.cbegin(), m_boxes.cend(), watched);
    if (found == m_boxes.cend())
        return QDialog::eventFilter(watched, event);
    const int field = int(found - m_boxes.cbegin());
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        guarded(m_ctx.messages, [&] { assignSelectedColumn(field); });
    if (event->type() == QEvent::KeyPress) {
        // The keyboard's click on a field: Space puts the selected word there, Delete empties it.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Space:
            guarded(m_ctx.messages, [&] { assignSelectedColumn(field); });
            return true;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            clearField(field);
            return true;
        default:
            break;
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
            m_ctx.messages.show(tr("Не хватает данных!"));
            close();
            return;
        }
        const bool titled = m_titleRowBox->isChecked();
        const QStringList records = buildMailingRecords(titled ? m_rows.mid(1) : m_rows, m_columns);
        // Rows of one key all print the last one's address: said before the list is made, and the
        // dialog stays open for another key column when the user says no. The rows are named as the
        // table numbers them, the title row counted.
        QList<SharedKey> shared = sharedKeys(records);
        if (titled)
            for (SharedKey &key : shared)
                for (int &row : key.rows)
                    ++row;
        if (!shared.isEmpty() &&
            !m_ctx.messages.askYesNo(
                sharedKeysWarning(shared) + QStringLiteral("\n\n") + tr("Создать список рассылки?"), tr("Велтора")))
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
    reject();
}

void LineOrderDialog::reject()
{
    m_rows.clear();
    QDialog::reject();
}
