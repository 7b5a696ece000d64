#pragma once
// The Find display on the fingerboard: a label cell on every fret, from the
// capo up, whose pitch the found chord, key or scale holds; red when the
// strings play that pitch, blue when not, marked when it is an optional note.

#include <QRect>
#include <QRegion>

class FingerboardGeometry;
class QPainter;
struct FingerboardState;

void PaintFound(QPainter& painter, const FingerboardGeometry& geometry, const FingerboardState& state,
                const QRect& update);

// Where the cells lie (empty while there is no Find display): what a change
// of the played notes repaints.
QRegion FoundRegion(const FingerboardGeometry& geometry, const FingerboardState& state);
