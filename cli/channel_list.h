#pragma once
// A list of MIDI channels as the user counts them, 1 to 16: "1,2,5-8".

#include <cstdint>
#include <string>

// Bit c - 1 for each channel c named; false with the reason for anything else.
bool ReadChannelList(const std::string& text, std::uint16_t& channels, std::string& problem);
