#include "core/midi/rtmidi_port_output.h"

namespace RtMidiBridge {

PortOutput::PortOutput(std::unique_ptr<RtMidiOut> out) : owned_(std::move(out)), out_(owned_.get())
{
    errors_.Watch(*out_);
}

PortOutput::PortOutput(RtMidiOut& out) : out_(&out) { errors_.Watch(*out_); }

MidiFailure PortOutput::Send(const std::uint8_t* bytes, int size)
{
    try {
        out_->sendMessage(bytes, static_cast<std::size_t>(size));
    } catch (const std::exception&) {
        return MidiFailure::Other;
    }
    RtMidiError::Type type;
    std::string text;
    if (!errors_.Take(type, text)) return MidiFailure::None;
    return type == RtMidiError::INVALID_USE ? MidiFailure::InvalidHandle : MidiFailure::Other;
}

void PortOutput::Reset()
{
    // All sound off, reset controllers, all notes off on every channel.
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        for (std::uint8_t controller : {120, 121, 123}) {
            const std::uint8_t message[3] = {static_cast<std::uint8_t>(0xB0 | channel), controller, 0};
            Send(message, 3);
        }
    }
}

}  // namespace RtMidiBridge
