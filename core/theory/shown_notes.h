#pragma once
// Notes as the user reads them: spelled and numbered by the user's settings.
// What is stored or exchanged (studio files, cantrel.ini, the clipboard's text
// form) keeps chord::GetNoteName / chord::GetFullNoteName and the numbering
// from A, so that older files and other copies of the program read the same.

#include <array>
#include <cstdint>
#include <string>

#include "core/theory/notes.h"

// The chord, key or scale a note is read in. Without one (root NoNote) a note
// takes the default spelling of the accidentals setting.
struct SpellingContext {
    NOTES root = NoNote;  // root of the named chord, key or scale
    // Under "By chord": the letter (0 A .. 6 G) each pitch class is written
    // with; NoLetter where the chord, key or scale holds no such note.
    static constexpr std::int8_t NoLetter = -1;
    std::array<std::int8_t, 12> letters{NoLetter, NoLetter, NoLetter, NoLetter, NoLetter, NoLetter,
                                        NoLetter, NoLetter, NoLetter, NoLetter, NoLetter, NoLetter};
};

// Name of the pitch class of n, without octave.
std::string ShownNoteName(NOTES n, const SpellingContext& context = {});

// Octave number the user reads for n, in the numbering chosen
// (core/theory/octave_numbering.h).
int ShownOctave(NOTES n);

// Name and octave number as the user reads them ("C#4"). The octave is that
// of the letter, so that the name reads back: from C, Cb4 lies just below C4;
// from A, Ab6 just below A6.
std::string ShownFullNoteName(NOTES n, const SpellingContext& context = {});

// Reads one note as the user types it, in the numbering chosen ("C#4", "Db",
// "C-1" from C, where a minus before the octave is its sign, not a flat).
// Returns a pointer to the terminating zero, or nullptr with *out = NoNote.
// A note without octave takes the octave of the last note typed with one.
const char* ParseShownNote(const char* text, NOTES* out);

// Typed notes without octave start again from the middle octave.
void ResetShownNoteOctave();
