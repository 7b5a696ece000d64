#pragma once
// One chord name as the naming search finds it, before it is written out:
// which pass found it, on which root, with which definition, and the notes
// its bass or added-note part names. The written form depends on the naming
// switches and the accidentals in force when it is written.

#include <cstddef>

#include "core/theory/notes.h"

struct ChordNameTag;

// The passes of the naming search, in the order their names come.
enum ChordNamePass {
    ExactNamePass = 0,   // exact names whose root is a chord note
    BassNamePass = 1,    // over a foreign bass (one extra note, the lowest)
    AddedNamePass = 2,   // with one added note
    NoRootNamePass = 3,  // whose root is not played (only with Config_NoRoot)
};

struct ChordNameParts {
    int pass = ExactNamePass;
    NOTES root = NoNote;   // a chord note; in the no-root pass a pitch class alone
    NOTES bass = NoNote;   // the lowest note of the chord
    NOTES added = NoNote;  // the added note of the added-note pass
    bool rootIsLowest = false;
    const ChordNameTag* definition = nullptr;
};

// Writes the name into out (chord::ChordNameSize bytes), cutting what does
// not fit: "C7", "C7 (E Bass)" or "C7/E", "C7 (Add D)" or "C7 (Add 9)",
// "C7 (No Root)". Returns its length.
std::size_t FormatChordName(const ChordNameParts& parts, char* out);
