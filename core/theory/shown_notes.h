#pragma once
// Notes as the user reads them: spelled and numbered by the user's settings.
// What is stored or exchanged (studio files, cantrel.ini, the clipboard's text
// form) keeps chord::GetNoteName / chord::GetFullNoteName and the numbering
// from A, so that older files and other copies of the program read the same.

#include <string>

#include "core/theory/notes.h"

// The chord a note is read in. Without one (root NoNote) a note takes the
// default spelling of the accidentals setting.
struct SpellingContext {
    NOTES root = NoNote;  // root of the named chord, key or scale
};

// Name of the pitch class of n, without octave.
std::string ShownNoteName(NOTES n, const SpellingContext& context = {});

// Octave number the user reads for n.
int ShownOctave(NOTES n);

// Name and octave number as the user reads them ("C#4").
std::string ShownFullNoteName(NOTES n, const SpellingContext& context = {});
