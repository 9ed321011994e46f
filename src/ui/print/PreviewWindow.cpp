#include "ui/print/PreviewWindow.h"

#include "logic/envelope/EnvelopeGeometry.h"
#include "ui/common/FormLook.h"

#include "logic/envelope/EnvelopeDrawing.h"
#include "logic/files/IoError.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "logic/state/SharedState.h"
#include "ui/common/AppContext.h"
#include "ui/print/ArrowPairWidget.h"
#include "ui/print/PrintActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

const int ImageLeft = 65;
const int ImageTop = 15;
const int ArrowThickness = 15;
const int ArrowLength = 33;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

PreviewWindow::PreviewWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Предварительный просмотр"));
    setFont(formlook::msSansSerif(11));
    // Outer size 560 x 414 with a single fixed border and a caption.
    setFixedSize(554, 385);
    move(192, 107);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("picture"));
    m_image->setAccessibleName(tr("Конверт"));
    QSize imageSize = previewImageSize(ctx.state.envelopeShape());
    if (!imageSize.isValid())
        imageSize = previewImageSize(EnvelopeShape::Standard);
    m_image->setGeometry(QRect(QPoint(ImageLeft, ImageTop), imageSize));

    m_previousButton = new QPushButton(QStringLiteral("<<"), this);
    m_previousButton->setObjectName(QStringLiteral("previousButton"));
    m_previousButton->setGeometry(16, 348, 75, 25);
    m_previousButton->setAccessibleName(tr("Предыдущий конверт"));

    m_numberBox = new QLineEdit(this);
    m_numberBox->setObjectName(QStringLiteral("numberBox"));
    m_numberBox->setGeometry(140, 348, 30, 21);
    m_numberBox->setAccessibleName(tr("Номер конверта"));
    m_numberBox->setText(QString::number(ctx.state.previewIndex() + 1));

    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_countLabel->move(m_numberBox->x() + m_numberBox->width() + 6, m_numberBox->y() + 3);
    updateCount();

    m_nextButton = new QPushButton(QStringLiteral(">>"), this);
    m_nextButton->setObjectName(QStringLiteral("nextButton"));
    m_nextButton->setGeometry(248, 348, 75, 25);
    m_nextButton->setAccessibleName(tr("Следующий конверт"));

    const QString printCaption = tr("Пробная печать");
    m_testPrintButton = new QPushButton(printCaption, this);
    m_testPrintButton->setObjectName(QStringLiteral("testPrintButton"));
    m_testPrintButton->setToolTip(printCaption);
    m_testPrintButton->setGeometry(333, 348, 105, 25);

    m_closeButton = new QPushButton(tr("Закрыть"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(m_testPrintButton->x() + 75 + 50, 348, 75, 25);

    auto makeArrows = [&](Qt::Orientation o, const char *name, const QString &hint) {
        auto *a = new ArrowPairWidget(o, ArrowMinimum, ArrowMaximum, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hint);
        a->setAccessibleName(hint);
        if (o == Qt::Vertical)
            a->resize(ArrowThickness, ArrowLength);
        else
            a->resize(ArrowLength, ArrowThickness);
        return a;
    };
    m_senderUpDown = makeArrows(Qt::Vertical, "senderUpDown", tr("Перемещение адреса отправителя вверх/вниз"));
    m_senderLeftRight =
        makeArrows(Qt::Horizontal, "senderLeftRight", tr("Перемещение адреса отправителя влево/вправо"));
    m_recipientUpDown = makeArrows(Qt::Vertical, "recipientUpDown", tr("Перемещение адреса получателя вверх/вниз"));
    m_recipientLeftRight =
        makeArrows(Qt::Horizontal, "recipientLeftRight", tr("Перемещение адреса получателя влево/вправо"));
    m_senderUpDown->setPartner(m_senderLeftRight);
    m_senderLeftRight->setPartner(m_senderUpDown);
    m_recipientUpDown->setPartner(m_recipientLeftRight);
    m_recipientLeftRight->setPartner(m_recipientUpDown);
    placeArrows();

    connect(m_previousButton, &QPushButton::clicked, this, &PreviewWindow::showPrevious);
    connect(m_nextButton, &QPushButton::clicked, this, &PreviewWindow::showNext);
    connect(m_numberBox, &QLineEdit::returnPressed, this, &PreviewWindow::showTypedNumber);
    connect(m_testPrintButton, &QPushButton::clicked, this, &PreviewWindow::printTest);
    connect(m_closeButton, &QPushButton::clicked, this, &PreviewWindow::close);
    new QShortcut(QKeySequence::Cancel, this, this, &PreviewWindow::close);
    connect(m_senderUpDown, &ArrowPairWidget::clicked, this, &PreviewWindow::moveSenderVertically);
    connect(m_senderLeftRight, &ArrowPairWidget::clicked, this, &PreviewWindow::moveSenderHorizontally);
    connect(m_recipientUpDown, &ArrowPairWidget::clicked, this, &PreviewWindow::moveRecipientVertically);
    connect(m_recipientLeftRight, &ArrowPairWidget::clicked, this, &PreviewWindow::moveRecipientHorizontally);
    connect(&ctx.state, &SharedState::mailingListChanged, this, &PreviewWindow::updateCount);
}

PreviewWindow *PreviewWindow::open(AppContext &ctx, QWidget *parent)
{
    auto *window = new PreviewWindow(ctx, parent);
    window->show();
    window->redraw();
    return window;
}

int PreviewWindow::entryCount() const
{
    return static_cast<int>(m_ctx.state.mailingList().size());
}

void PreviewWindow::updateCount()
{
    m_countLabel->setText(tr("из ") + QString::number(entryCount()));
    m_countLabel->adjustSize();
}

void PreviewWindow::placeArrows()
{
    const QRect image = m_image->geometry();
    const int right = image.x() + image.width();
    const int bottom = image.y() + image.height();
    m_senderUpDown->move(image.x() - ArrowThickness - 2, image.y() + 6);
    m_senderLeftRight->move(image.x(), 0);
    m_recipientUpDown->move(right + 2, bottom - ArrowLength);
    m_recipientLeftRight->move(right - ArrowLength, bottom + 2);
}

void PreviewWindow::drawPicture()
{
    m_image->setPixmap(QPixmap::fromImage(m_picture));
    if (!m_picture.isNull() && m_image->size() != m_picture.size()) {
        m_image->resize(m_picture.size());
        placeArrows();
    }
    m_numberBox->setText(QString::number(m_ctx.state.previewIndex() + 1));
}

void PreviewWindow::redraw()
{
    guarded(m_ctx.messages, [&] {
        try {
            m_anchors = previewAnchors(previewImageSize(m_ctx.state.envelopeShape()), m_ctx.state);
            m_anchors = drawEnvelope(m_picture, m_ctx.state.envelopeShape(), m_ctx.state, m_ctx.workDir);
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

void PreviewWindow::showPrevious()
{
    guarded(m_ctx.messages, [&] {
        if (m_ctx.state.previewIndex() - 1 < 0)
            return;
        m_ctx.state.setPreviewIndex(m_ctx.state.previewIndex() - 1);
        redraw();
    });
}

void PreviewWindow::showNext()
{
    guarded(m_ctx.messages, [&] {
        if (m_ctx.state.previewIndex() + 1 >= entryCount())
            return;
        m_ctx.state.setPreviewIndex(m_ctx.state.previewIndex() + 1);
        redraw();
    });
}

void PreviewWindow::showTypedNumber()
{
    guarded(m_ctx.messages, [&] {
        const QString text = m_numberBox->text();
        if (text.isEmpty()) {
            m_ctx.messages.show(tr("Ошибка ввода данных. повторите ввод"));
            return;
        }
        if (!std::all_of(text.cbegin(), text.cend(), isAsciiDigit)) {
            m_ctx.messages.show(tr("Ошибка ввода. Повторита ввод"));
            return;
        }
        const int v = strToInt(text);
        if (v > entryCount() || v <= 0) {
            m_ctx.messages.show(tr("Вы вышли за пределы списка. Повторите ввод."));
            return;
        }
        m_ctx.state.setPreviewIndex(v - 1);
        redraw();
    });
}

void PreviewWindow::printTest()
{
    guarded(m_ctx.messages, [&] { printPreviewedEnvelope(m_ctx); });
}

void PreviewWindow::moveSenderVertically()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.homeY = -m_senderUpDown->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::moveSenderHorizontally()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.homeX = m_senderLeftRight->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::moveRecipientVertically()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.addrY = -m_recipientUpDown->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}

void PreviewWindow::moveRecipientHorizontally()
{
    BlockShifts shifts = m_ctx.state.shifts();
    shifts.addrX = m_recipientLeftRight->position();
    m_ctx.state.setShifts(shifts);
    redraw();
}
