#pragma once
// The pictures the fingerboard is drawn with, made in code for the pixel
// ratio they are shown at: the 8 x 8 patterns of fret wires and strings and
// the markers. The fingerboard's colours are its own (wood, metal, strings),
// so it reads the same in light and dark themes.

#include <QColor>
#include <QPixmap>

namespace FingerboardPicture {

// Pattern bitmaps.
constexpr int FretWire = 9003;    // metallic blue, gray and white
constexpr int WoundHeavy = 9004;  // yellow, olive and black windings
constexpr int WoundLight = 9005;
constexpr int PlainString = 9006;  // yellow

// Icons. The string markers are 9049 + the string's fingering mark.
constexpr int OpenMarker = 9049;     // black disc showing a zero
constexpr int FrettedMarker = 9056;  // plain black disc
constexpr int SilentMarker = 9057;   // black disc showing an X
constexpr int Inlay = 9058;          // mother-of-pearl dot
constexpr int FindDot = 9060;        // small green dot: in the Find display

// The wood of the neck.
inline QColor Wood() { return QColor(96, 64, 0); }

// An 8 x 8 pattern (in device-independent pixels), to be tiled from the
// edge of the wire or string it fills.
const QPixmap& Pattern(int id, qreal devicePixelRatio);
// A 20 x 20 marker, the green dot, or the 12 x 12 inlay dot.
const QPixmap& Icon(int id, qreal devicePixelRatio);

}  // namespace FingerboardPicture
