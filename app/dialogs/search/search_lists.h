#pragma once
// What the Search dialog lists and answers, without its window: the twelve
// roots, the names of each kind (chord types, scales, the two kinds of key)
// and the pitch-set word of a choice.

#include <cstdint>

#include "core/theory/list_data.h"
#include "core/theory/pitch_set.h"

namespace SearchKind {
constexpr int Chord = 0;
constexpr int Scale = 1;
constexpr int Key = 2;
}  // namespace SearchKind

// The names of pitch classes 0 to 11 (from A), spelled as the preferences say.
void FillSearchRootList(TListBoxData& d);
// Empties d and adds the lines of kind: "suffix\tdescription" per chord
// definition, the name of each scale, or "Major" and "Minor". Each line's item
// data is its definition record, its scale record, or 1 (major) and 0 (minor).
// Any other kind leaves d empty.
void FillSearchNameList(TListBoxData& d, int kind);

// The pitch set of a line of kind on root (a pitch class): chords also give
// their optional intervals in *optional, the others an empty set there.
PitchSet SearchPitchSet(int kind, int root, std::uintptr_t itemData, PitchSet* optional);
