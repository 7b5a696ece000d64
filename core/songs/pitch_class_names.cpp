#include "core/songs/pitch_class_names.h"

#include "core/theory/shown_notes.h"

namespace {

// A note of pitch class pc (from C) in the middle of the range.
NOTES MiddleNote(int pc) { return NoteOfMidiKey(60 + (pc % 12 + 12) % 12); }

}  // namespace

std::string PitchClassName(int pitchClass, int root)
{
    return ShownNoteName(MiddleNote(pitchClass), SpellingContext{MiddleNote(root)});
}
