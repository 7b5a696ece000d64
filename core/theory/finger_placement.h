#pragma once
// Which finger frets each string of a fingering, as a chord book numbers
// them: 1 the index to 4 the little finger, the thumb never. A barre is one
// finger laid flat across several strings at one fret.

#include <array>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/notes.h"

constexpr int NoFinger = 0;

struct FingerBarre {
    int finger = NoFinger;
    int fret = 0;
    // String slots it lies across, bass side first: from >= to.
    int from = 0;
    int to = 0;
    bool operator==(const FingerBarre&) const = default;
};

struct FingerPlacement {
    // Per string slot: the finger that frets it, NoFinger for an open or a
    // silent string. A string under a barre that another finger frets higher
    // up names that finger.
    std::array<int, chord::Slots> finger{};
    std::vector<FingerBarre> barres;
    bool operator==(const FingerPlacement&) const = default;
};

// The fingers of `frets` (per string slot from the nut, -1 silent, the capo
// fret open) on strings tuned to `openStrings` (their count is the number of
// strings). Both strings of a course take one fingertip. Fingers rise with
// the fret; in first position each finger keeps to its own fret where it can.
FingerPlacement PlaceFingers(const std::array<int, chord::Slots>& frets, const std::vector<NOTES>& openStrings,
                             int capo);
