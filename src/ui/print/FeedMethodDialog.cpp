#include "ui/print/FeedMethodDialog.h"

#include "logic/files/SettingsFiles.h"
#include "logic/services/Guard.h"
#include "ui/common/AppContext.h"
#include "ui/common/FormLook.h"
#include "ui/common/Theme.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

// A desktop printer seen from the front, an envelope standing in its rear sheet feeder with the
// long side horizontal, and a red arrow pointing down into the feeder. The envelope stands either
// against one side of the feeder or in its middle.
class FeedPicture : public QWidget
{
public:
    enum Placement { AgainstSide, Middle };
    FeedPicture(Placement placement, QWidget *parent)
        : QWidget(parent)
        , m_placement(placement)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        const QColor outline(60, 60, 60);

        // The drawing is made for 193 x 225 pixels.
        p.scale(width() / 193.0, height() / 225.0);

        // Rear sheet feeder: a tray rising behind the printer body.
        const QRectF feeder(30, 62, 133, 70);
        p.setPen(QPen(outline, 1.5));
        p.setBrush(QColor(205, 205, 210));
        p.drawRoundedRect(feeder, 3, 3);
        p.setBrush(QColor(180, 180, 188));
        p.drawRect(QRectF(feeder.left() + 4, feeder.bottom() - 10, feeder.width() - 8, 10)); // feed slot

        // The envelope in the feeder, long side horizontal.
        const qreal envW = 78, envH = 42;
        const qreal envX = m_placement == AgainstSide ? feeder.left() + 5 : feeder.center().x() - envW / 2;
        const QRectF env(envX, feeder.bottom() - 8 - envH, envW, envH);
        p.setBrush(QColor(250, 248, 235));
        p.setPen(QPen(outline, 1.2));
        p.drawRect(env);
        p.setPen(QPen(QColor(150, 145, 120), 1));
        p.drawLine(env.topLeft(), QPointF(env.center().x(), env.top() + envH * 0.55));
        p.drawLine(env.topRight(), QPointF(env.center().x(), env.top() + envH * 0.55));
        // a stamp and a few address lines
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 80, 80));
        p.drawRect(QRectF(env.right() - 13, env.top() + 4, 9, 10));

        // Paper guides of the feeder.
        p.setPen(QPen(outline, 1.5));
        p.setBrush(QColor(150, 150, 160));
        const qreal guideX = m_placement == AgainstSide ? feeder.left() + 1 : env.left() - 5;
        p.drawRect(QRectF(guideX, feeder.top() + 20, 4, feeder.height() - 30));
        p.drawRect(QRectF(env.right() + 1, feeder.top() + 20, 4, feeder.height() - 30));

        // Printer body.
        const QRectF body(10, 126, 173, 62);
        p.setPen(QPen(outline, 1.5));
        QLinearGradient shade(body.topLeft(), body.bottomLeft());
        shade.setColorAt(0, QColor(238, 238, 240));
        shade.setColorAt(1, QColor(190, 190, 196));
        p.setBrush(shade);
        p.drawRoundedRect(body, 8, 8);
        // Output slot and tray.
        p.setBrush(QColor(70, 70, 76));
        p.drawRoundedRect(QRectF(30, 160, 133, 8), 2, 2);
        p.setBrush(QColor(215, 215, 220));
        QPainterPath tray;
        tray.moveTo(26, 188);
        tray.lineTo(167, 188);
        tray.lineTo(175, 206);
        tray.lineTo(18, 206);
        tray.closeSubpath();
        p.drawPath(tray);
        // Control panel: a button and a green lamp.
        p.setBrush(QColor(120, 120, 128));
        p.drawEllipse(QPointF(160, 140), 5, 5);
        p.setBrush(QColor(60, 190, 80));
        p.drawEllipse(QPointF(145, 140), 3, 3);

        // The red arrow pointing down into the feeder, above the envelope.
        const qreal ax = env.center().x();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 20, 20));
        QPainterPath arrow;
        arrow.moveTo(ax - 5, 22);
        arrow.lineTo(ax + 5, 22);
        arrow.lineTo(ax + 5, 42);
        arrow.lineTo(ax + 12, 42);
        arrow.lineTo(ax, env.top() - 2);
        arrow.lineTo(ax - 12, 42);
        arrow.lineTo(ax - 5, 42);
        arrow.closeSubpath();
        p.drawPath(arrow);
    }

private:
    Placement m_placement;
};

QRadioButton *makeRadio(const QString &caption, const char *name, int x, QWidget *parent)
{
    auto *radio = new QRadioButton(caption, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(x, 40, 185, 17);
    radio->setAutoFillBackground(true);
    QPalette pal = radio->palette();
    pal.setColor(QPalette::Window, theme::panelFace(pal, QColor(0xE3, 0xE3, 0xE3))); // light 3-D grey
    radio->setPalette(pal);
    return radio;
}

} // namespace

FeedMethodDialog::FeedMethodDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("FeedMethodDialog"));
    setWindowTitle(tr("Способ загрузки конверта"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(465, 317);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    m_heading = new QLabel(tr("Выберите способ загрузки конвертов в принтер"), this);
    m_heading->setObjectName(QStringLiteral("headingLabel"));
    QFont heading(QStringLiteral("Arial"));
    heading.setPixelSize(16);
    heading.setBold(true);
    m_heading->setFont(heading);
    m_heading->setGeometry(32, 8, 391, 19);

    m_leftEdgePicture = new FeedPicture(FeedPicture::AgainstSide, this);
    m_leftEdgePicture->setObjectName(QStringLiteral("leftEdgePicture"));
    m_leftEdgePicture->setGeometry(24, 40, 193, 225);
    m_centrePicture = new FeedPicture(FeedPicture::Middle, this);
    m_centrePicture->setObjectName(QStringLiteral("centrePicture"));
    m_centrePicture->setGeometry(256, 40, 193, 225);

    m_leftEdgeButton = makeRadio(tr("По левому краю принтера"), "leftEdgeButton", 24, this);
    m_centreButton = makeRadio(tr("По центру принтера"), "centreButton", 256, this);

    m_okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(248, 272, 75, 25);
    m_okButton->setAutoDefault(false);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Отмена"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setGeometry(352, 272, 73, 25);
    m_cancelButton->setAutoDefault(false);
    formlook::fitCaption(m_cancelButton);
    connect(m_okButton, &QPushButton::clicked, this, &FeedMethodDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &FeedMethodDialog::reject);

    loadStoredChoice();
}

void FeedMethodDialog::loadStoredChoice()
{
    guarded(m_ctx.messages, [&] {
        settings::writeFeedMethodConfirmed(m_ctx.workDir, false);
        const FeedMethod stored = settings::readFeedMethodChoice(m_ctx.workDir);
        m_leftEdgeButton->setChecked(stored == FeedMethod::LeftEdge);
        m_centreButton->setChecked(stored == FeedMethod::Centre);
    });
}

void FeedMethodDialog::confirm()
{
    guarded(m_ctx.messages, [&] {
        FeedMethod value = m_confirmed;
        if (m_leftEdgeButton->isChecked())
            value = FeedMethod::LeftEdge;
        else if (m_centreButton->isChecked())
            value = FeedMethod::Centre;
        settings::writeFeedMethod(m_ctx.workDir, value);
        m_confirmed = value;
        accept(); // hidden, not destroyed
        settings::writeFeedMethodConfirmed(m_ctx.workDir, true);
    });
}
