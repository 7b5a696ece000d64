#pragma once
// The records of the four definition lists kept in cantrel.ini: chord types,
// tunings, scales and keys. Each list is singly linked through `next`; text
// fields are zero-terminated and hold at most their size minus one characters.
// Records are allocated with `new` (value-initialised) and freed by the
// list's Release routine, also those a list editor links in.

#include <cstdint>

#include "core/theory/notes.h"

constexpr int DefinitionSlots = 12;

// Flag of an interval that players may leave out.
constexpr std::uint8_t OptionalInterval = 1;

// The widest interval an entry can spell: "13#", 22 semitones. ("14", 23
// semitones, has a name but no degree the reader accepts.)
constexpr int WidestInterval = 22;

// One chord type, such as "m7" (1 3b 5? 7b).
struct ChordNameTag {
    char name[15];                            // suffix written after the root in chord names; may be empty
    char description[40];                     // long name shown in lists
    std::int32_t count;                       // number of intervals
    std::int32_t intervals[DefinitionSlots];  // semitones above the root, 0-22, as written
    std::uint8_t flags[DefinitionSlots];      // per interval: OptionalInterval
    ChordNameTag* next;
};

// One tuning of a string instrument. The last string written is in slot 0.
struct TuningNameTag {
    char name[60];
    std::int32_t instrument;         // index into the instrument table
    std::int32_t count;              // number of strings
    NOTES strings[DefinitionSlots];  // open notes; slots without a string -1
    TuningNameTag* next;
};

// One scale: the semitones from each degree to the next, adding up to 12.
struct ScaleNameTag {
    char name[60];
    std::int32_t count;
    std::int32_t steps[DefinitionSlots];
    ScaleNameTag* next;
};

// A key has one pitch class for each of the letters A to G.
constexpr int KeyLetters = 7;

// One key: the pitch class of each letter A..G, and the tokens as written.
struct KeyNameTag {
    char name[60];                          // starts with the tonic ("Bb Major")
    std::int32_t pitchCount;                // always 7
    std::int32_t tokenCount;                // number of note tokens written
    std::int32_t pitches[DefinitionSlots];  // letters A B C D E F G in that order (first 7 used)
    char spelled[DefinitionSlots][3];       // each token as written, cut to 2 characters
    KeyNameTag* next;
};

// The instrument table holds at most this many names of at most 59 characters.
constexpr int MaxInstruments = 40;
constexpr int InstrumentNameSize = 60;
