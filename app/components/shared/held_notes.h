#pragma once
// The notes a player holds on a MIDI instrument, turned into a component's
// chord. Notes mode shows exactly what sounds: the keys held down and, while
// the sustain pedal is down, the keys let go under it. Chord mode keeps
// what was played until a key goes down after everything was let go, so a
// chord can be looked at after the hands have left the keys.

#include <array>
#include <cstdint>

#include "core/midi/midi_key_state.h"
#include "core/theory/chord.h"

class HeldNotes {
public:
    static constexpr int MidiNotes = MidiKeyState::MidiNotes;

    // Takes one short message (status in bits 0-7, data 1 in 8-15, data 2
    // in 16-23), any channel. True when the notes shown have changed.
    bool Take(std::uint32_t message, bool chordMode);
    // Starts again from keys known otherwise (messages were lost on the
    // way). True when the notes shown have changed.
    bool Restore(const MidiKeyState& keys, bool chordMode);
    // Forgets every key, the pedal and what is shown.
    void Clear();

    // The notes shown, lowest first, as NOTES values; at most chord::Slots
    // of them (the lowest), the other slots empty. Only the notes change.
    void FillChord(chord& c) const;
    bool Shows(int midiNote) const { return shown_[midiNote]; }
    int ShownCount() const;

private:
    // Chord mode shows what was struck, Notes mode what sounds.
    bool Show(bool chordMode);

    MidiKeyState keys_;
    std::array<bool, MidiNotes> shown_{};
};
