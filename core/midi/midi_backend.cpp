#include "core/midi/midi_backend.h"

#include <cstdlib>
#include <cstring>

#include "core/midi/capture_backend.h"
#include "core/midi/system_backend.h"

const char* const SynthesizerName = "Built-in Synthesizer";

namespace {

std::unique_ptr<MidiBackend>& Slot()
{
    static std::unique_ptr<MidiBackend> backend;
    return backend;
}

std::unique_ptr<MidiBackend> ChosenByEnvironment()
{
    const char* wanted = std::getenv("CANTREL_MIDI_BACKEND");
    if (wanted && std::strcmp(wanted, "capture") == 0) return std::make_unique<CaptureBackend>();
    return std::make_unique<SystemBackend>();
}

}  // namespace

MidiBackend& CurrentMidiBackend()
{
    auto& backend = Slot();
    if (!backend) backend = ChosenByEnvironment();
    return *backend;
}

void SetMidiBackend(std::unique_ptr<MidiBackend> backend) { Slot() = std::move(backend); }
