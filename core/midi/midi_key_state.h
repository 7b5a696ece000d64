#pragma once
// What a MIDI instrument's messages say about its keys: which are down (on
// which channels), which the sustain pedal holds after they were let go, and
// the chord struck since everything last fell silent. Plain data, kept both
// by a component playing the instrument and by the input layer, which sees
// every message even when a listener's queue has no room for it.

#include <array>
#include <cstdint>

class MidiKeyState {
public:
    static constexpr int MidiNotes = 128;

    // Takes one short message (status in bits 0-7, data 1 in 8-15, data 2
    // in 16-23), any channel. True when it was about keys or the pedal.
    bool Take(std::uint32_t message);
    void Clear();

    // Down, or let go while the pedal is down.
    bool Sounding(int note) const { return down_[note] != 0 || sustained_[note]; }
    bool AnySounding() const;
    // Struck since the last moment nothing sounded.
    bool Struck(int note) const { return struck_[note]; }

private:
    void Press(int note, int channel);
    void Release(int note, int channel);

    std::array<std::uint16_t, MidiNotes> down_{};  // one bit per channel holding the key
    std::array<bool, MidiNotes> sustained_{};
    std::array<bool, MidiNotes> struck_{};
    bool pedal_ = false;
};
