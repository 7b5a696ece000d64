#include "app/studio/connections/component_icons.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmapCache>
#include <QPolygonF>

#include "app/commands/command_picture_parts.h"
#include "core/studio/component_types.h"

using namespace CommandPicture;

namespace {

// The tile every component icon stands on.
void Tile(QPainter& p, const Inks& k)
{
    p.setPen(Outline(k.ink, 1.4));
    p.setBrush(k.paper);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
}

void Keyboard(QPainter& p, const Inks& k)
{
    Tile(p, k);
    Keys(p, k, QRectF(5, 8, 22, 17), 5);
}

void Guitar(QPainter& p, const Inks& k)
{
    Tile(p, k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8d, 0x5a, 0x2b));
    p.drawRect(QRectF(4, 8, 24, 16));
    p.setPen(Outline(QColor(0xd8, 0xd8, 0xd8), 1.0));
    for (qreal x : {10.0, 16.0, 22.0}) p.drawLine(QPointF(x, 8), QPointF(x, 24));
    p.setPen(Outline(QColor(0xf4, 0xe4, 0xb0), 0.8));
    for (int s = 0; s < 6; ++s) p.drawLine(QPointF(4, 9.5 + 2.6 * s), QPointF(28, 9.5 + 2.6 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(k.accent);
    p.drawEllipse(QPointF(13, 14.7), 1.8, 1.8);
    p.drawEllipse(QPointF(19, 19.9), 1.8, 1.8);
}

// Lines fanning between one point on the left and two on the right (or the
// other way round), with arrow heads where the notes go.
void Fork(QPainter& p, const Inks& k, bool splitting, bool arrowOut)
{
    Tile(p, k);
    const QPointF single = splitting ? QPointF(7, 16) : QPointF(25, 16);
    const QPointF pair[2] = {splitting ? QPointF(25, 8) : QPointF(7, 8), splitting ? QPointF(25, 24) : QPointF(7, 24)};
    const QPointF knot(16, 16);
    p.setPen(Outline(k.ink, 1.6));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& end : pair) {
        QPainterPath path(splitting ? knot : end);
        path.cubicTo(QPointF(splitting ? 20 : 12, splitting ? 16 : end.y()), QPointF(splitting ? 20 : 12, end.y()),
                     splitting ? end : knot);
        p.drawPath(path);
    }
    p.drawLine(single, knot);
    p.setBrush(k.accent);
    p.setPen(Outline(k.accent, 1.0));
    if (splitting) {
        for (const QPointF& end : pair)
            p.drawPolygon(QPolygonF({end + QPointF(2, 0), end + QPointF(-2.5, -2.5), end + QPointF(-2.5, 2.5)}));
    } else if (arrowOut) {
        p.drawPolygon(QPolygonF({single + QPointF(2, 0), single + QPointF(-2.5, -2.5), single + QPointF(-2.5, 2.5)}));
    } else {
        // Holding its merged chord: a bar where it would go out.
        p.drawRect(QRectF(single.x() - 1, single.y() - 4, 2.5, 8));
    }
}

void Analyzer(QPainter& p, const Inks& k)
{
    Tile(p, k);
    p.setPen(Outline(k.ink, 0.8));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(4, 8 + 3.5 * i), QPointF(22, 8 + 3.5 * i));
    p.setPen(Qt::NoPen);
    p.setBrush(k.ink);
    for (const QPointF& head : {QPointF(9, 16.5), QPointF(9, 13), QPointF(9, 9.5)}) p.drawEllipse(head, 2, 1.5);
    p.setPen(Outline(k.accent, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(18, 17), 5.5, 5.5);
    p.drawLine(QPointF(22, 21), QPointF(27, 26));
}

// A play triangle before a short run of notes: a song that sounds.
void Player(QPainter& p, const Inks& k)
{
    Tile(p, k);
    p.setPen(Outline(k.accent, 1.0));
    p.setBrush(k.accent);
    p.drawPolygon(QPolygonF({QPointF(5, 9), QPointF(13, 16), QPointF(5, 23)}));
    p.setPen(Outline(k.ink, 1.2));
    p.setBrush(k.ink);
    const QPointF heads[] = {QPointF(18, 21), QPointF(24, 18)};
    for (const QPointF& head : heads) {
        p.drawEllipse(head, 2.2, 1.6);
        p.drawLine(head + QPointF(2, 0), head + QPointF(2, -11));
    }
    p.drawLine(QPointF(20, 10), QPointF(26, 7));
}

// A badge in the lower right corner: notes go straight through.
void PassThroughMark(QPainter& p, const Inks& k)
{
    p.setPen(Outline(k.paper, 1.2));
    p.setBrush(k.accent);
    p.drawEllipse(QPointF(25, 25), 6, 6);
    p.setPen(Outline(k.paper, 1.6));
    p.drawLine(QPointF(21.5, 25), QPointF(28, 25));
    p.drawLine(QPointF(25.5, 22.5), QPointF(28, 25));
    p.drawLine(QPointF(25.5, 27.5), QPointF(28, 25));
}

void Unknown(QPainter& p, const Inks& k)
{
    Tile(p, k);
    p.setPen(k.ink);
    QFont font = p.font();
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

void WindowPicture(QPainter& p, const Inks& k)
{
    p.setPen(Outline(k.ink, 1.6));
    p.drawLine(QPointF(11, 9), QPointF(21, 16));
    p.drawLine(QPointF(11, 23), QPointF(21, 16));
    p.setBrush(k.soft);
    p.setPen(Outline(k.ink, 1.4));
    p.drawRoundedRect(QRectF(2, 4, 10, 10), 2, 2);
    p.drawRoundedRect(QRectF(2, 18, 10, 10), 2, 2);
    p.setBrush(k.accent);
    p.drawRoundedRect(QRectF(20, 11, 10, 10), 2, 2);
}

// A port square with an arrow going into it (input) or out of it (output),
// beside the point the cursor aims with.
void PortCursorPicture(QPainter& p, const Inks& k, bool input)
{
    p.setPen(Outline(Qt::white, 3.0));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.setPen(Outline(Qt::black, 1.2));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.setPen(Outline(Qt::white, 1.0));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(13, 13, 6, 6));
    Arrow(p, k.accent, input ? QPointF(2, 6) : QPointF(20, 6), input ? QPointF(12, 6) : QPointF(30, 6));
}

class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(int id) : id_(id) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        PaintComponentPicture(*painter, rect, id_, QGuiApplication::palette());
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return ComponentPicture(id_, qMin(size.width(), size.height()), scale, QGuiApplication::palette());
    }
    QIconEngine* clone() const override { return new PictureEngine(id_); }

