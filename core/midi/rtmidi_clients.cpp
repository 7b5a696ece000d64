#include "core/midi/rtmidi_clients.h"

#include <iostream>
#include <sstream>

#include "core/midi/jack_log.h"
#include "core/midi/rtmidi_ports.h"

namespace RtMidiBridge {

MidiFailure FailureOf(RtMidiError::Type type, bool opening)
{
    switch (type) {
    case RtMidiError::NO_DEVICES_FOUND:
    case RtMidiError::INVALID_DEVICE:
    case RtMidiError::INVALID_PARAMETER: return MidiFailure::BadDeviceId;
    case RtMidiError::MEMORY_ERROR: return MidiFailure::NoMemory;
    // Creating the client fails when there is no sequencer; connecting to a
    // port fails when someone else holds it.
    case RtMidiError::DRIVER_ERROR: return opening ? MidiFailure::Allocated : MidiFailure::NoDriver;
    default: return MidiFailure::Other;
    }
}

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(" \n\t");
    const auto last = text.find_last_not_of(" \n\t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

void ErrorSlot::Catch(RtMidiError::Type type, const std::string& text, void* data)
{
    auto* slot = static_cast<ErrorSlot*>(data);
    std::lock_guard lock(slot->mutex_);
    slot->failed_ = true;
    slot->type_ = type;
    slot->text_ = text;
}

bool ErrorSlot::Take(RtMidiError::Type& type, std::string& text)
{
    std::lock_guard lock(mutex_);
    if (!failed_) return false;
    failed_ = false;
    type = type_;
    text = std::move(text_);
    return true;
}

MidiStatus OpenPort(RtMidi& client, ErrorSlot& errors, unsigned index, const char* name)
{
    try {
        client.openPort(index, name);
    } catch (const std::exception& e) {
        return {MidiFailure::Other, Trimmed(e.what())};
    }
    RtMidiError::Type type;
    std::string text;
    if (errors.Take(type, text)) return {FailureOf(type, true), Trimmed(text)};
    return {};
}

namespace {

// RtMidi prints its warnings to std::cerr before the caller can install an
// error callback; while a client is created they are kept here instead.
class QuietCerr {
public:
    QuietCerr() : old_(std::cerr.rdbuf(kept_.rdbuf())) {}
    ~QuietCerr() { std::cerr.rdbuf(old_); }
    std::string Kept() const { return kept_.str(); }

private:
    std::ostringstream kept_;
    std::streambuf* old_;
};

}  // namespace

template <class Client>
std::unique_ptr<Client> NewClient(RtMidi::Api api, std::string& warning)
{
    if (api == RtMidi::UNIX_JACK) QuietJackLog();
    QuietCerr quiet;
    auto client = std::make_unique<Client>(api, MidiClientName);
    warning = Trimmed(quiet.Kept());
    return client;
}

template std::unique_ptr<RtMidiOut> NewClient<RtMidiOut>(RtMidi::Api, std::string&);
template std::unique_ptr<RtMidiIn> NewClient<RtMidiIn>(RtMidi::Api, std::string&);

void NewWatchedPair(RtMidi::Api api, std::unique_ptr<RtMidiOut>& out, std::unique_ptr<RtMidiIn>& in, ErrorSlot& errors)
{
    std::string warning;
    out = NewClient<RtMidiOut>(api, warning);
    in = NewClient<RtMidiIn>(api, warning);
    errors.Watch(*out);
    errors.Watch(*in);
}

}  // namespace RtMidiBridge
