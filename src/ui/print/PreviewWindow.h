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

    // Builds and shows a new preview window.
    static PreviewWindow *open(AppContext &ctx);

    // The picture as last drawn.
    const QImage &picture() const { return m_picture; }
    // Where the blocks start on the picture, in its pixels.
    const BlockAnchors &anchors() const { return m_anchors; }

    static bool isdigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

public slots:
    void PreviewLeftButtonClick();
    void PreviewRightButtonClick();
    void PreviewEditBoxKeyPress(); // the Enter key in the envelope number box
    void PreviewPrintButtonClick();
    void PreviewCloseButtonClick();
    void PreviewHomeUpDownClick();
    void PreviewHomeLeftRightClick();
    void PreviewAddrUpDownClick();
    void PreviewAddrLeftRightClick();

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
    QPushButton *m_left = nullptr;
    QLineEdit *m_number = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_right = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
    ArrowPairWidget *m_homeUpDown = nullptr;
    ArrowPairWidget *m_homeLeftRight = nullptr;
    ArrowPairWidget *m_addrUpDown = nullptr;
    ArrowPairWidget *m_addrLeftRight = nullptr;
};

// Builds and shows a new preview window without waiting ("Preview" of the group mailing window).
void previewshow(AppContext &ctx);
