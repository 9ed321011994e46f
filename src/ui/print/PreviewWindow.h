#pragma once
// The print preview: pages through the envelopes of the mailing list, lets the user nudge the
// sender and the recipient blocks in steps (the shifts of the shared state, which every later print
// applies), and prints the envelope shown as a test.
//
// Each opening builds a fresh window; the arrows of a new window start at 0, while the shifts and
// the envelope shown live in the shared state and outlive it. Closing a window disposes of it.

#include "logic/envelope/EnvelopeGeometry.h"

#include <QImage>
#include <QWidget>

struct AppContext;
class ArrowPairWidget;
class QLabel;
class QLineEdit;
class QPushButton;

class PreviewWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewWindow(AppContext &ctx, QWidget *parent = nullptr);

    // Builds and shows a new preview window, without waiting ("Preview" of the group mailing window).
    static PreviewWindow *open(AppContext &ctx, QWidget *parent);

    // The picture as last drawn.
    const QImage &picture() const { return m_picture; }
    // Where the blocks start on the picture, in its pixels.
    const BlockAnchors &anchors() const { return m_anchors; }

public slots:
    void showPrevious(); // "<<"
    void showNext();     // ">>"
    // The Enter key in the envelope number box: shows the envelope of that number.
    void showTypedNumber();
    void printTest(); // "Пробная печать"
    // The arrows: each stores its position as a shift of its block and draws the picture anew.
    void moveSenderVertically();
    void moveSenderHorizontally();
    void moveRecipientVertically();
    void moveRecipientHorizontally();

private:
    void redraw();
    void drawPicture();
    void placeArrows();
    void updateCount();
    int entryCount() const;

    AppContext &m_ctx;
    QImage m_picture;
    BlockAnchors m_anchors;
    bool m_senderErrorShown = false;

    QLabel *m_image = nullptr;
    QPushButton *m_previousButton = nullptr;
    QLineEdit *m_numberBox = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_testPrintButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    ArrowPairWidget *m_senderUpDown = nullptr;
    ArrowPairWidget *m_senderLeftRight = nullptr;
    ArrowPairWidget *m_recipientUpDown = nullptr;
    ArrowPairWidget *m_recipientLeftRight = nullptr;
};
