#pragma once
// What can go wrong with a MIDI or audio device, in our own terms, and the
// message each failure shows the user.

#include <string>

enum class MidiFailure {
    None,
    BadDeviceId,  // no device with that number
    NotEnabled,   // the driver would not start
    Allocated,    // another program holds the device
    NoDriver,     // no MIDI or audio system at all
    NoMemory,
    StillPlaying,
    NoMap,     // the built-in synthesizer has no instruments (no SoundFont)
    NotReady,  // the device is busy for the moment
    NoDevice,  // the port remembered in the settings is gone
    InvalidSetup,
    InvalidHandle,  // the device went away while open
    Other,          // anything else; the detail says what
};

struct MidiStatus {
    MidiFailure failure = MidiFailure::None;
    std::string detail;  // the platform's own words, for messages that show it

    bool Ok() const { return failure == MidiFailure::None; }
};

// The message number (411-455) that reports a failure to open an output
// device; 0 for None.
int OpenFailureMessage(MidiFailure failure);

// Reports a failed output open through Error. Returns 0 so that callers can
// `return ReportOpenFailure(...)`.
int ReportOpenFailure(const MidiStatus& status);
