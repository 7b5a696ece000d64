#pragma once
// An input port opened through RtMidi: what arrives on RtMidi's thread is
// handed on through a relay once the port is started.

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

#include "core/midi/input_relay.h"
#include "core/midi/midi_backend.h"
#include "core/midi/rtmidi_clients.h"

namespace RtMidiBridge {

class PortInput : public MidiInputPort {
public:
    PortInput(MidiInputHandler handler, void* context) : relay_(handler, context) {}
    ~PortInput() override;

    MidiStatus Open(std::unique_ptr<RtMidiIn> in, unsigned index);
    void Start() override;

private:
    // Runs on RtMidi's thread (JACK's process cycle): no waiting here.
    static void Receive(double, std::vector<unsigned char>* bytes, void* data);

    MidiInputRelay relay_;
    ErrorSlot errors_;
    std::atomic<bool> started_{false};
    std::chrono::steady_clock::time_point start_;
    std::unique_ptr<RtMidiIn> in_;
};

}  // namespace RtMidiBridge
