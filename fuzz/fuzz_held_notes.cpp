// MIDI bytes from an instrument into the chord they hold: any run of
// messages, in either mode, gives a chord of valid notes, lowest first;
// starting again from the keys the input layer kept shows the same notes;
// and everything let go (all notes off, pedal up) leaves Notes mode silent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/components/shared/held_notes.h"
#include "core/midi/midi_key_state.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

void CheckChord(const HeldNotes& held)
{
    chord c;
    held.FillChord(c);
    int count = 0;
    NOTES previous = NoNote;
    for (NOTES n : c.notes) {
        if (n == NoNote) continue;
        Check(n >= 3 && n <= 130);
        Check(n > previous);
        Check(held.Shows(n - 3));
        previous = n;
        ++count;
    }
    Check(count == (held.ShownCount() < chord::Slots ? held.ShownCount() : chord::Slots));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const bool chordMode = data[0] & 1;
    HeldNotes held;
    MidiKeyState keys;
    // Three bytes a message, as the input layer packs them.
    for (std::size_t i = 1; i + 3 <= size; i += 3) {
        const std::uint32_t message = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16);
        held.Take(message, chordMode);
        keys.Take(message);
        CheckChord(held);
    }
    HeldNotes restored;
    restored.Restore(keys, chordMode);
    for (int n = 0; n < HeldNotes::MidiNotes; ++n) Check(restored.Shows(n) == held.Shows(n));
    held.Take(0xB0 | (123 << 8), chordMode);
    held.Take(0xB0 | (64 << 8), chordMode);
    CheckChord(held);
    if (!chordMode) Check(held.ShownCount() == 0);
    return 0;
}
