#pragma once
// a * b / c rounded to the nearest integer, halves away from zero, without
// overflow of the product; -1 when c is 0 (the Windows MulDiv rules that
// dialog units and saved coordinates were defined with).

#include <cstdint>

inline int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product);
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -rounded : rounded);
}
