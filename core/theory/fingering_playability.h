#pragma once
// How easily a hand plays one fingering: the rules that rank fingerings.

#include "core/theory/notes.h"

// The most strings an instrument has (chord::Slots).
constexpr int MaxPlayedStrings = 12;

// The strings a search plays on, worked out once for all its fingerings.
struct PlayedStrings {
    int count = 0;
    int capo = 0;
    NOTES open[MaxPlayedStrings] = {};  // open notes, in slot order
    int openPc[MaxPlayedStrings] = {};  // their pitch classes
    // Slot s is tuned to the pitch class of slot s - 1: the second string of
    // a course (12-string guitar, mandolin), fretted alike and counted once.
    bool secondOfCourse[MaxPlayedStrings] = {};
    int coursesBefore[MaxPlayedStrings + 1] = {};  // courses among the slots before s
};

// `count` strings (at most MaxPlayedStrings) tuned to `open`, with the capo fret.
PlayedStrings StringsOf(const NOTES* open, int count, int capo);

struct Playability {
    int fingers = 0;  // fretting fingers, a barre or a course counted once
    int cost = 0;     // lower plays more easily
};

// `frets` per string slot from the nut (-1 silent, the capo fret open).
// `bassAsked`: the fingering must put a given bass lowest, so strings left
// out on the bass side are expected and the note next above the bass counts.
// `root`: the pitch class whose doubling is welcome and that a barre from the
// bass should hold (-1: none). A fingering that needs more than
// MaxFretFingers fingers is not costed.
Playability JudgePlayability(const int* frets, const PlayedStrings& strings, bool bassAsked, int root);
