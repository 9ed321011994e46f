#include "ui/common/QtIcons.h"

#include "ui/common/Theme.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Strokes that stand on the background itself (not on a drawn sheet) take the palette's text
// colour, so that they show under a dark theme as under a light one.
QColor ink()
{
    return theme::ink(theme::current());
}

// A coloured part that stands on the background itself (a book cover, a door), lightened on a dark
// background.
QColor onWindow(const QColor &colour)
{
    return theme::readableOn(colour, theme::current().color(QPalette::Window));
}

// Red marks (dimension lines, the exit arrow).
QColor redInk()
{
    return onWindow(QColor(200, 0, 0));
}

QIcon drawn(const char *themeName, const std::function<void(QPainter &)> &draw)
{
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(themeName));
    if (!themed.isNull())
        return themed;
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(QColor(40, 40, 40), 1.0));
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

void page(QPainter &p, QRectF r, QColor fill = Qt::white)
{
    p.setBrush(fill);
    p.drawRect(r);
}

void lines(QPainter &p, qreal x0, qreal x1, qreal y0, int n)
{
    for (int i = 0; i < n; ++i)
        p.drawLine(QPointF(x0, y0 + i * 2.5), QPointF(x1, y0 + i * 2.5));
}

void envelopeShape(QPainter &p, QRectF r)
{
    p.setBrush(QColor(255, 251, 240));
    p.drawRect(r);
    p.drawLine(r.topLeft(), QPointF(r.center().x(), r.center().y() + 1));
    p.drawLine(r.topRight(), QPointF(r.center().x(), r.center().y() + 1));
}

} // namespace

namespace icons {

QIcon letter()
{
    return drawn("accessories-text-editor", [](QPainter &p) {
        page(p, QRectF(3.5, 1.5, 9, 13));
        lines(p, 5, 11, 4.5, 4);
    });
}

QIcon copy()
{
    return drawn("edit-copy", [](QPainter &p) {
        page(p, QRectF(1.5, 1.5, 8, 10));
        page(p, QRectF(6.5, 4.5, 8, 10));
        lines(p, 8, 13, 7.5, 3);
    });
}

QIcon paste()
{
    return drawn("edit-paste", [](QPainter &p) {
        page(p, QRectF(2.5, 2.5, 11, 12), QColor(205, 170, 110));
        page(p, QRectF(5.5, 1.5, 5, 3), QColor(180, 180, 180));
        page(p, QRectF(4.5, 6.5, 7, 7));
    });
}

QIcon print()
{
    return drawn("document-print", [](QPainter &p) {
        page(p, QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        page(p, QRectF(4.5, 10.5, 7, 4));
    });
}

QIcon envelope()
{
    return drawn("mail-send", [](QPainter &p) { envelopeShape(p, QRectF(1.5, 3.5, 13, 9)); });
}

QIcon group()
{
    return drawn("mail-send-receive", [](QPainter &p) {
        envelopeShape(p, QRectF(4.5, 1.5, 10, 7));
        envelopeShape(p, QRectF(1.5, 7.5, 10, 7));
    });
}

QIcon size()
{
    return drawn("transform-scale", [](QPainter &p) {
        envelopeShape(p, QRectF(1.5, 4.5, 13, 8));
        p.setPen(QPen(redInk(), 1.0));
        p.drawLine(QPointF(1.5, 2), QPointF(14.5, 2));
        p.drawLine(QPointF(1.5, 0.5), QPointF(1.5, 3.5));
        p.drawLine(QPointF(14.5, 0.5), QPointF(14.5, 3.5));
    });
}

QIcon book()
{
    return drawn("x-office-address-book", [](QPainter &p) {
        p.setBrush(onWindow(QColor(60, 90, 160)));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 4.5, 6, 3));
    });
}

QIcon font()
{
    return drawn("preferences-desktop-font", [](QPainter &p) {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(ink());
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
    });
}

QIcon user()
{
    return drawn("user-info", [](QPainter &p) {
        p.setBrush(QColor(230, 190, 150));
        p.drawEllipse(QRectF(5, 1.5, 6, 6));
        p.setBrush(onWindow(QColor(70, 110, 170)));
        QPainterPath body;
        body.moveTo(2, 15);
        body.cubicTo(2, 8, 14, 8, 14, 15);
        body.closeSubpath();
        p.drawPath(body);
    });
}

QIcon postcode()
{
    return drawn("edit-find", [](QPainter &p) {
        envelopeShape(p, QRectF(1.5, 2.5, 10, 7));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink(), 1.5));
        p.drawEllipse(QRectF(7, 7, 5, 5));
        p.drawLine(QPointF(11.5, 11.5), QPointF(14.5, 14.5));
    });
}

namespace {

// A blue disc with a white letter: the help and About items.
QIcon letterBadge(const char *themeName, const QString &face, const QString &letter)
{
    return drawn(themeName, [face, letter](QPainter &p) {
        p.setBrush(QColor(60, 120, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont f(face);
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, letter);
    });
}

} // namespace

QIcon help()
{
    return letterBadge("help-contents", QStringLiteral("Sans"), QStringLiteral("?"));
}

QIcon about()
{
    return letterBadge("help-about", QStringLiteral("Serif"), QStringLiteral("i"));
}

QIcon exit()
{
    return drawn("application-exit", [](QPainter &p) {
        p.setBrush(onWindow(QColor(150, 100, 60)));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(QPen(redInk(), 1.5));
        p.drawLine(QPointF(7, 8), QPointF(15, 8));
        p.drawLine(QPointF(12, 5), QPointF(15, 8));
        p.drawLine(QPointF(12, 11), QPointF(15, 8));
    });
}

} // namespace icons
