#pragma once
// How easily a hand plays one fingering: the rules that rank fingerings.

#include "core/theory/notes.h"

struct Playability {
    int fingers = 0;  // fretting fingers, a barre or a course counted once
    int cost = 0;     // lower plays more easily
};

// `frets` per string slot from the nut (-1 silent, the capo fret open),
// `open` the notes of those strings played open and `openPc` their pitch
// classes. `bassAsked`: the fingering must put a given bass lowest, so
// strings left out on the bass side are expected and the note next above the
// bass counts. `root`: the pitch class whose doubling is welcome and that a
// barre from the bass should hold (-1: none). A fingering that needs more
// than MaxFretFingers fingers is not costed.
Playability JudgePlayability(const int* frets, const NOTES* open, const int* openPc, int strings, int capo,
                             bool bassAsked, int root);
