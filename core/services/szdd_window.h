#pragma once
// The LZSS window both directions of the SZDD format share.

#include <cstddef>

namespace szdd {
constexpr std::size_t WindowSize = 4096;
constexpr std::size_t WindowMask = WindowSize - 1;
constexpr std::size_t FirstPosition = WindowSize - 16;  // where writing starts
constexpr char WindowFill = ' ';                        // the window's initial content
constexpr std::size_t MinMatch = 3;
constexpr std::size_t MaxMatch = 18;
constexpr char Signature[] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};
constexpr char ModeLzss = 'A';
}  // namespace szdd
