#pragma once
// Moving what the strings play as one shape: along the neck (arrow keys),
// across the strings (a fourth per string), and onto a clicked fret
// (Shift+click). played and tuning hold one note per string.

#include "core/theory/chord.h"

struct NeckRange {
    const chord* tuning = nullptr;
    int strings = 0;
    int capo = 0;
    int frets = 13;  // fret positions, open position included
};

// Moves every fretted string by `semitones` (strings at the capo only when
// moveOpen). Refused as a whole, returning false, when a note would leave its
// string.
bool MoveAlongNeck(chord& played, const NeckRange& neck, int semitones, bool moveOpen);

// towardFirst: each string takes the note of the string after it a fourth
// higher, and the last string plays at the capo; else the other way. A note
// its new string cannot reach is dropped.
void MoveAcrossStrings(chord& played, const NeckRange& neck, bool towardFirst);

// Moves the shape so that its lowest fret lands on `fret`: the lowest fret
// played above the nut, or the nut itself when moveOpen and an open string
// plays. Open strings stay unless moveOpen; notes stay on their own string's
// frets. Nothing moves when no string counts.
void MoveShapeToFret(chord& played, const NeckRange& neck, int fret, bool moveOpen);
