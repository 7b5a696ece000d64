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
// The program's own ports under that client, which other programs connect to.
extern const char* const OwnInputPortName;
extern const char* const OwnOutputPortName;
// "Cantrel Studio:In", as our own lists name it.
std::string OwnPortName(const char* port);

class OwnMidiPorts;

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
    // ports are left out, except the two this object offers, listed last.
    std::vector<std::string> OutputNames();
    std::vector<std::string> InputNames();
    // Why there are no ports at all, when the MIDI system is missing.
    MidiStatus Status();

    // Offers the program's own input and output to other programs. From
    // then on they are listed last and open like the other ports.
    MidiStatus OfferOwnPorts();
    bool OwnPortsOffered() const;
    // The own ports that running programs of ours offer, as the MIDI system
    // names them.
    std::vector<std::string> OwnPortsOnTheSystem();

    std::unique_ptr<MidiOutputPort> OpenOutput(int id, MidiStatus& status);
    std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context, MidiStatus& status);

private:
    struct Listing;
    std::unique_ptr<Listing> listing_;
};
