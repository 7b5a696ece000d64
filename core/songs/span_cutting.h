#pragma once
// Where a song's chord spans begin and end.

#include <vector>

#include "core/songs/sounding_stretch.h"

// Spans where the chord changes: stretches with the same chord and bass are
// joined, and stretches shorter than `shortestSeconds` (grace notes, quick
// arpeggios, short gaps) go into the neighbour that shares most of their
// pitch classes. Silent spans are left out.
std::vector<SoundingStretch> CutAtChanges(std::vector<SoundingStretch> stretches, double shortestSeconds);

// One span a beat, or a bar, from the song's start; silent ones left out.
std::vector<SoundingStretch> CutPerBeat(const std::vector<SoundingStretch>& stretches, const MidiSong& song,
                                        bool wholeBars);
