#pragma once
// Output -1: the built-in synthesizer playing through the machine's audio.

#include <memory>

#include "core/midi/midi_backend.h"

// The synthesizer, or null with the reason in `status`. Without an audio
// output it still opens, runs silently and says why in `status`.
std::unique_ptr<MidiOutputPort> OpenSynthesizerOutput(MidiStatus& status);
