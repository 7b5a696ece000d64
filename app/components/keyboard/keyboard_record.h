#pragma once
// The Keyboard's own record in a studio line, after the base record: four
// 32-bit little-endian integers.

#include <cstdint>

struct KeyboardRecord {
    static constexpr int Size = 16;

    std::int32_t KeyCount = 36;
    std::int32_t FirstNote = 51;
    std::int32_t TypingMethod = 0;
    std::int32_t LabelFlags = 3;

    void Encode(std::uint8_t* out) const;
    // Reads the fields as stored; KeyboardRecord::Sane keeps them to what a
    // Keyboard can show.
    void Decode(const std::uint8_t* in);
    // The typing method 0 or 1 and only the two label bits.
    KeyboardRecord Sane() const;
};
