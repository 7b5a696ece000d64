#pragma once
// Whether a component plays what comes in at the MIDI input chosen in the
// Preferences, and whether it puts out each chord that comes of it. Kept in
// the studio as a record of its own after the component's other records, so
// that files without it load with the input off, and programs that stop
// reading before it still load the rest.

#include <cstdint>

struct LiveInputSetting {
    static constexpr int RecordSize = 4;  // 32-bit little-endian flags

    bool on = false;
    bool putOutEach = false;

    bool operator==(const LiveInputSetting&) const = default;

    // Reads the record when the line holds one more; false (and nothing
    // consumed, nothing said) at the end of the line or when what follows
    // is no such record.
    bool Read(char*& in, int& remaining);

    void Encode(std::uint8_t* out) const;
    void Decode(const std::uint8_t* in);
};
