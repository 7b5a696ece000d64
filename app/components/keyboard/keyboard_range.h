#pragma once
// Which keys a piano keyboard shows: the range from its first C, and what a
// note is on it. Plain data, without any window.

#include "core/theory/notes.h"

namespace KeyboardLayout {

constexpr int WhiteKeyUnits = 54;
constexpr int BlackKeyUnits = 31;
constexpr int OctaveUnits = 7 * WhiteKeyUnits;
// The ranges the settings dialog gives: the first C from its slider's C1
// (MIDI 12) to C9 (MIDI 108), half an octave to seven octaves of keys. Keys
// above MIDI 127 are drawn and played into the chord; MIDI cannot sound them.
constexpr NOTES LowestStart = 15;
constexpr NOTES HighestStart = 111;
constexpr int MostKeys = 84;

// Pitch class counted from C (C 0 ... B 11).
int FromC(NOTES n);
bool IsC(NOTES n);
bool IsBlackKey(NOTES n);
// Left edge of a black key in units from its octave's C; 0 for a white key.
int BlackKeyOffset(int fromC);
// Semitones above C of the white keys of an octave.
int WhiteKeySemitones(int whiteIndex);
// White keys of an octave below a pitch class (from C).
int WhitesBelow(int fromC);

// The keys shown. The leftmost key is always a C (a start that is not one
// moves down to the C below, keeping the upper end) and the rightmost key a
// white one, so every note asked for within the dialog's bounds stays on the
// keyboard.
struct Range {
    NOTES FirstNote = 51;
    int KeyCount = 36;
    int WhiteUnits = 0;
    NOTES OctaveBase = 0;

    NOTES LastNote() const { return FirstNote + KeyCount - 1; }
    bool Holds(NOTES n) const { return n >= FirstNote && n <= LastNote(); }
    int WhiteKeys() const { return WhiteUnits / WhiteKeyUnits; }
};
Range MakeRange(NOTES firstNote, int keyCount);

}  // namespace KeyboardLayout
