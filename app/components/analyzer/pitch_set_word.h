#pragma once
// What the Analyzer reads from a pitch set: its notes from middle of the
// range, the chord and scale steps it plays, and its degrees for the status
// bar.

#include <string>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/pitch_set.h"
#include "core/theory/shown_notes.h"

// The notes 48 + root + i, i = 0..11, whose pitch class is in the word,
// ascending from the root.
std::vector<NOTES> WordNotes(PitchSet word);

// A chord of those notes in ascending slot order, with the sound settings
// (instrument, output, program) of sound.
chord WordChord(PitchSet word, const chord& sound);

// The word played as a scale: one chord per note, ascending from the root,
// then the root an octave higher (8 steps for a seven-note scale).
std::vector<chord> WordScaleSteps(PitchSet word, const chord& sound);

// "1:C  3:E  5:G  " for the C major triad: for each pitch class from the root
// upward, its simple interval above the root, a colon, its name, two blanks.
// Names are spelled as in `spelling` when it is given (a key as [Keys]
// writes it), else from the word itself.
std::string WordDegreesText(PitchSet word, const SpellingContext* spelling = nullptr);
