#include "app/components/shared/held_notes.h"

#include <algorithm>

namespace {

constexpr std::uint8_t NoteOff = 0x80;
constexpr std::uint8_t NoteOn = 0x90;
constexpr std::uint8_t ControlChange = 0xB0;
constexpr int SustainPedal = 64;
constexpr int PedalDownFrom = 64;
// What a player's instrument sends when everything should stop.
constexpr int AllSoundOff = 120;
constexpr int AllNotesOff = 123;
// A MIDI note number is a NOTES value less 3.
constexpr NOTES MidiNoteOffset = 3;

}  // namespace

bool HeldNotes::Take(std::uint32_t message, bool chordMode)
{
    const std::uint8_t status = message & 0xFF;
    const int type = status & 0xF0;
    const int channel = status & 0x0F;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    const auto before = shown_;
    if (type == NoteOn && data2 > 0)
        Press(data1, channel, chordMode);
    else if (type == NoteOn || type == NoteOff)
        Release(data1, channel, chordMode);
    else if (type == ControlChange && data1 == SustainPedal)
        Pedal(data2 >= PedalDownFrom, chordMode);
    else if (type == ControlChange && (data1 == AllSoundOff || data1 == AllNotesOff))
        AllOff(chordMode);
    return shown_ != before;
}

void HeldNotes::Clear()
{
    down_.fill(0);
    sustained_.fill(false);
    shown_.fill(false);
    pedal_ = false;
}

bool HeldNotes::AnySounding() const
{
    for (int n = 0; n < MidiNotes; ++n)
        if (Sounding(n)) return true;
    return false;
}

void HeldNotes::Press(int note, int channel, bool chordMode)
{
    // The first key after everything was let go begins a new chord.
    if (chordMode && !AnySounding()) shown_.fill(false);
    down_[note] |= static_cast<std::uint16_t>(1u << channel);
    sustained_[note] = false;
    shown_[note] = true;
    if (!chordMode) ShowSounding();
}

void HeldNotes::Release(int note, int channel, bool chordMode)
{
    const bool wasDown = down_[note] != 0;
    down_[note] &= static_cast<std::uint16_t>(~(1u << channel));
    if (wasDown && down_[note] == 0 && pedal_) sustained_[note] = true;
    if (!chordMode) ShowSounding();
}

void HeldNotes::Pedal(bool down, bool chordMode)
{
    pedal_ = down;
    if (!down) sustained_.fill(false);
    if (!chordMode) ShowSounding();
}

void HeldNotes::AllOff(bool chordMode)
{
    down_.fill(0);
    sustained_.fill(false);
    if (!chordMode) ShowSounding();
}

void HeldNotes::ShowSounding()
{
    for (int n = 0; n < MidiNotes; ++n) shown_[n] = Sounding(n);
}

int HeldNotes::ShownCount() const { return static_cast<int>(std::count(shown_.begin(), shown_.end(), true)); }

void HeldNotes::FillChord(chord& c) const
{
    int slot = 0;
    for (int n = 0; n < MidiNotes && slot < chord::Slots; ++n)
        if (shown_[n]) c.notes[slot++] = n + MidiNoteOffset;
    for (; slot < chord::Slots; ++slot) c.notes[slot] = NoNote;
}
