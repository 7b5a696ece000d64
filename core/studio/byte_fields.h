#pragma once
// Little-endian fields of the fixed records kept in studio files.

#include <cstdint>

inline void PutLE(std::uint8_t* at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t GetLE(const std::uint8_t* at, int width)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value |= std::uint32_t(at[i]) << (8 * i);
    return value;
}

inline std::int16_t GetLE16(const std::uint8_t* at) { return static_cast<std::int16_t>(GetLE(at, 2)); }
inline std::int32_t GetLE32(const std::uint8_t* at) { return static_cast<std::int32_t>(GetLE(at, 4)); }