private:
    int id_;
};

}  // namespace

int ComponentPictureId(int typeId, bool passThrough)
{
    return typeId == ComponentType::Joiner && !passThrough ? ConnectionsPicture::HoldingJoiner : typeId;
}

void PaintComponentPicture(QPainter& painter, const QRectF& box, int id, const QPalette& palette)
{
    const Inks k = InksFor(palette, true);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 32.0, box.height() / 32.0);
    switch (id) {
    case ComponentType::Keyboard: Keyboard(painter, k); break;
    case ComponentType::Guitar: Guitar(painter, k); break;
    case ComponentType::Splitter: Fork(painter, k, true, true); break;
    case ComponentType::Joiner: Fork(painter, k, false, true); break;
    case ConnectionsPicture::HoldingJoiner: Fork(painter, k, false, false); break;
    case ComponentType::Analyzer: Analyzer(painter, k); break;
    case ComponentType::Player: Player(painter, k); break;
    case ConnectionsPicture::PassThroughMark: PassThroughMark(painter, k); break;
    case ConnectionsPicture::WindowIcon: WindowPicture(painter, k); break;
    case ConnectionsPicture::InputCursor: PortCursorPicture(painter, k, true); break;
    case ConnectionsPicture::OutputCursor: PortCursorPicture(painter, k, false); break;
    default: Unknown(painter, k); break;
    }
    painter.restore();
}

QPixmap ComponentPicture(int id, int size, qreal dpr, const QPalette& palette)
{
    const QString key = QStringLiteral("connections/%1/%2/%3/%4").arg(id).arg(size).arg(dpr).arg(palette.cacheKey());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintComponentPicture(painter, QRectF(0, 0, size, size), id, palette);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon ComponentIcon(int id) { return QIcon(new PictureEngine(id)); }

QCursor PortCursor(int id)
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    return QCursor(ComponentPicture(id, 32, dpr, QGuiApplication::palette()), 16, 16);
}
