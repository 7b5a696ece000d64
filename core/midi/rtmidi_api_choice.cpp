#include "core/midi/rtmidi_api_choice.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/midi/rtmidi_clients.h"

namespace RtMidiBridge {

namespace {

bool HasAlsaSequencer() { return access("/dev/snd/seq", F_OK) == 0; }

bool Compiled(RtMidi::Api api)
{
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    for (auto a : compiled)
        if (a == api) return true;
    return false;
}

// Whether a client of `api` can be made here; `reason` says why not.
bool Works(RtMidi::Api api, std::string& reason)
{
    const bool jack = api == RtMidi::UNIX_JACK;
    if (!Compiled(api)) {
        reason = jack ? "no JACK support in RtMidi" : "no ALSA support in RtMidi";
        return false;
    }
    if (!jack && !HasAlsaSequencer()) {
        reason = "no ALSA sequencer (/dev/snd/seq)";
        return false;
    }
    // A JACK client must not start a server of its own.
    if (jack) setenv("JACK_NO_START_SERVER", "1", 0);
    try {
        std::string warning;
        NewClient<RtMidiOut>(api, warning);
        // Without a server RtMidi's JACK client only warns.
        if (!jack || warning.empty()) return true;
        reason = "no JACK server";
    } catch (const RtMidiError& e) {
        reason = Trimmed(e.getMessage());
    }
    return false;
}

}  // namespace

RtMidi::Api ChooseApi(MidiPortSystem system, MidiStatus& status)
{
    std::string reasons;
    auto works = [&reasons](RtMidi::Api api) {
        std::string reason;
        if (Works(api, reason)) return true;
        reasons += (reasons.empty() ? "" : ", ") + reason;
        return false;
    };
    switch (system) {
    case MidiPortSystem::Alsa:
        if (works(RtMidi::LINUX_ALSA)) return RtMidi::LINUX_ALSA;
        break;
    case MidiPortSystem::Jack:
        if (works(RtMidi::UNIX_JACK)) return RtMidi::UNIX_JACK;
        break;
    case MidiPortSystem::Automatic: {
        // Once one works it stays the choice of the process.
        static RtMidi::Api chosen = RtMidi::UNSPECIFIED;
        if (chosen != RtMidi::UNSPECIFIED) return chosen;
        for (auto api : {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK})
            if (works(api)) return chosen = api;
        break;
    }
    }
    status = {MidiFailure::NoDriver, reasons.empty() ? "no MIDI system" : reasons};
    return RtMidi::UNSPECIFIED;
}

}  // namespace RtMidiBridge
