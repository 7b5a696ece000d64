#pragma once
// What the fingerboard shows besides its geometry: the tuning, the notes the
// strings play, the capo, the board flags, the mode and the Find display.

#include "core/theory/chord.h"
#include "core/theory/pitch_set.h"

struct FingerboardState {
    const chord* tuning = nullptr;  // open strings
    const chord* played = nullptr;  // slot s: the note string s plays, or -1
    int stringCount = 0;
    int capo = 0;
    int boardFlags = 0;
    bool notesMode = false;  // strings not played are not marked
    PitchSet found;          // the Find display, empty: none
    PitchSet foundOptional;  // its optional notes
    int foundRootLetter = -1;  // the letter its root was named with, or -1
};
