#include "ui/common/WholeText.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {

class CutEntryTips : public QObject
{
public:
    explicit CutEntryTips(QAbstractItemView *list)
        : QObject(list)
        , m_list(list)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || watched != m_list->viewport())
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = m_list->indexAt(help->pos());
        // An entry with a tooltip of its own keeps it.
        if (!index.isValid() || !index.data(Qt::ToolTipRole).toString().isEmpty())
            return false;
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect room = m_list->visualRect(index) & m_list->viewport()->rect();
        const int needed = m_list->fontMetrics().horizontalAdvance(text) +
                           2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) +
                           m_list->iconSize().width() * int(!index.data(Qt::DecorationRole).isNull());
        if (needed <= room.width()) {
            QToolTip::hideText();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, m_list->viewport(), room);
        return true;
    }

private:
    QAbstractItemView *m_list;
};

} // namespace

void showCutEntriesWhole(QAbstractItemView *list)
{
    list->viewport()->installEventFilter(new CutEntryTips(list));
}

void showCutTextWhole(QLineEdit *box)
{
    const auto update = [box] {
        const int room = box->contentsRect().width() - 6;
        box->setToolTip(box->fontMetrics().horizontalAdvance(box->text()) > room ? box->text() : QString());
    };
    QObject::connect(box, &QLineEdit::textChanged, box, update);
    update();
}
