#pragma once
// Calling RtMidi safely: clients made with their warnings muted and watched
// by an error slot, so that what RtMidi reports becomes a MidiStatus.

#include <rtmidi/RtMidi.h>

#include <memory>
#include <mutex>
#include <string>

#include "core/midi/midi_failure.h"

namespace RtMidiBridge {

// The failure an RtMidi error stands for; `opening` when it came from
// connecting to a port rather than from making the client.
MidiFailure FailureOf(RtMidiError::Type type, bool opening);

// RtMidi's text without the blanks and line ends around it.
std::string Trimmed(std::string text);

// Once a client has an error callback, RtMidi reports there instead of
// printing and throwing; the slot keeps the last report.
class ErrorSlot {
public:
    static void Catch(RtMidiError::Type type, const std::string& text, void* data);
    void Watch(RtMidi& client) { client.setErrorCallback(&ErrorSlot::Catch, this); }
    // The report since the last call, if any.
    bool Take(RtMidiError::Type& type, std::string& text);

private:
    std::mutex mutex_;
    bool failed_ = false;
    RtMidiError::Type type_ = RtMidiError::UNSPECIFIED;
    std::string text_;
};

// Connects a watched client to port `index`.
MidiStatus OpenPort(RtMidi& client, ErrorSlot& errors, unsigned index, const char* name);

// A client of the API that works on this machine (RtMidiIn or RtMidiOut),
// with warnings muted. Throws what RtMidi throws.
template <class Client>
std::unique_ptr<Client> NewClient(RtMidi::Api api, std::string& warning);

// A client of each direction, both reporting to `errors`. Throws what
// RtMidi throws.
void NewWatchedPair(RtMidi::Api api, std::unique_ptr<RtMidiOut>& out, std::unique_ptr<RtMidiIn>& in, ErrorSlot& errors);

}  // namespace RtMidiBridge
