#include "core/midi/rtmidi_port_input.h"

#include "core/midi/rtmidi_short_message.h"

namespace RtMidiBridge {

PortInput::~PortInput()
{
    // Stops RtMidi's thread before anything it could call goes; the
    // relay's thread stops after it.
    started_ = false;
    try {
        if (in_) in_->closePort();
    } catch (const std::exception&) {
    }
    in_.reset();
}

MidiStatus PortInput::Open(std::unique_ptr<RtMidiIn> in, unsigned index)
{
    in_ = std::move(in);
    errors_.Watch(*in_);
    in_->ignoreTypes(true, false, false);  // system exclusive stays out
    in_->setCallback(&PortInput::Receive, this);
    return OpenPort(*in_, errors_, index, "Input");
}

void PortInput::Start()
{
    start_ = std::chrono::steady_clock::now();
    started_ = true;
}

void PortInput::Receive(double, std::vector<unsigned char>* bytes, void* data)
{
    auto* self = static_cast<PortInput*>(data);
    MidiInputMessage m;
    if (self->started_ && ReadShortMessage(bytes, self->start_, m)) self->relay_.Pass(m);
}

}  // namespace RtMidiBridge
