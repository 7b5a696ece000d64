#pragma once
// The program's own ports, "Cantrel Studio:In" and "Cantrel Studio:Out",
// there for as long as the backend lives, whether anyone listens or not, so
// that connections other programs make to them stay.

#include <rtmidi/RtMidi.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

#include "core/midi/midi_backend.h"
#include "core/midi/rtmidi_clients.h"

class OwnMidiPorts {
public:
    class InputTap;

    ~OwnMidiPorts();

    MidiStatus Open(RtMidi::Api api);

    RtMidiOut& Output() { return *out_; }
    // What comes in at our own input, for the one who opened it as a device.
    std::unique_ptr<MidiInputPort> Tap(MidiInputHandler handler, void* context);

private:
    friend class InputTap;
    static void Receive(double, std::vector<unsigned char>* bytes, void* data);

    RtMidiBridge::ErrorSlot errors_;
    std::mutex mutex_;  // the taps, against the input's thread
    std::vector<InputTap*> taps_;
    std::chrono::steady_clock::time_point start_;
    std::unique_ptr<RtMidiOut> out_;
    std::unique_ptr<RtMidiIn> in_;
};
