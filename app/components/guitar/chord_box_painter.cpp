#include "app/components/guitar/chord_box_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int TextDrawSize = 100;  // pixels

}  // namespace

void PaintChordBox(QPainter& painter, const ChordBox& box, QPointF topLeft, qreal scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(topLeft);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, box.width, box.height), Qt::white);
    for (const ChordBoxLine& l : box.lines) {
        painter.setPen(QPen(Qt::black, l.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    for (const ChordBoxCircle& c : box.circles) {
        painter.setPen(c.filled ? QPen(Qt::NoPen) : QPen(Qt::black, c.width));
        painter.setBrush(c.filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        painter.drawEllipse(QPointF(c.x, c.y), c.radius, c.radius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const ChordBoxArc& a : box.arcs) {
        QPainterPath arc(QPointF(a.x1, a.y));
        arc.arcTo(QRectF(a.x1, a.y - a.height, a.x2 - a.x1, 2 * a.height), 180, -180);
        painter.setPen(QPen(Qt::black, a.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawPath(arc);
    }
    // Texts are set large and scaled down, so that their outlines are not
    // fitted to a pixel grid of the small size: the same shapes at every
    // scale, and as SVG renderers draw them.
    QFont font(QString::fromLatin1(ChordBoxFont));
    font.setBold(true);
    font.setPixelSize(TextDrawSize);
    painter.setFont(font);
    for (const ChordBoxText& t : box.texts) {
        painter.save();
        painter.translate(t.x, t.y);
        painter.scale(t.size / TextDrawSize, t.size / TextDrawSize);
        painter.setPen(t.onDot ? Qt::white : Qt::black);
        const QString text = QString::fromStdString(t.text);
        const qreal width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(QPointF(t.anchor == ChordBoxAnchor::Middle ? -width / 2 : -width, 0), text);
        painter.restore();
    }
    painter.restore();
}

QImage ChordBoxImage(const ChordBox& box, qreal scale, qreal devicePixelRatio)
{
    const QSize size(qCeil(box.width * scale * devicePixelRatio), qCeil(box.height * scale * devicePixelRatio));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChordBox(painter, box, QPointF(0, 0), scale);
    return image;
}
