#pragma once
// The Guitar's own record in a studio line, 100 bytes after the base record:
// the tuning as a whole chord record, then the number of fret positions, the
// capo fret, the board flags and the typing method (32-bit little-endian).

#include <cstdint>

#include "core/theory/chord.h"

struct GuitarSettingsRecord {
    static constexpr int Size = 100;

    chord tuning;
    std::int32_t fretCount = 13;
    std::int32_t capoFret = 0;
    std::int32_t boardFlags = 0;
    std::int32_t typingMethod = 0;

    void Encode(std::uint8_t* out) const;
    void Decode(const std::uint8_t* in);

    // Brings what a damaged or hand-made file may hold within what the
    // fingerboard can show: fret positions 4-33, a capo on one of them, and
    // open strings on notes that exist (a string on any other value ends the
    // strings there).
    void Repair();
};
