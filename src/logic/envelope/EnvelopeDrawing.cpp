#include "logic/envelope/EnvelopeDrawing.h"

#include "logic/envelope/RecipientLines.h"
#include "logic/files/TextLines.h"
#include "logic/files/WorkDir.h"
#include "logic/state/SharedState.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {

const int StampWidth = 40;
const int StampHeight = 45;

// 96 dots per inch, so that point sizes on the picture come out as on the screen.
const int PictureDotsPerMetre = 3780;

} // namespace

QSize previewImageSize(EnvelopeShape shape)
{
    switch (shape) {
    case EnvelopeShape::Standard:
        return {417, 299};
    case EnvelopeShape::Long:
        return {433, 207};
    case EnvelopeShape::Square:
        return {333, 300};
    default:
        return {};
    }
}

StampPlace stampPlace(QSize image)
{
    StampPlace s;
    s.left = roundHalfToEven(image.width() / 1.16);
    s.top = roundHalfToEven(image.height() / 11.4);
    s.right = s.left + StampWidth;
    s.bottom = s.top + StampHeight;
    return s;
}

BlockAnchors previewAnchors(QSize image, const SharedState &state)
{
    BlockAnchors a;
    a.recipientX = roundHalfToEven(image.width() / 1.7) + state.shifts().addrX;
    a.recipientY = roundHalfToEven(image.height() / 2.1) + state.shifts().addrY;
    a.senderX = roundHalfToEven(image.width() / 32.4) + state.shifts().homeX;
    a.senderY = roundHalfToEven(image.height() / 8.0) + state.shifts().homeY;
    return a;
}

QFont previewTextFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

void drawBlock(QPainter &painter, QPoint origin, const QStringList &lines)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int n = std::min<int>(lines.size(), MaxBlockLines);
    int y = origin.y();
    for (int i = 0; i < n; ++i) {
        painter.drawText(QPoint(origin.x(), y + metrics.ascent()), lines.at(i));
        y += metrics.height();
    }
}

void drawStamp(QPainter &painter, QSize image)
{
    const StampPlace s = stampPlace(image);
    const QRect rect(s.left, s.top, s.right - s.left, s.bottom - s.top);
    painter.fillRect(rect, StampColour);
    painter.setBackground(StampColour);
    const QString caption = QCoreApplication::translate("EnvelopeDrawing", "Марка");
    const QFontMetrics metrics = painter.fontMetrics();
    const int x = s.left + (s.right - s.left) / 2 - metrics.horizontalAdvance(caption) / 2;
    const int y = s.top + (s.bottom - s.top) / 2;
    painter.drawText(QPoint(x, y + metrics.ascent()), caption);
}

void drawRecipientLines(QPainter &painter, QPoint origin, QStringList &lines, const QFont &boxFont)
{
    tidyRecipientLines(lines);
    drawBlock(painter, origin, wrappedLines(lines, boxFont, RecipientBoxWidth));
}

void drawSenderLines(QPainter &painter, QPoint origin, const WorkDir &workDir, const QFont &boxFont)
{
    const QStringList lines = workDir.loadLines(QStringLiteral("User.txt"));
    drawBlock(painter, origin, wrappedLines(lines, boxFont, SenderBoxWidth));
}

BlockAnchors drawEnvelope(QImage &image, EnvelopeShape shape, SharedState &state, const WorkDir &workDir)
{
    const QSize size = previewImageSize(shape);
    if (size.isValid() && image.size() != size) {
        image = QImage(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(PictureDotsPerMetre);
        image.setDotsPerMeterY(PictureDotsPerMetre);
    }
    if (image.isNull())
        return {};

    QPainter painter(&image);
    painter.setFont(previewTextFont());
    painter.setPen(PreviewTextColour);
    painter.setBackgroundMode(Qt::OpaqueMode);
    if (size.isValid())
        painter.fillRect(image.rect(), EnvelopeColour);

    drawStamp(painter, image.size());
    painter.setBackground(EnvelopeColour);

    const BlockAnchors a = previewAnchors(image.size(), state);

    const QStringList &list = state.mailingList();
    if (!list.isEmpty()) {
        state.setPreviewIndex(std::clamp<int>(state.previewIndex(), 0, int(list.size()) - 1));
        if (state.mailing().source != SourceMode::None) {
            state.lookupRecipient(state.previewIndex(), false);
            QStringList lines = state.recipientDetails();
            drawRecipientLines(painter, QPoint(a.recipientX, a.recipientY), lines, state.mainFont());
            if (lines != state.recipientDetails())
                state.setRecipientDetails(lines);
        }
    }

    drawSenderLines(painter, QPoint(a.senderX, a.senderY), workDir, state.mainFont());
    return a;
}
