#include "ui/print/PreviewWindow.h"

#include "logic/envelope/EnvelopeGeometry.h"
#include "ui/common/FormLook.h"

#include "ui/print/ArrowPairWidget.h"
#include "ui/print/PrintActions.h"
#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/files/IoError.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/main/MainWindow.h"
#include "logic/envelope/EnvelopeDrawing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace {

const int ImageLeft = 65;
const int ImageTop = 15;
const int ArrowThickness = 15;
const int ArrowLength = 33;

const QString EmptyNumberText = QStringLiteral("Ошибка ввода данных. повторите ввод");
const QString NotDigitsText = QStringLiteral("Ошибка ввода. Повторита ввод");
const QString OutsideListText = QStringLiteral("Вы вышли за пределы списка. Повторите ввод.");

} // namespace

PreviewWindow::PreviewWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Предварительный просмотр"));
    setFont(formlook::msSansSerif(11));
    // Outer size 560 x 414 with a single fixed border and a caption.
    setFixedSize(554, 385);
    move(192, 107);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("PreviewImage"));
    QSize imageSize = previewImageSize(ctx.state.envelopeType());
    if (!imageSize.isValid())
        imageSize = previewImageSize(1);
    m_image->setGeometry(QRect(QPoint(ImageLeft, ImageTop), imageSize));

    m_left = new QPushButton(QStringLiteral("<<"), this);
    m_left->setObjectName(QStringLiteral("PreviewLeftButton"));
    m_left->setGeometry(16, 348, 75, 25);

    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("PreviewEditBox"));
    m_number->setGeometry(140, 348, 30, 21);
    m_number->setText(QString::number(ctx.state.previewIndex() + 1));

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("PreviewCountLabel"));
    m_count->move(m_number->x() + m_number->width() + 6, m_number->y() + 3);
    updateCount();

    m_right = new QPushButton(QStringLiteral(">>"), this);
    m_right->setObjectName(QStringLiteral("PreviewRightButton"));
    m_right->setGeometry(248, 348, 75, 25);

    const QString printCaption = QStringLiteral("Пробная печать");
    m_print = new QPushButton(printCaption, this);
    m_print->setObjectName(QStringLiteral("PreviewPrintButton"));
    m_print->setToolTip(printCaption);
    m_print->setGeometry(333, 348, 105, 25);

    m_close = new QPushButton(QStringLiteral("Закрыть"), this);
    m_close->setObjectName(QStringLiteral("PreviewCloseButton"));
    m_close->setGeometry(m_print->x() + 75 + 50, 348, 75, 25);

    auto makeArrows = [&](Qt::Orientation o, const char *name, const char *hint) {
        auto *a = new ArrowPairWidget(o, ArrowMinimum, ArrowMaximum, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(QString::fromUtf8(hint));
        if (o == Qt::Vertical)
            a->resize(ArrowThickness, ArrowLength);
        else
            a->resize(ArrowLength, ArrowThickness);
        return a;
    };
    m_homeUpDown = makeArrows(Qt::Vertical, "PreviewHomeUpDown", "Перемещение адреса отправителя вверх/вниз");
    m_homeLeftRight = makeArrows(Qt::Horizontal, "PreviewHomeLeftRight", "Перемещение адреса отправителя влево/вправо");
    m_addrUpDown = makeArrows(Qt::Vertical, "PreviewAddrUpDown", "Перемещение адреса получателя вверх/вниз");
    m_addrLeftRight = makeArrows(Qt::Horizontal, "PreviewAddrLeftRight", "Перемещение адреса получателя влево/вправо");
    placeArrows();

    connect(m_left, &QPushButton::clicked, this, &PreviewWindow::PreviewLeftButtonClick);
    connect(m_right, &QPushButton::clicked, this, &PreviewWindow::PreviewRightButtonClick);
    connect(m_number, &QLineEdit::returnPressed, this, &PreviewWindow::PreviewEditBoxKeyPress);
    connect(m_print, &QPushButton::clicked, this, &PreviewWindow::PreviewPrintButtonClick);
    connect(m_close, &QPushButton::clicked, this, &PreviewWindow::PreviewCloseButtonClick);
    connect(m_homeUpDown, &ArrowPairWidget::clicked, this, &PreviewWindow::PreviewHomeUpDownClick);
    connect(m_homeLeftRight, &ArrowPairWidget::clicked, this, &PreviewWindow::PreviewHomeLeftRightClick);
    connect(m_addrUpDown, &ArrowPairWidget::clicked, this, &PreviewWindow::PreviewAddrUpDownClick);
    connect(m_addrLeftRight, &ArrowPairWidget::clicked, this, &PreviewWindow::PreviewAddrLeftRightClick);
    connect(&ctx.state, &SharedState::mailingListChanged, this, &PreviewWindow::updateCount);
}

