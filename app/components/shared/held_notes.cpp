#include "app/components/shared/held_notes.h"

#include <algorithm>

namespace {

// A MIDI note number is a NOTES value less 3.
constexpr NOTES MidiNoteOffset = 3;

}  // namespace

bool HeldNotes::Take(std::uint32_t message, bool chordMode) { return keys_.Take(message) && Show(chordMode); }

bool HeldNotes::Restore(const MidiKeyState& keys, bool chordMode)
{
    keys_ = keys;
    return Show(chordMode);
}

void HeldNotes::Clear()
{
    keys_.Clear();
    shown_.fill(false);
}

bool HeldNotes::Show(bool chordMode)
{
    const auto before = shown_;
    for (int n = 0; n < MidiNotes; ++n) shown_[n] = chordMode ? keys_.Struck(n) : keys_.Sounding(n);
    return shown_ != before;
}

int HeldNotes::ShownCount() const { return static_cast<int>(std::count(shown_.begin(), shown_.end(), true)); }

void HeldNotes::FillChord(chord& c) const
{
    int slot = 0;
    for (int n = 0; n < MidiNotes && slot < chord::Slots; ++n)
        if (shown_[n]) c.notes[slot++] = n + MidiNoteOffset;
    for (; slot < chord::Slots; ++slot) c.notes[slot] = NoNote;
}
