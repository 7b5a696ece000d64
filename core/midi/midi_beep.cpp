#include "core/midi/midi_beep.h"

namespace {

std::function<void()>& Beeper()
{
    static std::function<void()> beeper;
    return beeper;
}

}  // namespace

void SetMidiBeeper(std::function<void()> beeper) { Beeper() = std::move(beeper); }

void MidiBeep()
{
    if (Beeper()) Beeper()();
}
