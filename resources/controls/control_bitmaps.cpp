// Lookup of the pictures by number, kept in the pixmap cache per palette and
// pixel ratio so that painting does not redraw them each time.
#include "resources/controls/control_bitmaps.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

QPixmap Strip(int count, qreal ratio)
{
    const int side = ControlBitmap::PictureSize;
    QPixmap pixmap(QSize(count * side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawBitmap(int id, const QPalette& palette, qreal ratio)
{
    const int side = ControlBitmap::PictureSize;
    switch (id) {
    case ControlBitmap::Leds: {
        QPixmap pixmap = Strip(2 * ControlBitmap::LedColours, ratio);
        QPainter painter(&pixmap);
        for (int picture = 0; picture < 2 * ControlBitmap::LedColours; ++picture)
            PaintLed(painter, QRectF(picture * side, 0, side, side), picture / 2, picture % 2 == 1, palette);
        return pixmap;
    }
    case ControlBitmap::ToggleSwitch: {
        QPixmap pixmap = Strip(3, ratio);
        QPainter painter(&pixmap);
        for (int state = 0; state < 3; ++state)
            PaintToggleSwitch(painter, QRectF(state * side, 0, side, side), state, palette);
        return pixmap;
    }
    case ControlBitmap::SliderThumb:
    case ControlBitmap::VelocityThumb: {
        QPixmap pixmap(QSize(24, 22) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintSliderThumb(painter, QRectF(0, 0, 24, 22), id, false, palette);
        return pixmap;
    }
    default: return PaintPaletteBitmap(id, palette, ratio);
    }
}

}  // namespace

QPixmap LoadControlBitmap(int id, const QPalette& palette, qreal ratio)
{
    if (ratio <= 0) ratio = 1;
    const QString key = QStringLiteral("cantrelctl-%1-%2-%3").arg(id).arg(palette.cacheKey()).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = DrawBitmap(id, palette, ratio);
    if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
    return pixmap;
}
