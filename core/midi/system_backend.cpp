#include "core/midi/system_backend.h"

#include "core/midi/synth_output.h"

std::vector<std::string> SystemBackend::OutputNames() { return ports_.OutputNames(); }

std::string SystemBackend::MapperName() { return SynthesizerName; }

std::vector<std::string> SystemBackend::InputNames() { return ports_.InputNames(); }

MidiStatus SystemBackend::PortStatus() { return ports_.Status(); }

std::unique_ptr<MidiOutputPort> SystemBackend::OpenOutput(int id, MidiStatus& status)
{
    if (id == -1) return OpenSynthesizerOutput(status);
    if (id < -1) {
        status = {MidiFailure::BadDeviceId, "no output " + std::to_string(id)};
        return nullptr;
    }
    return ports_.OpenOutput(id, status);
}

std::unique_ptr<MidiInputPort> SystemBackend::OpenInput(int id, MidiInputHandler handler, void* context,
                                                        MidiStatus& status)
{
    return ports_.OpenInput(id, handler, context, status);
}
