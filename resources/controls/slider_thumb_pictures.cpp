// Slider thumbs (pictures 32000 and 32003): a raised key cap with a point
// toward the tick marks; the slider writes its value on the cap. 32000 takes
// the colours of a button, 32003 is tinted amber as a loudness setting.
#include <QPainter>
#include <QPainterPath>

#include "resources/controls/control_bitmaps.h"
#include "resources/controls/picture_colours.h"

namespace {

QColor ThumbFace(int pictureId, const QPalette& palette)
{
    if (pictureId == ControlBitmap::VelocityThumb) return QColor(255, 190, 70);
    return palette.color(QPalette::Button);
}

}  // namespace

QColor SliderThumbTextColour(int pictureId, const QPalette& palette)
{
    if (pictureId == ControlBitmap::VelocityThumb) return QColor(30, 20, 0);
    return palette.color(QPalette::ButtonText);
}

void PaintSliderThumb(QPainter& painter, const QRectF& box, int pictureId, bool pressed, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal point = qMin(5.0, box.height() / 4);
    const QRectF body(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - point - 1);
    const qreal radius = qMin(3.0, body.width() / 4);

    QPainterPath outline;
    outline.moveTo(body.left() + radius, body.top());
    outline.lineTo(body.right() - radius, body.top());
    outline.quadTo(body.topRight(), QPointF(body.right(), body.top() + radius));
    outline.lineTo(body.right(), body.bottom());
    outline.lineTo(body.center().x(), box.bottom() - 0.5);
    outline.lineTo(body.left(), body.bottom());
    outline.lineTo(body.left(), body.top() + radius);
    outline.quadTo(body.topLeft(), QPointF(body.left() + radius, body.top()));
    outline.closeSubpath();

    const QColor face = ThumbFace(pictureId, palette);
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, pressed ? face.darker(110) : MixColours(face, Qt::white, 0.35));
    shade.setColorAt(1, pressed ? face : face.darker(115));
    painter.setPen(QPen(OutlineColour(palette), 1));
    painter.setBrush(shade);
    painter.drawPath(outline);

    // A light rim inside the top edge makes the cap look raised.
    painter.setPen(QPen(QColor(255, 255, 255, pressed ? 40 : 110), 1));
    painter.drawLine(QPointF(body.left() + radius, body.top() + 1), QPointF(body.right() - radius, body.top() + 1));
    painter.restore();
}
