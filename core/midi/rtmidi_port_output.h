#pragma once
// An output port opened through RtMidi: sends short messages, and resets
// every channel by sending all sound and all notes off.

#include <rtmidi/RtMidi.h>

#include <cstdint>
#include <memory>

#include "core/midi/midi_backend.h"
#include "core/midi/rtmidi_clients.h"

namespace RtMidiBridge {

class PortOutput : public MidiOutputPort {
public:
    explicit PortOutput(std::unique_ptr<RtMidiOut> out);
    // Sends through a client that lives on after this port (our own port).
    explicit PortOutput(RtMidiOut& out);

    MidiStatus Open(unsigned index) { return OpenPort(*out_, errors_, index, "Output"); }

    MidiFailure Send(const std::uint8_t* bytes, int size) override;
    void Reset() override;

private:
    ErrorSlot errors_;  // outlives the client that reports to it
    std::unique_ptr<RtMidiOut> owned_;
    RtMidiOut* out_;
};

}  // namespace RtMidiBridge
