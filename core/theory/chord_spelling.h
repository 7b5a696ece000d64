#pragma once
// Spelling "By chord": each note named from the root of the chord, key or
// scale it is read in, one letter per degree. The root takes the spelling of
// the simpler key signature (Ab major, G# minor); where both are equally
// simple (F# or Gb major, D# or Eb minor) the standard spelling decides. A
// note that would need a double accidental is written as its plain
// enharmonic note, and a note outside any context keeps the standard name.

#include <string>

#include "core/theory/shown_notes.h"

class chord;
struct ChordNameParts;
struct KeyNameTag;
struct ScaleNameTag;

// Value of chord::Config_Accidentals that spells by chord.
constexpr int ByChordAccidentals = 4;

// The letters of the notes of one named chord, with its bass or added note.
SpellingContext ChordNameSpelling(const ChordNameParts& parts);

// The letters of c's first name; no letters when c has no name.
SpellingContext ChordSpelling(const chord& c);

// The letters of a key as [Keys] writes it, each letter once.
SpellingContext KeySpelling(const KeyNameTag& key);

// The letters of the first key of [Keys] called name; none when there is no
// such key.
SpellingContext NamedKeySpelling(const char* name);

// The letters of a set of pitch classes (bit p: pitch class p) on root, as
// the Find display and the Analyzer hold keys, scales and chords: seven
// notes use each letter once; others are spelled by their intervals. The
// root keeps rootLetter (0 A .. 6 G), the letter it was named with ("C#
// Major", not Db), unless that would need a double accidental; without it
// the root takes the letter of the simpler spelling.
constexpr int NoRootLetter = -1;
SpellingContext PitchSetSpelling(int root, unsigned pitchClasses, int rootLetter = NoRootLetter);

// The letters of a scale on root.
SpellingContext ScaleSpelling(NOTES root, const ScaleNameTag& scale);

// n as the context spells it ("D#", "Bb", "E#"), or empty when the context
// has no letter for it or would need a double accidental.
std::string SpelledNoteName(NOTES n, const SpellingContext& context);
