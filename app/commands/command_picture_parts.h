#pragma once
// The pieces the command pictures are made of: the colours of a picture,
// taken from the palette so that it reads in light and dark themes, and the
// small shapes several pictures share (pages, windows, nodes, arrows, keys,
// notes, the speaker). Measures are in the 20 x 20 design grid.

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>

class QPainter;
class QPalette;

namespace CommandPicture {

// The colours one picture is drawn in.
struct Inks {
    QColor ink;     // outlines
    QColor paper;   // pages and window bodies
    QColor accent;  // the highlight colour of the theme
    QColor soft;    // a light tint of the accent
    QColor alarm;   // closing and cutting
};

Inks InksFor(const QPalette& palette, bool enabled);
QPen Outline(const QColor& c, qreal width = 1.2);

// A page with a folded corner.
void Page(QPainter& p, const Inks& k, qreal x, qreal y, qreal w, qreal h);
void Plus(QPainter& p, const QColor& c, QPointF centre, qreal arm);
void Cross(QPainter& p, const QColor& c, QPointF centre, qreal arm);
// A small window with a title bar.
void Window(QPainter& p, const Inks& k, const QRectF& r);
// A component as the Connections window shows it.
void Node(QPainter& p, const Inks& k, const QRectF& r);
// A thin arrow with a filled head.
void Arrow(QPainter& p, const QColor& c, QPointF from, QPointF to);
// White keys with black keys over them, in the box.
void Keys(QPainter& p, const Inks& k, const QRectF& r, int whites);
void EighthNote(QPainter& p, const QColor& c, QPointF head, qreal size);
// A speaker filling the picture, sounding or crossed out.
void SpeakerSounding(QPainter& p, const Inks& k);
void SpeakerSilent(QPainter& p, const Inks& k);

}  // namespace CommandPicture
