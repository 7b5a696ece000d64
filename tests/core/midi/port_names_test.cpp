#include <gtest/gtest.h>

#include "core/midi/port_names.h"

namespace {

TEST(PortNames, NumbersThatChangeAreLeftOut)
{
    EXPECT_EQ(StablePortName("USB Keys:USB Keys MIDI 1 24:0"), "USB Keys:USB Keys MIDI 1");
    EXPECT_EQ(StablePortName("Midi Through:Midi Through Port-0 14:0"), "Midi Through:Midi Through Port-0");
    EXPECT_EQ(StablePortName("system:midi_capture_1"), "system:midi_capture_1");  // JACK
    EXPECT_EQ(StablePortName("Synth 12:"), "Synth 12:");
    EXPECT_EQ(StablePortName("24:0"), "24:0");
    EXPECT_EQ(StablePortName(""), "");
}

TEST(PortNames, FoundWhereverTheyAreListedNow)
{
    const std::vector<std::string> ports = {"Midi Through:Port-0 14:0", "Keys:Keys MIDI 1 28:0"};
    EXPECT_EQ(FindPortByName(ports, "Keys:Keys MIDI 1 24:0"), 1);
    EXPECT_EQ(FindPortByName(ports, "Keys:Keys MIDI 1"), 1);
    EXPECT_EQ(FindPortByName(ports, "Keys"), -1);
}

}  // namespace
