#include "logic/envelope/EnvelopeSizes.h"

#include <QCoreApplication>

int sizeIndexForCaption(const QString &text, const QStringList &captions)
{
    for (int i = 0; i < static_cast<int>(EnvelopeSizeTable.size()); ++i) {
        const QString caption = i < captions.size() ? captions.at(i) : QString();
        if (caption == text)
            return i;
    }
    return -1;
}

QString sizeLabelAtStartup(int height, int width)
{
    return QCoreApplication::translate("EnvelopeSizes", "%1 X %2мм").arg(height).arg(width);
}

QString sizeLabelFromDialog(int height, int width)
{
    return QCoreApplication::translate("EnvelopeSizes", "%1 X %2 мм").arg(height).arg(width);
}

QSize shapeSizeFor(EnvelopeShape shape, QSize current)
{
    switch (shape) {
    case EnvelopeShape::Standard:
        return {625, 448};
    case EnvelopeShape::Long:
        return {650, 310};
    case EnvelopeShape::Square:
        return {500, 450};
    default:
        return current;
    }
}

EnvelopeLayout envelopeLayout(EnvelopeShape shape, const EnvelopeLayoutInput &in)
{
    EnvelopeLayout out;
    out.shapeSize = shapeSizeFor(shape, in.shapeSize);
    const int left = in.shapePos.x();
    const int top = in.shapePos.y();
    const int width = out.shapeSize.width();
    const int height = out.shapeSize.height();
    out.stampPos = {left + width - in.stampSize.width() - 30, top + 20};
    out.recipientPos = {left + width - in.senderBoxWidth - 32, top + height - in.recipientBoxHeight - 48};
    out.recipientLabelPos = {out.recipientPos.x(), out.recipientPos.y() - in.recipientLabelHeight - 3};
    return out;
}
