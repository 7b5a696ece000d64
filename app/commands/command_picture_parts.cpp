#include "app/commands/command_picture_parts.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>

#include "resources/controls/palette_glyphs.h"
#include "resources/controls/picture_colours.h"

namespace CommandPicture {

Inks InksFor(const QPalette& palette, bool enabled)
{
    Inks inks;
    inks.ink = palette.color(QPalette::Active, QPalette::WindowText);
    inks.paper = palette.color(QPalette::Active, QPalette::Base);
    inks.accent = palette.color(QPalette::Active, QPalette::Highlight);
    const bool dark = IsDarkPalette(palette);
    inks.soft = dark ? inks.accent.darker(160) : inks.accent.lighter(170);
    inks.alarm = dark ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc6, 0x28, 0x28);
    if (!enabled) {
        // A disabled picture is drawn in one colour between the window's and
        // its text's: dimmed, yet seen. The palette's own disabled text is
        // in many themes, dark ones above all, nearly the window's colour.
        inks.ink = MixColours(palette.color(QPalette::Window), inks.ink, 0.4);
        inks.paper = palette.color(QPalette::Disabled, QPalette::Base);
        inks.accent = inks.ink;
        inks.soft = inks.paper;
        inks.alarm = inks.ink;
    }
    return inks;
}

QPen Outline(const QColor& c, qreal width) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Page(QPainter& p, const Inks& k, qreal x, qreal y, qreal w, qreal h)
{
    const qreal fold = w * 0.35;
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - fold, y);
    path.lineTo(x + w, y + fold);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(Outline(k.ink));
    p.setBrush(k.paper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(x + w - fold, y), QPointF(x + w - fold, y + fold), QPointF(x + w, y + fold)}));
}

void Plus(QPainter& p, const QColor& c, QPointF centre, qreal arm)
{
    p.setPen(Outline(c, 2.0));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void Cross(QPainter& p, const QColor& c, QPointF centre, qreal arm)
{
    p.setPen(Outline(c, 2.0));
    p.drawLine(centre - QPointF(arm, arm), centre + QPointF(arm, arm));
    p.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

void Window(QPainter& p, const Inks& k, const QRectF& r)
{
    p.setPen(Outline(k.ink));
    p.setBrush(k.paper);
    p.drawRect(r);
    p.setBrush(k.accent);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), qMin(3.0, r.height() / 3)));
}

void Node(QPainter& p, const Inks& k, const QRectF& r)
{
    p.setPen(Outline(k.ink));
    p.setBrush(k.soft);
    p.drawRoundedRect(r, 1.2, 1.2);
}

void Arrow(QPainter& p, const QColor& c, QPointF from, QPointF to)
{
    p.setPen(Outline(c, 1.2));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(3);
    a.setAngle(line.angle() + 30);
    QLineF b = line;
    b.setLength(3);
    b.setAngle(line.angle() - 30);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({to, a.p2(), b.p2()}));
}

void Keys(QPainter& p, const Inks& k, const QRectF& r, int whites)
{
    const qreal w = r.width() / whites;
    p.setPen(Outline(k.ink, 0.8));
    p.setBrush(Qt::white);
    for (int i = 0; i < whites; ++i) p.drawRect(QRectF(r.left() + i * w, r.top(), w, r.height()));
    p.setBrush(QColor(0x20, 0x20, 0x24));
    for (int i = 1; i < whites; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 3 || inOctave == 0) continue;  // E-F and B-C have none
        p.drawRect(QRectF(r.left() + i * w - w * 0.3, r.top(), w * 0.6, r.height() * 0.6));
    }
}

void EighthNote(QPainter& p, const QColor& c, QPointF head, qreal size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.save();
    p.translate(head);
    p.rotate(-20);
    p.drawEllipse(QRectF(-size * 0.55, -size * 0.38, size * 1.1, size * 0.76));
    p.restore();
    p.setPen(Outline(c, size * 0.22));
    const QPointF top(head.x() + size * 0.48, head.y() - size * 2.4);
    p.drawLine(QPointF(head.x() + size * 0.48, head.y() - size * 0.1), top);
    QPainterPath flag;
    flag.moveTo(top);
    flag.cubicTo(top + QPointF(size * 0.2, size * 0.7), top + QPointF(size * 1.2, size * 0.8),
                 top + QPointF(size * 0.8, size * 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flag);
}

void SpeakerSounding(QPainter& p, const Inks& k) { PaletteGlyph::SpeakerLoud(p, QRectF(1, 1, 18, 18), k.ink); }

void SpeakerSilent(QPainter& p, const Inks& k)
{
    PaletteGlyph::SpeakerMuted(p, QRectF(1, 1, 18, 18), k.ink);
    Cross(p, k.alarm, QPointF(15, 10), 2.6);
}

}  // namespace CommandPicture
