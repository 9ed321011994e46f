#include "ui/print/ArrowPairWidget.h"

#include <QKeyEvent>
#include <QToolButton>

ArrowPairWidget::ArrowPairWidget(Qt::Orientation orientation, int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    m_position = std::clamp(0, minimum, maximum);
    const bool vertical = orientation == Qt::Vertical;
    auto makeArrow = [&](Qt::ArrowType type, const char *name) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(type);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
        return b;
    };
    // Upper or left arrow first, as they sit.
    if (vertical) {
        m_raise = makeArrow(Qt::UpArrow, "up");
        m_lower = makeArrow(Qt::DownArrow, "down");
        m_raise->setAccessibleName(tr("Вверх"));
        m_lower->setAccessibleName(tr("Вниз"));
    } else {
        m_lower = makeArrow(Qt::LeftArrow, "left");
        m_raise = makeArrow(Qt::RightArrow, "right");
        m_lower->setAccessibleName(tr("Влево"));
        m_raise->setAccessibleName(tr("Вправо"));
    }
    connect(m_raise, &QToolButton::clicked, this, &ArrowPairWidget::stepUp);
    connect(m_lower, &QToolButton::clicked, this, &ArrowPairWidget::stepDown);
}

void ArrowPairWidget::stepUp()
{
    if (m_position < m_maximum)
        ++m_position;
    emit clicked();
}

void ArrowPairWidget::stepDown()
{
    if (m_position > m_minimum)
        --m_position;
    emit clicked();
}

void ArrowPairWidget::resizeEvent(QResizeEvent *)
{
    if (m_orientation == Qt::Vertical) {
        const int half = height() / 2;
        m_raise->setGeometry(0, 0, width(), half);
        m_lower->setGeometry(0, half, width(), height() - half);
    } else {
        const int half = width() / 2;
        m_lower->setGeometry(0, 0, half, height());
        m_raise->setGeometry(half, 0, width() - half, height());
    }
}

bool ArrowPairWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (watched != m_raise && watched != m_lower))
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    const bool vertical = m_orientation == Qt::Vertical;
    ArrowPairWidget *upDown = vertical ? this : m_partner;
    ArrowPairWidget *leftRight = vertical ? m_partner : this;
    switch (key->key()) {
    case Qt::Key_Up:
        if (upDown)
            upDown->stepUp();
        return true;
    case Qt::Key_Down:
        if (upDown)
            upDown->stepDown();
        return true;
    case Qt::Key_Right:
        if (leftRight)
            leftRight->stepUp();
        return true;
    case Qt::Key_Left:
        if (leftRight)
            leftRight->stepDown();
        return true;
    default:
        return false;
    }
}
