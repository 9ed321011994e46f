#include "ui/common/Keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace {

class ControlTabLeaves : public QObject
{
public:
    explicit ControlTabLeaves(QPlainTextEdit *box)
        : QObject(box)
        , m_box(box)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & Qt::ControlModifier))
            return false;
        const bool backwards =
            key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (key->key() != Qt::Key_Tab && !backwards)
            return false;
        // The box moves the focus as a plain Tab does once it no longer types Tab itself.
        const bool typesTab = !m_box->tabChangesFocus();
        m_box->setTabChangesFocus(true);
        QKeyEvent plain(QEvent::KeyPress, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(m_box, &plain);
        m_box->setTabChangesFocus(!typesTab);
        return true;
    }

private:
    QPlainTextEdit *m_box;
};

} // namespace

void leaveWithControlTab(QPlainTextEdit *box)
{
    box->installEventFilter(new ControlTabLeaves(box));
}
