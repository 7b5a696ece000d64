#pragma once
// Where a song's chord spans begin and end.

#include <vector>

#include "core/songs/sounding_stretch.h"

// Spans where the chord changes: stretches with the same chord and bass are
// joined; stretches shorter than `shortestSeconds` in a row within a beat
// (a quick arpeggio) are read as one; and what is still short (a grace note,
// a gap between staccato chords) goes into the neighbour that shares most of
// its pitch classes. Silent spans are left out.
std::vector<SoundingStretch> CutAtChanges(const std::vector<SoundingStretch>& elementary, double shortestSeconds,
                                          const MidiSong& song);

// One span a beat, or a bar, from the song's start; silent ones left out.
std::vector<SoundingStretch> CutPerBeat(const std::vector<SoundingStretch>& stretches, const MidiSong& song,
                                        bool wholeBars);
