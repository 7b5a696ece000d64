#include "core/midi/midi_failure.h"

#include <iterator>

#include "core/services/error.h"

namespace {

struct FailureMessage {
    MidiFailure failure;
    int message;
};

constexpr FailureMessage OpenFailureMessages[] = {
    {MidiFailure::BadDeviceId, 411},  {MidiFailure::NotEnabled, 454}, {MidiFailure::Allocated, 412},
    {MidiFailure::NoDriver, 455},     {MidiFailure::NoMemory, 413},   {MidiFailure::StillPlaying, 442},
    {MidiFailure::NoMap, 414},        {MidiFailure::NotReady, 443},   {MidiFailure::NoDevice, 415},
    {MidiFailure::InvalidSetup, 444},
};

constexpr int OtherFailureMessage = 441;
constexpr std::size_t MaxDetailLength = 127;

}  // namespace

int OpenFailureMessage(MidiFailure failure)
{
    if (failure == MidiFailure::None) return 0;
    for (const auto& entry : OpenFailureMessages)
        if (entry.failure == failure) return entry.message;
    return OtherFailureMessage;
}

int ReportOpenFailure(const MidiStatus& status)
{
    const int message = OpenFailureMessage(status.failure);
    if (message == OtherFailureMessage) {
        const std::string detail =
            status.detail.empty() ? std::string("unknown error") : status.detail.substr(0, MaxDetailLength);
        Error(message, detail.c_str());
    } else if (message != 0) {
        Error(message);
    }
    return 0;
}
