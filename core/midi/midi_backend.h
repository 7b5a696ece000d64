#pragma once
// The MIDI system as the rest of the library sees it: numbered output and
// input devices that open into ports. Output -1 is the built-in synthesizer
// (the "MIDI mapper" of the settings); 0, 1, ... are the ports of the system.
// One backend is active per process (see CurrentMidiBackend).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/midi/midi_failure.h"

// One opened output device.
class MidiOutputPort {
public:
    virtual ~MidiOutputPort() = default;
    // Sends one short message (1 to 3 bytes, status byte first).
    virtual MidiFailure Send(const std::uint8_t* bytes, int size) = 0;
    // Silences every note and returns the device to its initial state.
    virtual void Reset() = 0;
    // True when messages are taken but nobody can hear them (the synthesizer
    // running without an audio output).
    virtual bool Silent() const { return false; }
};

// One short message as an input device delivers it.
struct MidiInputMessage {
    std::uint32_t message = 0;  // status in bits 0-7, data 1 in 8-15, data 2 in 16-23
    std::uint32_t time = 0;     // milliseconds since the device was started
    bool invalid = false;       // the bytes did not form a proper message
};

// Called on the backend's own thread for every message of a started input.
using MidiInputHandler = void (*)(void* context, const MidiInputMessage& message);

// One opened input device. Destroying it stops and closes the device; no
// handler call runs after the destructor has returned.
class MidiInputPort {
public:
    virtual ~MidiInputPort() = default;
    // Begins delivering messages to the handler given at opening.
    virtual void Start() = 0;
};

class MidiBackend {
public:
    virtual ~MidiBackend() = default;

    // Product names of output devices 0, 1, ... and of the device -1.
    virtual std::vector<std::string> OutputNames() = 0;
    virtual std::string MapperName() = 0;
    // Product names of input devices 0, 1, ...
    virtual std::vector<std::string> InputNames() = 0;
    // Why the system's ports cannot be listed, when they cannot.
    virtual MidiStatus PortStatus() { return {}; }

    // Offers the program's own input and output ports to other programs;
    // once they are, they are listed last among the inputs and outputs.
    virtual MidiStatus OfferOwnPorts() { return {MidiFailure::NoDriver, "no MIDI ports"}; }
    // The own ports that running programs of ours offer, by their system names.
    virtual std::vector<std::string> OwnPortsOnTheSystem() { return {}; }

    // Opens output `id` (-1 and up). On failure returns null with the reason
    // in `status`. A port may also come back together with a failure that is
    // worth telling the user (the synthesizer without audio output).
    virtual std::unique_ptr<MidiOutputPort> OpenOutput(int id, MidiStatus& status) = 0;
    // Opens input `id` (0 and up); the handler runs once Start is called.
    virtual std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context,
                                                     MidiStatus& status) = 0;
};

// The process's backend: the capture backend when the environment variable
// CANTREL_MIDI_BACKEND is "capture", else the system (synthesizer and ports).
MidiBackend& CurrentMidiBackend();

// Replaces the process's backend (null: back to the choice above). For tests
// and benchmarks; no device may be open when it is called.
void SetMidiBackend(std::unique_ptr<MidiBackend> backend);

// The product name used for output -1.
extern const char* const SynthesizerName;
