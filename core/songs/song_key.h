#pragma once
// The key of a piece, or of a stretch of it, from how long each pitch class
// sounds, matched against the major and minor key profiles.

#include <array>
#include <string>
#include <vector>

#include "core/songs/midi_song.h"

// Seconds each pitch class sounds, counted from C (C 0 ... B 11).
using PitchClassDurations = std::array<double, 12>;

struct SongKey {
    int tonic = 0;  // pitch class from C
    bool major = true;
    // "C Major", "F# Minor": the tonic spelt as the chord names spell it.
    std::string Name() const;
};

// The key whose profile correlates best with the durations; C major when
// nothing sounds.
SongKey FindKey(const PitchClassDurations& durations);

// How long each pitch class sounds in [fromTick, toTick) on the channels
// (bit per channel).
PitchClassDurations SongPitchClassDurations(const MidiSong& song, std::uint16_t channels, std::int64_t fromTick,
                                            std::int64_t toTick);

struct KeySection {
    int firstBar = 1;
    int lastBar = 1;
    SongKey key;
};

// The key of each stretch of `barsPerSection` bars, neighbours in one key
// joined into one section.
std::vector<KeySection> FindSectionKeys(const MidiSong& song, std::uint16_t channels, int barsPerSection = 8);
