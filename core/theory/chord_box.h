#pragma once
// A fingering as a chord box, the small upright diagram of chord books: the
// strings standing from the bass on the left (on the right for a left-handed
// player), the frets across, the nut at
// the top (or a thin line and the fret the box starts at, "5fr"), a dot with
// its finger number on each fretted string, an arc over a barre, x and o
// above silent and open strings. The box is a list of drawing primitives in
// its own units (about a pixel each), so that the Guitar's painter and the
// SVG writer draw the same picture.

#include <string>
#include <vector>

#include "core/theory/ranked_fingerings.h"

// The texts are set in this face, bold, so that every drawing of a box reads alike.
constexpr const char* ChordBoxFont = "DejaVu Sans";

// The layout, in box units.
namespace ChordBoxLayout {
constexpr double StringGap = 10;
constexpr double FretGap = 12;
// Lines of odd widths lie on half units, so that they fill whole pixels.
constexpr double Left = 24.5;  // room for "12fr"
constexpr double Top = 13.5;   // room for x and o
constexpr double Right = 5.5;  // a box of whole units
constexpr double Bottom = 3.5;
constexpr double DotRadius = 4.2;
constexpr int MinRows = 4;  // frets shown at least
}  // namespace ChordBoxLayout

struct ChordBoxLine {
    double x1, y1, x2, y2, width;
};

// A filled disc, or a ring of the given width.
struct ChordBoxCircle {
    double x, y, radius;
    bool filled;
    double width;
};

// The upper half of the ellipse through (x1, y) and (x2, y), rising `height`.
struct ChordBoxArc {
    double x1, x2, y, height, width;
};

enum class ChordBoxAnchor { Middle, End };

// Text on its baseline at y, centred on x or ending there; white on a dot,
// black elsewhere.
struct ChordBoxText {
    double x, y;
    std::string text;
    double size;
    ChordBoxAnchor anchor;
    bool onDot;
};

// Black on a white card of width x height.
struct ChordBox {
    double width = 0;
    double height = 0;
    std::vector<ChordBoxLine> lines;
    std::vector<ChordBoxCircle> circles;
    std::vector<ChordBoxArc> arcs;
    std::vector<ChordBoxText> texts;
};

// Where the box starts: the first fret row shown and how many. The top line
// is the nut (or the capo) when the shape fits under it, else the box starts
// at the lowest fretted fret and says which.
struct ChordBoxFrets {
    int first = 1;
    int rows = ChordBoxLayout::MinRows;
    bool atNut = true;
};
ChordBoxFrets ChordBoxFretsOf(const Fingering& fingering, int capo);

// Whose chart it is: a left-handed player's box is the mirror image, the
// bass string on the right, while its numbers and "5fr" still read as text.
enum class ChordBoxHand { Right, Left };

// The box of a fingering with its fingers; frets are counted from the nut,
// strings at the capo fret are open.
ChordBox DrawChordBox(const Fingering& fingering, int capo, ChordBoxHand hand = ChordBoxHand::Right);

// Its width and height for so many strings and fret rows.
double ChordBoxWidth(int strings);
double ChordBoxHeight(int rows);
