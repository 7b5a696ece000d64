#pragma once
// Label strips: the small coloured cells of scale degrees and note names that
// the Find display draws on keys and on strings. Six strips of twelve cells;
// red marks a pitch class that is in the chord, blue one that is not. The
// cells are drawn in code at the device pixel ratio they are shown at.

#include <QPoint>
#include <QString>

#include "core/theory/shown_notes.h"

class QPainter;
class QPixmap;

namespace LabelStrips {

// Strip ids, as the resources number them.
enum Strip {
    DegreesBlue = 31,  // 1, b2, 2, b3, 3, 4, b5, 5, #5, 6, b7, 7
    DegreesRed = 32,
    SharpsRed = 33,  // A, A#, B, C, C#, D, D#, E, F, F#, G, G#
    SharpsBlue = 34,
    FlatsRed = 35,  // A, Bb, B, C, Db, D, Eb, E, F, Gb, G, Ab
    FlatsBlue = 36,
};

constexpr int CellWidth = 16;
constexpr int CellHeight = 15;
constexpr int CellCount = 12;
constexpr int StripWidth = CellWidth * CellCount;

struct Cell {
    int strip = DegreesBlue;
    int index = 0;
    // A white key's note written with the neighbouring letter, as keys with
    // many accidentals have it: E# and B# on a sharp strip, Cb and Fb on a
    // flat one. The strips have no such cells; it is drawn on its own.
    bool neighbourLetter = false;
    bool operator==(const Cell&) const = default;
};

// The cell that labels pitch class pc (counted from A) of a Find display
// whose tonic is `tonic`: a note name when showNoteNames (sharp or flat as
// the note is named in `spelling`), else its degree above the tonic; red
// when inChord.
Cell ChooseCell(int pc, int tonic, bool showNoteNames, bool inChord, const SpellingContext& spelling = {});

// The text a cell shows, with the sharp and flat signs as Unicode (for
// tooltips, accessibility and tests).
QString CellText(int strip, int index, bool neighbourLetter = false);
bool IsRed(int strip);

// One whole strip, StripWidth x CellHeight device-independent pixels, drawn
// for the given device pixel ratio and kept for later calls.
const QPixmap& StripPixmap(int strip, qreal devicePixelRatio);

// Draws one cell with its top-left corner at `topLeft`, crisp at the ratio of
// the painter's device.
void DrawCell(QPainter& painter, QPoint topLeft, Cell cell);

// The [Global] "ShowScaleNotes" preference: note names instead of degrees.
bool ShowScaleNotes();

}  // namespace LabelStrips
