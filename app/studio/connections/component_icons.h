#pragma once
// The pictures of the Connections window, drawn in code in the colours of the
// current palette so they stay crisp at any pixel ratio and readable in a dark
// theme: one icon per component type, numbered by type id (Guitar 1003,
// Keyboard 1004, Splitter 1006, Joiner 1007, Player 1008, Analyzer 9019), the Joiner that
// does not pass notes through (9020), the pass-through mark drawn over an
// icon (9017), the window's own icon (9018) and the port cursors (24001 over
// an input, 24002 over an output).

#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QPalette;
class QRectF;

namespace ConnectionsPicture {
constexpr int PassThroughMark = 9017;
constexpr int WindowIcon = 9018;
constexpr int HoldingJoiner = 9020;
constexpr int InputCursor = 24001;
constexpr int OutputCursor = 24002;
}  // namespace ConnectionsPicture

// The icon a component shows: by its type, a Joiner by whether it passes
// notes through.
int ComponentPictureId(int typeId, bool passThrough);

// Draws picture id (a 32 x 32 design scaled to box); an unknown type id gets
// a plain tile with a question mark.
void PaintComponentPicture(QPainter& painter, const QRectF& box, int id, const QPalette& palette);
// Picture id at size x size device-independent pixels for a device of pixel
// ratio dpr, drawn once per palette and kept.
QPixmap ComponentPicture(int id, int size, qreal dpr, const QPalette& palette);
QIcon ComponentIcon(int id);
QCursor PortCursor(int id);
