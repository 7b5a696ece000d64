#pragma once
// What RtMidi hands an input callback, as our input delivers it: short
// messages packed into one word with their time; long data stays out.

#include <chrono>
#include <vector>

#include "core/midi/midi_backend.h"

namespace RtMidiBridge {

// One short message of RtMidi's, timed from `start`; false for long data and
// empty messages.
bool ReadShortMessage(const std::vector<unsigned char>* bytes, std::chrono::steady_clock::time_point start,
                      MidiInputMessage& m);

}  // namespace RtMidiBridge
