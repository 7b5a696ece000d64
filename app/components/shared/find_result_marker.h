#pragma once
// The mark the Find display puts on a label cell whose note is an optional
// note of the chord it found: a dashed frame around the cell.

#include <QPoint>

class QPainter;

void DrawFindResultMarker(QPainter& painter, QPoint cellTopLeft);
