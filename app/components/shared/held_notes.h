#pragma once
// The notes a player holds on a MIDI instrument, turned into a component's
// chord. Notes mode shows exactly what sounds: the keys held down and, while
// the sustain pedal is down, the keys let go under it. Chord mode keeps
// what was played until a key goes down after everything was let go, so a
// chord can be looked at after the hands have left the keys.

#include <array>
#include <cstdint>

#include "core/theory/chord.h"

class HeldNotes {
public:
    static constexpr int MidiNotes = 128;

    // Takes one short message (status in bits 0-7, data 1 in 8-15, data 2
    // in 16-23), any channel. True when the notes shown have changed.
    bool Take(std::uint32_t message, bool chordMode);
    // Forgets every key, the pedal and what is shown.
    void Clear();

    // The notes shown, lowest first, as NOTES values; at most chord::Slots
    // of them (the lowest), the other slots empty. Only the notes change.
    void FillChord(chord& c) const;
    bool Shows(int midiNote) const { return shown_[midiNote]; }
    int ShownCount() const;

private:
    bool Sounding(int note) const { return down_[note] != 0 || sustained_[note]; }
    bool AnySounding() const;
    void Press(int note, int channel, bool chordMode);
    void Release(int note, int channel, bool chordMode);
    void Pedal(bool down, bool chordMode);
    void AllOff(bool chordMode);
    // Notes mode: what is shown follows what sounds.
    void ShowSounding();

    std::array<std::uint16_t, MidiNotes> down_{};  // one bit per channel holding the key
    std::array<bool, MidiNotes> sustained_{};      // let go while the pedal was down
    std::array<bool, MidiNotes> shown_{};
    bool pedal_ = false;
};
