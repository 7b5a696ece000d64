#include "core/midi/midi_key_state.h"

namespace {

constexpr std::uint8_t NoteOff = 0x80;
constexpr std::uint8_t NoteOn = 0x90;
constexpr std::uint8_t ControlChange = 0xB0;
constexpr int SustainPedal = 64;
constexpr int PedalDownFrom = 64;
// What a player's instrument sends when everything should stop.
constexpr int AllSoundOff = 120;
constexpr int AllNotesOff = 123;

}  // namespace

bool MidiKeyState::Take(std::uint32_t message)
{
    const std::uint8_t status = message & 0xFF;
    const int type = status & 0xF0;
    const int channel = status & 0x0F;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    if (type == NoteOn && data2 > 0) {
        Press(data1, channel);
    } else if (type == NoteOn || type == NoteOff) {
        Release(data1, channel);
    } else if (type == ControlChange && data1 == SustainPedal) {
        pedal_ = data2 >= PedalDownFrom;
        if (!pedal_) sustained_.fill(false);
    } else if (type == ControlChange && (data1 == AllSoundOff || data1 == AllNotesOff)) {
        down_.fill(0);
        sustained_.fill(false);
    } else {
        return false;
    }
    return true;
}

void MidiKeyState::Clear()
{
    down_.fill(0);
    sustained_.fill(false);
    struck_.fill(false);
    pedal_ = false;
}

bool MidiKeyState::AnySounding() const
{
    for (int n = 0; n < MidiNotes; ++n)
        if (Sounding(n)) return true;
    return false;
}

void MidiKeyState::Press(int note, int channel)
{
    // The first key after everything fell silent begins a new chord.
    if (!AnySounding()) struck_.fill(false);
    down_[note] |= static_cast<std::uint16_t>(1u << channel);
    sustained_[note] = false;
    struck_[note] = true;
}

void MidiKeyState::Release(int note, int channel)
{
    const bool wasDown = down_[note] != 0;
    down_[note] &= static_cast<std::uint16_t>(~(1u << channel));
    if (wasDown && down_[note] == 0 && pedal_) sustained_[note] = true;
}
