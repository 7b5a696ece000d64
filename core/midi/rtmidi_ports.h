#pragma once
// MIDI ports of the system (ALSA sequencer, else JACK) through RtMidi.
// RtMidi reports failures by throwing; every call into it is caught here and
// becomes a MidiStatus.

#include <memory>
#include <string>
#include <vector>

#include "core/midi/midi_backend.h"

// The name other programs see for our sequencer client.
extern const char* const MidiClientName;

// Where the ports come from. Automatic: the ALSA sequencer when the machine
// has one, else a running JACK server.
enum class MidiPortSystem { Automatic, Alsa, Jack };

class RtMidiPorts {
public:
    explicit RtMidiPorts(MidiPortSystem system = MidiPortSystem::Automatic);
    ~RtMidiPorts();
    RtMidiPorts(const RtMidiPorts&) = delete;
    RtMidiPorts& operator=(const RtMidiPorts&) = delete;

    // Names of the ports other programs offer, numbered from 0. Our own
    // ports are left out.
    std::vector<std::string> OutputNames();
    std::vector<std::string> InputNames();
    // Why there are no ports at all, when the MIDI system is missing.
    MidiStatus Status();

    std::unique_ptr<MidiOutputPort> OpenOutput(int id, MidiStatus& status);
    std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context,
                                             MidiStatus& status);

private:
    struct Listing;
    std::unique_ptr<Listing> listing_;
};
