#pragma once
// A pair of arrow buttons that steps a position between a minimum and a maximum, without a text
// box of its own: the upper or right arrow raises the position by one, the lower or left arrow
// lowers it. Every click reports through clicked(), also when the position stayed at a limit.
// Holding an arrow repeats it. The arrows take the focus by Tab; while one has it, the arrow keys
// of the pair's direction press them, and those of the other direction step the partner pair (the
// pairs that move one thing up and down and left and right).

#include <QWidget>

class QToolButton;

class ArrowPairWidget : public QWidget
{
    Q_OBJECT
public:
    ArrowPairWidget(Qt::Orientation orientation, int minimum, int maximum, QWidget *parent = nullptr);

    int position() const { return m_position; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The arrow that raises the position ("up" or "right") and the one that lowers it ("down" or "left").
    QToolButton *raiseButton() const { return m_raise; }
    QToolButton *lowerButton() const { return m_lower; }

    void stepUp();
    void stepDown();

    // The pair of the other direction that the arrow keys step while this pair has the focus.
    void setPartner(ArrowPairWidget *partner) { m_partner = partner; }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Qt::Orientation m_orientation;
    int m_minimum;
    int m_maximum;
    int m_position = 0;
    QToolButton *m_raise;
    QToolButton *m_lower;
    ArrowPairWidget *m_partner = nullptr;
};