PreviewWindow *PreviewWindow::open(AppContext &ctx)
{
    auto *window = new PreviewWindow(ctx, ctx.mainForm);
    window->show();
    window->redraw();
    return window;
}

void previewshow(AppContext &ctx)
{
    PreviewWindow::open(ctx);
}

int PreviewWindow::entryCount() const
{
    return static_cast<int>(m_ctx.state.mailingList().size());
}

void PreviewWindow::updateCount()
{
    m_count->setText(QStringLiteral("из ") + QString::number(entryCount()));
    m_count->adjustSize();
}

void PreviewWindow::placeArrows()
{
    const QRect image = m_image->geometry();
    const int right = image.x() + image.width();
    const int bottom = image.y() + image.height();
    m_homeUpDown->move(image.x() - ArrowThickness - 2, image.y() + 6);
    m_homeLeftRight->move(image.x(), 0);
    m_addrUpDown->move(right + 2, bottom - ArrowLength);
    m_addrLeftRight->move(right - ArrowLength, bottom + 2);
}

void PreviewWindow::drawPicture()
{
    m_image->setPixmap(QPixmap::fromImage(m_picture));
    if (!m_picture.isNull() && m_image->size() != m_picture.size()) {
        m_image->resize(m_picture.size());
        placeArrows();
    }
    m_number->setText(QString::number(m_ctx.state.previewIndex() + 1));
}

void PreviewWindow::redraw()
{
    guarded(m_ctx.messages, [&] {
        try {
            m_anchors = previewAnchors(previewImageSize(m_ctx.state.envelopeType()), m_ctx.state);
            m_anchors = drawEnv(m_picture, m_ctx.state.envelopeType(), m_ctx.state, m_ctx.workDir);
        } catch (const IoError &) {
            // Only the sender file can fail here; the rest of the picture is drawn. Its absence is
            // reported once per window, not at every step of an arrow.
            drawPicture();
            if (m_senderErrorShown)
                return;
            m_senderErrorShown = true;
            throw;
        }
        m_senderErrorShown = false;
        drawPicture();
    });
}

void PreviewWindow::PreviewLeftButtonClick()
{
    guarded(m_ctx.messages, [&] {
        if (m_ctx.state.previewIndex() - 1 < 0)
            return;
        m_ctx.state.setPreviewIndex(m_ctx.state.previewIndex() - 1);
        redraw();
    });
}

void PreviewWindow::PreviewRightButtonClick()
{
    guarded(m_ctx.messages, [&] {
        if (m_ctx.state.previewIndex() + 1 >= entryCount())
            return;
        m_ctx.state.setPreviewIndex(m_ctx.state.previewIndex() + 1);
        redraw();
    });
}

void PreviewWindow::PreviewEditBoxKeyPress()
{
    guarded(m_ctx.messages, [&] {
        const QString text = m_number->text();
        if (text.isEmpty()) {
            m_ctx.messages.show(EmptyNumberText);
            return;
        }
        if (!std::all_of(text.cbegin(), text.cend(), &PreviewWindow::isdigit)) {
            m_ctx.messages.show(NotDigitsText);
            return;
        }
        const int v = strToInt(text);
        if (v > entryCount() || v <= 0) {
            m_ctx.messages.show(OutsideListText);
            return;
        }
        m_ctx.state.setPreviewIndex(v - 1);
        redraw();
    });
}

void PreviewWindow::PreviewPrintButtonClick()
{
    guarded(m_ctx.messages, [&] { drucke(m_ctx); });
}

void PreviewWindow::PreviewCloseButtonClick()
{
    close();
}

void PreviewWindow::PreviewHomeUpDownClick()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.homeY = -m_homeUpDown->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::PreviewHomeLeftRightClick()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.homeX = m_homeLeftRight->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::PreviewAddrUpDownClick()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.addrY = -m_addrUpDown->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::PreviewAddrLeftRightClick()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.addrX = m_addrLeftRight->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}
