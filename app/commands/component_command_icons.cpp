#include "app/commands/component_command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

#include "app/commands/component_commands.h"

namespace {

using namespace CommandPicture;

// A broad arrow along y, from tail x to tip x, in the accent colour.
void BroadArrow(QPainter& p, const Inks& k, qreal tail, qreal tip, qreal y)
{
    const qreal dir = tip > tail ? 1 : -1;
    const qreal neck = tip - dir * 4.5;
    p.setPen(Outline(k.ink, 1.0));
    p.setBrush(k.accent);
    p.drawPolygon(QPolygonF({QPointF(tail, y - 1.7), QPointF(neck, y - 1.7), QPointF(neck, y - 4.2), QPointF(tip, y),
                             QPointF(neck, y + 4.2), QPointF(neck, y + 1.7), QPointF(tail, y + 1.7)}));
}

// The component: a box holding a note.
void Component(QPainter& p, const Inks& k, const QRectF& r)
{
    Node(p, k, r);
    EighthNote(p, k.ink, QPointF(r.center().x() - 1.2, r.center().y() + 2.6), 2.2);
}

void PutOut(QPainter& p, const Inks& k)
{
    Component(p, k, QRectF(1.5, 3.5, 9, 13));
    BroadArrow(p, k, 10.5, 19, 10);
}

void GetIn(QPainter& p, const Inks& k)
{
    Component(p, k, QRectF(9.5, 3.5, 9, 13));
    BroadArrow(p, k, 1, 9.5, 10);
}

// A filled note head in the current brush, width wide.
void NoteHead(QPainter& p, QPointF centre, qreal width)
{
    p.save();
    p.translate(centre);
    p.rotate(-20);
    p.drawEllipse(QRectF(-width / 2, -width * 0.3, width, width * 0.6));
    p.restore();
}

void Find(QPainter& p, const Inks& k)
{
    p.setPen(Outline(k.ink, 3.0));
    p.drawLine(QPointF(12.4, 12.4), QPointF(17.8, 17.8));
    p.setPen(Outline(k.ink, 1.5));
    p.setBrush(k.soft);
    p.drawEllipse(QPointF(8.2, 8.2), 6.2, 6.2);
    // A chord under the lens.
    p.setPen(Qt::NoPen);
    p.setBrush(k.accent);
    for (int i = 0; i < 3; ++i) NoteHead(p, QPointF(7.4, 11.2 - 2.5 * i), 3.2);
    p.setPen(Outline(k.accent, 0.9));
    p.drawLine(QPointF(8.9, 10.8), QPointF(8.9, 3.6));
}

void Gear(QPainter& p, const Inks& k)
{
    constexpr int teeth = 8;
    const QPointF c(10, 10);
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, root.
        const qreal angle = (i - 0.5) * 2 * std::numbers::pi / (teeth * 4);
        const qreal radius = (i % 4 == 0 || i % 4 == 1) ? 8.6 : 6.4;
        const QPointF point = c + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.7, 2.7);
    p.setPen(Outline(k.ink, 1.1));
    p.setBrush(k.accent);
    p.drawPath(gear.subtracted(hole));
}

void Connections(QPainter& p, const Inks& k)
{
    // Two wires come in, one arrow goes out.
    p.setPen(Outline(k.ink, 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath wires;
    wires.moveTo(2, 3.5);
    wires.cubicTo(5, 3.5, 4, 8, 7, 8);
    wires.moveTo(2, 16.5);
    wires.cubicTo(5, 16.5, 4, 12, 7, 12);
    p.drawPath(wires);
    p.setBrush(k.ink);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(2, 3.5), 1.5, 1.5);
    p.drawEllipse(QPointF(2, 16.5), 1.5, 1.5);
    Arrow(p, k.accent, QPointF(13, 10), QPointF(19, 10));
    Node(p, k, QRectF(6.5, 5.5, 7, 9));
}

// Notes mode: one note.
void SingleNote(QPainter& p, const Inks& k) { EighthNote(p, k.ink, QPointF(8, 15), 4.6); }

// Chord mode: three notes on one stem.
void ChordNotes(QPainter& p, const Inks& k)
{
    const qreal x = 8.5;
    p.setPen(Qt::NoPen);
    p.setBrush(k.ink);
    for (qreal y : {16.6, 12.3, 8.0}) NoteHead(p, QPointF(x, y), 5.0);
    p.setPen(Outline(k.ink, 1.3));
    p.drawLine(QPointF(x + 2.3, 16), QPointF(x + 2.3, 1.5));
}

// The Backspace key, with a cross.
void Reset(QPainter& p, const Inks& k)
{
    p.setPen(Outline(k.ink, 1.3));
    p.setBrush(k.paper);
    p.drawPolygon(QPolygonF({QPointF(1.5, 10), QPointF(7, 4), QPointF(18.5, 4), QPointF(18.5, 16), QPointF(7, 16)}));
    Cross(p, k.alarm, QPointF(12.5, 10), 2.7);
}

}  // namespace

bool PaintComponentCommandPicture(QPainter& p, int id, const Inks& k)
{
    switch (id) {
    case ComponentCommand::PutOut: PutOut(p, k); return true;
    case ComponentCommand::GetIn: GetIn(p, k); return true;
    case ComponentCommand::Find: Find(p, k); return true;
    case ComponentCommand::ChangeSettings: Gear(p, k); return true;
    case ComponentCommand::ChangeConnections: Connections(p, k); return true;
    case ComponentCommand::ModeButtonNotes: SingleNote(p, k); return true;
    case ComponentCommand::ModeButtonChord: ChordNotes(p, k); return true;
    case ComponentCommand::Reset:
    case ComponentCommand::ResetPicture: Reset(p, k); return true;
    case ComponentCommand::SoundButtonOn: SpeakerSounding(p, k); return true;
    case ComponentCommand::SoundButtonOff: SpeakerSilent(p, k); return true;
    default: return false;
    }
}
