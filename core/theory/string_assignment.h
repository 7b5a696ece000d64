#pragma once
// Laying notes on the strings of a fretted instrument: one note per string,
// each within the frets its string offers from the capo up. The Guitar
// component lays out every chord that arrives this way, and cantrel-cli
// strings prints the same layout.

#include "core/theory/chord.h"

// Fret positions a fingerboard can have, open position included (3 to 32
// frets).
constexpr int MinFretPositions = 4;
constexpr int MaxFretPositions = 33;

// Number of leading slots of tuning that hold a string (0 to 12).
int CountStrings(const chord& tuning);

// Whether string s of tuning can sound note n with a capo at fret capo on a
// fingerboard of `frets` positions: open + capo <= n <= open + frets - 1.
bool StringReaches(const chord& tuning, int s, long long n, int capo, int frets);

// The notes of c laid on the first `strings` strings of tuning: slot s of the
// result is the note string s plays, -1 when it is not played; its marks are
// clear and its key -1. Two layouts are tried, the highest notes from string
// 0 on and the lowest notes from the last string back; the one that plays
// more strings wins, and on a tie the one whose frets add up to less (the
// first on an equal sum). Notes no string can reach are dropped.
chord AssignStrings(const chord& c, const chord& tuning, int strings, int frets, int capo);
