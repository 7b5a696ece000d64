#pragma once
// The pictures of the program: the program icon (1001), the buttons of the
// main and component tool bars (numbered like their commands), the All Sound
// Off button's two pictures (24734, 24735), the About box pictures (3389,
// 450, 451) and the list editors' Add and Delete (6514, 6513).
// They are drawn in code at whatever size and pixel ratio is asked for, in
// the colours of the current palette, so they stay crisp on high-density
// screens and readable in light and dark themes.

#include <QIcon>

class QPainter;
class QPalette;
class QRectF;

// The picture numbered id; a null icon for a number without one.
QIcon CommandIcon(int id);
// True when id has a picture.
bool HasCommandIcon(int id);
// Draws picture id into box (a 20 x 20 design scaled to the box).
void PaintCommandPicture(QPainter& painter, const QRectF& box, int id, const QPalette& palette, bool enabled = true);
