#pragma once
// Which of RtMidi's systems serves the ports: ALSA's sequencer or a running
// JACK server, tried by making a client of it.

#include <rtmidi/RtMidi.h>

#include "core/midi/midi_failure.h"
#include "core/midi/rtmidi_ports.h"

namespace RtMidiBridge {

// The API of `system` when it works here; UNSPECIFIED with the reasons in
// `status` when it does not.
RtMidi::Api ChooseApi(MidiPortSystem system, MidiStatus& status);

}  // namespace RtMidiBridge
