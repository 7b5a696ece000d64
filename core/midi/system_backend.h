#pragma once
// The backend of a real run: output -1 is the built-in synthesizer, the
// other numbers are the system's MIDI ports.

#include "core/midi/midi_backend.h"
#include "core/midi/rtmidi_ports.h"

class SystemBackend : public MidiBackend {
public:
    explicit SystemBackend(MidiPortSystem system = MidiPortSystem::Automatic) : ports_(system) {}
    std::vector<std::string> OutputNames() override;
    std::string MapperName() override;
    std::vector<std::string> InputNames() override;
    MidiStatus PortStatus() override;
    MidiStatus OfferOwnPorts() override { return ports_.OfferOwnPorts(); }
    std::vector<std::string> OwnPortsOnTheSystem() override { return ports_.OwnPortsOnTheSystem(); }
    std::unique_ptr<MidiOutputPort> OpenOutput(int id, MidiStatus& status) override;
    std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context,
                                             MidiStatus& status) override;

private:
    RtMidiPorts ports_;
};
