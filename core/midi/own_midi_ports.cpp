#include "core/midi/own_midi_ports.h"

#include <algorithm>
#include <atomic>

#include "core/midi/input_relay.h"
#include "core/midi/rtmidi_ports.h"
#include "core/midi/rtmidi_short_message.h"

using namespace RtMidiBridge;

OwnMidiPorts::~OwnMidiPorts()
{
    // No callback runs once the input is gone.
    try {
        if (in_) in_->closePort();
    } catch (const std::exception&) {
    }
    in_.reset();
}

MidiStatus OwnMidiPorts::Open(RtMidi::Api api)
{
    try {
        NewWatchedPair(api, out_, in_, errors_);
        in_->ignoreTypes(true, false, false);
        in_->setCallback(&OwnMidiPorts::Receive, this);
        start_ = std::chrono::steady_clock::now();
        out_->openVirtualPort(OwnOutputPortName);
        in_->openVirtualPort(OwnInputPortName);
    } catch (const RtMidiError& e) {
        in_.reset();
        out_.reset();
        return {FailureOf(e.getType(), true), Trimmed(e.getMessage())};
    }
    RtMidiError::Type type;
    std::string text;
    if (errors_.Take(type, text)) {
        in_.reset();
        out_.reset();
        return {FailureOf(type, true), Trimmed(text)};
    }
    return {};
}

class OwnMidiPorts::InputTap : public MidiInputPort {
public:
    InputTap(OwnMidiPorts& own, MidiInputHandler handler, void* context) : own_(own), relay_(handler, context)
    {
        std::lock_guard lock(own_.mutex_);
        own_.taps_.push_back(this);
    }
    ~InputTap() override
    {
        std::lock_guard lock(own_.mutex_);
        own_.taps_.erase(std::find(own_.taps_.begin(), own_.taps_.end(), this));
    }
    void Start() override { started_ = true; }

private:
    friend class OwnMidiPorts;
    OwnMidiPorts& own_;
    MidiInputRelay relay_;
    std::atomic<bool> started_{false};
};

std::unique_ptr<MidiInputPort> OwnMidiPorts::Tap(MidiInputHandler handler, void* context)
{
    return std::make_unique<InputTap>(*this, handler, context);
}

void OwnMidiPorts::Receive(double, std::vector<unsigned char>* bytes, void* data)
{
    auto* self = static_cast<OwnMidiPorts*>(data);
    MidiInputMessage m;
    if (!ReadShortMessage(bytes, self->start_, m)) return;
    // Taken only for a moment by opening and closing, never while waiting.
    std::lock_guard lock(self->mutex_);
    for (InputTap* tap : self->taps_)
        if (tap->started_) tap->relay_.Pass(m);
}
