#pragma once
// A pair of arrow buttons that steps a position between a minimum and a maximum, without a text
// box of its own: the upper or right arrow raises the position by one, the lower or left arrow
// lowers it. Every click reports through clicked(), also when the position stayed at a limit.
// Holding an arrow repeats it.

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

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Qt::Orientation m_orientation;
    int m_minimum;
    int m_maximum;
    int m_position = 0;
    QToolButton *m_raise;
    QToolButton *m_lower;
};
