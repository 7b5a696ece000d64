#include <gtest/gtest.h>

#include "core/midi/system_backend.h"

namespace {

void Ignore(void*, const MidiInputMessage&) {}

// Whatever this machine has: a missing port or a missing MIDI system is a
// status in words, never an exception.
TEST(SystemBackend, APortThatIsNotThereIsAFailureInWords)
{
    SystemBackend backend;
    const int outputs = static_cast<int>(backend.OutputNames().size());
    const int inputs = static_cast<int>(backend.InputNames().size());
    const MidiStatus ports = backend.PortStatus();
    if (!ports.Ok()) {
        EXPECT_EQ(ports.failure, MidiFailure::NoDriver);
        EXPECT_FALSE(ports.detail.empty());
        EXPECT_EQ(outputs + inputs, 0);
    }

    MidiStatus status;
    EXPECT_FALSE(backend.OpenOutput(outputs, status));
    EXPECT_FALSE(status.Ok());
    EXPECT_FALSE(status.detail.empty());
    EXPECT_FALSE(backend.OpenOutput(-3, status));
    EXPECT_EQ(status.failure, MidiFailure::BadDeviceId);

    status = {};
    EXPECT_FALSE(backend.OpenInput(inputs, Ignore, nullptr, status));
    EXPECT_FALSE(status.Ok());
    EXPECT_EQ(backend.MapperName(), SynthesizerName);
}

}  // namespace
