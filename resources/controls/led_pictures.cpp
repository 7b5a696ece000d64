// LED pictures (bitmap 9001): a lens in a round bezel, dim when off, lit with a
// glow when on.
#include <QPainter>
#include <QRadialGradient>

#include "resources/controls/control_bitmaps.h"
#include "resources/controls/picture_colours.h"

namespace {

QColor LedColour(int led)
{
    switch (led) {
    case 0: return QColor(230, 40, 35);    // red
    case 1: return QColor(40, 200, 60);    // green
    case 2: return QColor(255, 176, 0);    // amber
    default: return QColor(40, 130, 255);  // blue
    }
}

}  // namespace

void PaintLed(QPainter& painter, const QRectF& box, int led, bool on, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(box.width(), box.height());
    const QPointF centre = box.center();
    const qreal bezelRadius = side * 0.44;
    const qreal lensRadius = side * 0.31;
    const QColor colour = LedColour(led);

    // Bezel: a ring shaded from top-left light to bottom-right dark.
    QLinearGradient bezel(centre - QPointF(bezelRadius, bezelRadius), centre + QPointF(bezelRadius, bezelRadius));
    bezel.setColorAt(0, MixColours(palette.color(QPalette::Light), Qt::white, 0.3));
    bezel.setColorAt(1, MixColours(palette.color(QPalette::Dark), Qt::black, 0.3));
    painter.setPen(QPen(OutlineColour(palette), side / 16.0));
    painter.setBrush(bezel);
    painter.drawEllipse(centre, bezelRadius, bezelRadius);

    if (on) {
        QRadialGradient glow(centre, bezelRadius);
        QColor halo = colour;
        halo.setAlphaF(0.45);
        glow.setColorAt(0.6, halo);
        halo.setAlphaF(0);
        glow.setColorAt(1, halo);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, bezelRadius, bezelRadius);
    }

    QRadialGradient lens(centre - QPointF(lensRadius * 0.35, lensRadius * 0.35), lensRadius * 1.3);
    if (on) {
        lens.setColorAt(0, MixColours(colour, Qt::white, 0.75));
        lens.setColorAt(0.45, colour);
        lens.setColorAt(1, colour.darker(130));
    } else {
        const QColor dim = MixColours(colour, QColor(40, 40, 40), 0.68);
        lens.setColorAt(0, MixColours(dim, Qt::white, 0.25));
        lens.setColorAt(1, dim.darker(140));
    }
    painter.setPen(QPen(QColor(0, 0, 0, 140), side / 20.0));
    painter.setBrush(lens);
    painter.drawEllipse(centre, lensRadius, lensRadius);

    // Specular highlight.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, on ? 200 : 90));
    painter.drawEllipse(
        QRectF(centre.x() - lensRadius * 0.65, centre.y() - lensRadius * 0.7, lensRadius * 0.7, lensRadius * 0.5));
    painter.restore();
}
