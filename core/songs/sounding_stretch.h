#pragma once
// A stretch of a song with what sounds in it: how long each pitch class
// sounds and which keys. A chord is read from the pitch classes that sound for
// a fair share of the stretch, so passing notes and grace notes drop out.

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "core/songs/midi_song.h"

struct SoundingStretch {
    std::int64_t startTick = 0;
    std::int64_t endTick = 0;
    double seconds = 0;
    std::array<double, 12> pitchClassSeconds{};  // from C
    std::bitset<128> keys;                       // MIDI keys that sound in it
    int startBass = -1;                          // lowest key sounding as it begins

    // Bit p for each pitch class (from C) sounding at least a share of the
    // longest-sounding one, and the bass it begins on (however short: a
    // broken chord strikes its root once a bar); 0 when nothing sounds.
    unsigned ChordPitchClasses() const;
    // The bass it begins on, or else the lowest key of the chord's pitch
    // classes; -1 when nothing sounds.
    int Bass() const;
    // The stretch and the one right after it, as one.
    void Absorb(const SoundingStretch& next);
    void AbsorbBefore(const SoundingStretch& before);
};

// Stretches between every two moments at which a note of the channels (bit
// per channel) begins or ends, silent ones included; in order, end to end,
// from the first note to the last.
std::vector<SoundingStretch> SoundingStretches(const MidiSong& song, std::uint16_t channels);

// What sounds in [fromTick, toTick), taken from the stretches (in order);
// `first` is moved past the stretches wholly before fromTick.
SoundingStretch SoundingBetween(const std::vector<SoundingStretch>& stretches, std::size_t& first,
                                std::int64_t fromTick, std::int64_t toTick, const MidiSong& song);
