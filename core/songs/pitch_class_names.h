#pragma once
// Between the MIDI numbering of a song (pitch classes from C, key 60 = C4)
// and the engine's notes (pitch classes from A).

#include "core/theory/notes.h"

inline NOTES NoteOfMidiKey(int key) { return key + 3; }
inline int PitchClassFromC(NOTES n) { return (PitchClass(n) + 9) % 12; }
