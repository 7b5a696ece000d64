#pragma once
// One note: 12 * (octave - 1) + pitch class, pitch classes counted from A
// (A 0 ... G# 11). -1 is "no note". MIDI note number = value - 3.

#include <cstdint>

using NOTES = std::int32_t;

constexpr NOTES NoNote = -1;
// The notes there are: A1 up to G11 (MIDI note 127).
constexpr NOTES LowestNote = 0;
constexpr NOTES HighestNote = 130;

// Pitch class 0..11 of any note value (the same as (n + 120) % 12 for every
// value down to -120, and still in range for values below).
constexpr int PitchClass(NOTES n) { return (n % 12 + 12) % 12; }

// Pitch class of a natural letter (either case), or -1 for anything else.
int NaturalPitchClass(char letter);

// Parses exactly one note written with an optional octave digit ("C#4", "Db",
// "c##4", "C#n4"). Returns a pointer to the terminating zero, or nullptr on
// failure, with *out = -1. Octaves run from 1 to 11, and a note that falls
// outside LowestNote..HighestNote ("Ab1", "G##11") fails. A note without a
// digit takes the octave of the last note parsed with one (process-wide, 6 at
// start).
const char* ParseNote(const char* text, NOTES* out);

// Whether text is written as one note, whatever octave it would take; the
// remembered octave stays as it is (for spellings such as key letters).
bool IsNoteSpelling(const char* text);

// Resets the remembered octave to its start value (6).
void ResetParseNoteOctave();

// Pitch class named at the start of text ("C Major" -> 3, "Bb Minor" -> 1), or -1.
int NoteValue(const char* text);

// Parses one chord degree ("7b", "9#", "13"). Returns a pointer behind what it
// read, or nullptr with *semitones = -1.
const char* ParseSpelling(const char* text, int* semitones);
