#pragma once
// Drawing a chord box with QPainter, for the Fingerings list and the picture
// Edit > Copy puts on the clipboard.

#include <QImage>
#include <QRectF>

#include "core/theory/chord_box.h"

class QPainter;

// The box scaled by `scale` (pixels per box unit) with its top left at `topLeft`.
void PaintChordBox(QPainter& painter, const ChordBox& box, QPointF topLeft, qreal scale);

// The box alone, `scale` pixels per box unit, at the device pixel ratio given.
QImage ChordBoxImage(const ChordBox& box, qreal scale, qreal devicePixelRatio = 1);
