// Switch pictures (bitmap 9002): a slide switch whose knob sits left when off,
// in the middle while pressed, and right on a coloured track when on.
#include <QPainter>

#include "resources/controls/control_bitmaps.h"
#include "resources/controls/picture_colours.h"

void PaintToggleSwitch(QPainter& painter, const QRectF& box, int state, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(box.width(), box.height());
    const qreal unit = side / 16.0;
    const QRectF track(box.left() + 0.5 * unit, box.center().y() - 4.5 * unit, 15 * unit, 9 * unit);
    const QColor outline = OutlineColour(palette);

    QColor trackColour;
    switch (state) {
    case 2: trackColour = palette.color(QPalette::Highlight); break;
    case 1: trackColour = MixColours(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.45); break;
    default: trackColour = MixColours(palette.color(QPalette::Base), palette.color(QPalette::Mid), 0.35); break;
    }
    painter.setPen(QPen(outline, unit));
    painter.setBrush(trackColour);
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const qreal knobRadius = 3.4 * unit;
    const qreal travel = track.width() - 2 * (track.height() / 2);
    const qreal knobX = track.left() + track.height() / 2 + travel * (state / 2.0);
    const QPointF knobCentre(knobX, track.center().y());
    QLinearGradient knob(knobCentre - QPointF(0, knobRadius), knobCentre + QPointF(0, knobRadius));
    const QColor face = IsDarkPalette(palette) ? QColor(225, 225, 225) : QColor(255, 255, 255);
    knob.setColorAt(0, face);
    knob.setColorAt(1, face.darker(state == 1 ? 135 : 115));
    painter.setPen(QPen(MixColours(outline, Qt::black, 0.3), unit));
    painter.setBrush(knob);
    painter.drawEllipse(knobCentre, knobRadius, knobRadius);
    painter.restore();
}
