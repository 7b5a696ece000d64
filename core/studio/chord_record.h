#pragma once
// The 84-byte stored form of a chord: notes, marks, key, 8 reserved bytes
// (written as zeros, ignored on reading), sound count, instrument, output and
// program, little-endian.

#include <cstdint>

class chord;

namespace ChordRecord {
constexpr int Size = 84;
void Encode(const chord& c, std::uint8_t* out);
void Decode(const std::uint8_t* in, chord& c);
}  // namespace ChordRecord
