#pragma once
// A component's Find settings: what the Search dialog last found for it and
// the choice it starts from next time. Kept in the studio file.

#include "core/theory/pitch_set.h"

struct FindState {
    PitchSet found;     // what the Find display shows; empty: nothing
    PitchSet optional;  // the found chord's optional intervals (no root)
    int kind = 0;       // chords, scales or keys, as the Search dialog counts them
    int rootIndex = -1;
    int nameIndex = -1;
    // The letter (0 A .. 6 G) the found root was named with, so that C# major
    // is not shown as Db major; -1 when it was not named. Not kept in the
    // studio file, whose Find record has no room for it.
    int rootLetter = -1;
};
