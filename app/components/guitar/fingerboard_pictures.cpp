#include "app/components/guitar/fingerboard_pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <map>
#include <utility>

namespace FingerboardPicture {

namespace {

constexpr int PatternSize = 8;
constexpr int MarkerSize = 20;
constexpr int InlaySize = 12;

// The colour of pattern pixel (x, y).
QColor PatternPixel(int id, int x, int y)
{
    switch (id) {
    case FretWire: {
        // Across the wire: shadow, blue steel, the white gleam, and back.
        static const QColor across[PatternSize] = {QColor(70, 74, 86),    QColor(118, 138, 178), QColor(246, 248, 255),
                                                   QColor(196, 202, 214), QColor(132, 150, 186), QColor(84, 96, 126),
                                                   QColor(84, 96, 126),   QColor(84, 96, 126)};
        return across[x];
    }
    case PlainString: return x % 2 ? QColor(214, 182, 72) : QColor(242, 218, 118);
    case WoundLight:
    case WoundHeavy: {
        // Windings run slantwise; the heavier strings show wider gaps.
        const int period = id == WoundHeavy ? 4 : 3;
        switch ((x + y) % period) {
        case 0: return QColor(238, 206, 96);
        case 1: return QColor(150, 138, 40);
        case 2: return id == WoundHeavy ? QColor(196, 164, 58) : QColor(20, 16, 4);
        default: return QColor(20, 16, 4);
        }
    }
    default: return Qt::transparent;
    }
}

QPixmap MakePattern(int id, qreal dpr)
{
    QImage image(PatternSize, PatternSize, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < PatternSize; ++y)
        for (int x = 0; x < PatternSize; ++x) image.setPixelColor(x, y, PatternPixel(id, x, y));
    // Pixel art: every pixel becomes a block of the device's pixels.
    const int side = std::max(1, static_cast<int>(std::lround(PatternSize * dpr)));
    QPixmap pixmap = QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(static_cast<qreal>(side) / PatternSize);
    return pixmap;
}

void DrawDisc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill, const QColor& rim)
{
    p.setPen(QPen(rim, 1.4));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void DrawMarker(QPainter& p, int id)
{
    const QPointF centre(MarkerSize / 2.0, MarkerSize / 2.0);
    // A light rim keeps the black disc apart from the dark wood.
    DrawDisc(p, centre, 8.0, QColor(12, 12, 12), QColor(236, 226, 200));
    const QColor sign(250, 250, 250);
    if (id == OpenMarker) {
        p.setPen(QPen(sign, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 2.8, 4.2);
    } else if (id == SilentMarker) {
        p.setPen(QPen(sign, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.6, 6.6), QPointF(13.4, 13.4));
        p.drawLine(QPointF(13.4, 6.6), QPointF(6.6, 13.4));
    }
}

QPixmap MakeIcon(int id, qreal dpr)
{
    const int size = id == Inlay ? InlaySize : MarkerSize;
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (id == Inlay) {
        QRadialGradient pearl(QPointF(4.5, 4.5), 6.0);
        pearl.setColorAt(0, QColor(255, 255, 250));
        pearl.setColorAt(0.6, QColor(226, 230, 222));
        pearl.setColorAt(1, QColor(170, 176, 182));
        p.setPen(QPen(QColor(60, 40, 0), 0.8));
        p.setBrush(pearl);
        p.drawEllipse(QPointF(6, 6), 5.2, 5.2);
    } else if (id == FindDot) {
        DrawDisc(p, QPointF(MarkerSize / 2.0, MarkerSize / 2.0), 3.6, QColor(48, 210, 72), QColor(0, 70, 10));
    } else {
        DrawMarker(p, id);
    }
    return pixmap;
}

// Every picture once per id and pixel ratio.
const QPixmap& Cached(int id, qreal dpr, QPixmap (*make)(int, qreal))
{
    static std::map<std::pair<int, qreal>, QPixmap> cache;
    auto [at, added] = cache.try_emplace({id, dpr});
    if (added) at->second = make(id, dpr);
    return at->second;
}

}  // namespace

const QPixmap& Pattern(int id, qreal devicePixelRatio) { return Cached(id, devicePixelRatio, MakePattern); }

const QPixmap& Icon(int id, qreal devicePixelRatio) { return Cached(id, devicePixelRatio, MakeIcon); }

}  // namespace FingerboardPicture
