#pragma once
// The 120-byte settings record every component writes first in its studio
// line: type, chord, mode and sound, the Find settings, link ends as list
// indexes, pass-through and the icon position.

#include <cstdint>

#include "core/studio/component_types.h"

struct BaseSettingsRecord {
    static constexpr int Size = 120;
    static constexpr int ChordOffset = 2;

    std::int16_t typeId = 0;
    std::uint8_t chordBytes[84] = {};
    std::int16_t mode = ChordMode;
    std::int16_t soundOn = 0;
    std::uint16_t findWord = 0;
    std::int16_t findKind = 0;
    std::int16_t findRootIndex = -1;
    std::int16_t findNameIndex = -1;
    std::int16_t linkTo[3] = {};
    std::int16_t linkFrom[3] = {};
    std::uint8_t passThrough = 0;
    std::uint8_t manualPosition = 0;
    std::int32_t storedIconX = 0;
    std::int32_t storedIconY = 0;

    void Encode(std::uint8_t* out) const;
    void Decode(const std::uint8_t* in);
};
