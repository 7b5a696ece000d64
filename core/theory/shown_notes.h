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

// Octave number the user reads for n.
int ShownOctave(NOTES n);

// Name and octave number as the user reads them ("C#4"). A sharp or flat
// takes the octave of the letter it alters, as Ab does when stored.
std::string ShownFullNoteName(NOTES n, const SpellingContext& context = {});
