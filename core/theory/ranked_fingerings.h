#pragma once
// Every way to finger a chord on a fretted instrument of any tuning, best
// first: the shapes a teacher would show come out on top.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/finger_placement.h"
#include "core/theory/pitch_set.h"
#include "core/theory/notes.h"

// Fretted notes must lie within this many neighbouring frets; open strings are free.
constexpr int DefaultHandSpan = 4;
// A hand has four fingers to fret with (the thumb is not counted).
constexpr int MaxFretFingers = 4;
constexpr int NotPlayedFret = -1;
// The longest neck searched.
constexpr int MaxNeckFrets = 48;
// A bass or root pitch class left open.
constexpr int NoPitchClass = -1;

struct FingeringRequest {
    // Bit p for pitch class p (0 = A ... 11 = G#): each must sound, no other may.
    std::uint16_t pitchClasses = 0;
    // Pitch class that must be the lowest sounding note; -1 for any (as
    // ukulele players play inversions freely).
    int bass = NoPitchClass;
    // Pitch class whose doubling is welcome (the chord's root); -1: the bass.
    int root = NoPitchClass;
    // Open note of string 0, 1, ... in the tuning's slot order (slot 0 is the
    // last string written in the tuning entry). At most chord::Slots strings.
    std::vector<NOTES> openStrings;
    int frets = 12;  // the highest fret of the neck
    int capo = 0;    // 0: no capo; strings at the capo count as open
    int span = DefaultHandSpan;
};

struct Fingering {
    // Per string slot: the fret counted from the nut, or NotPlayedFret. A
    // string at the capo fret (0 without a capo) is played open.
    std::array<int, chord::Slots> frets;
    int strings = 0;
    int fingers = 0;  // fretting fingers, a barre or a course counted once
    int cost = 0;     // lower plays more easily
    FingerPlacement hand;  // which finger frets each string
};

// Every fingering that sounds exactly the request's pitch classes, the bass
// lowest, fretted notes within the span and at most MaxFretFingers fingers,
// ordered best first; at most `count` of them. Nothing for a request that
// cannot be met (no pitch classes, a bass outside them, a capo above the
// frets or MaxNeckFrets, more than chord::Slots strings).
std::vector<Fingering> FindRankedFingerings(const FingeringRequest& request,
                                            std::size_t count = std::numeric_limits<std::size_t>::max());

// The same in the Guitar's terms: the pitch classes and bass (its lowest
// note) of `wanted`, the strings of `tuning` (its leading slots that hold a
// note), the fret positions of the neck with the open one (FretCount: 13 for
// frets 0-12) and the capo fret.
std::vector<Fingering> RankedFingeringsFor(const chord& wanted, const chord& tuning, int fretPositions, int capo,
                                           int span = DefaultHandSpan, bool anyBass = false,
                                           std::size_t count = std::numeric_limits<std::size_t>::max());

// The pitch classes of a chord with its lowest note as the root; empty for a
// chord without notes.
PitchSet BassPitchSet(const chord& c);

// The same for a chord found by Find, given as its pitch set (its root the
// bass unless anyBass).
std::vector<Fingering> RankedFingeringsForPitchSet(PitchSet pitchSet, const chord& tuning, int fretPositions, int capo,
                                                   int span = DefaultHandSpan, bool anyBass = false,
                                                   std::size_t count = std::numeric_limits<std::size_t>::max());

// Puts the notes the fingering plays into `played`: slot i becomes tuning
// slot i + fret, or -1 for a silent string and past the fingering's strings.
// The chord's other fields stay.
void PlayFingering(const Fingering& fingering, const chord& tuning, chord& played);

// "x 3 2 0 1 0": the frets from the last string slot (on most instruments the
// lowest string) to string 0, x for a silent string.
std::string FingeringText(const Fingering& fingering);
