#pragma once
// Drawing the fingerboard: wood, fret wires with their inlays, strings by
// gauge, the capo, the label column, the Find display and the string
// markers, in that order. Only what meets the update rectangle is drawn.

#include <QRect>

class FingerboardGeometry;
class QFont;
class QPainter;
struct FingerboardState;

struct LabelFont {
    const QFont* font = nullptr;  // the default GUI font
    int charWidth = 0;            // its average character width
    int ascent = 0;
};

void PaintFingerboard(QPainter& painter, const FingerboardGeometry& geometry, const FingerboardState& state,
                      const LabelFont& labels, const QRect& update);

// The label column: light gray, with the spelling and the note name of each
// string that plays.
void PaintLabelColumn(QPainter& painter, const FingerboardGeometry& geometry, const FingerboardState& state,
                      const LabelFont& labels);

// The marker of every string.
void PaintMarkers(QPainter& painter, const FingerboardGeometry& geometry, const FingerboardState& state,
                  const QRect& update);
