#include "app/studio/frame_placement.h"

#include <cstdint>

namespace {

// Stored units are truncated toward zero, as files have always held them.
int ToStored(int value, int multiplier, int divisor)
{
    return static_cast<int>(static_cast<std::int64_t>(value) * multiplier / divisor);
}

// Pixels are rounded to the nearest: truncating here as well would move a
// window up and left by a pixel on every save and load.
int ToPixels(int value, int multiplier, int divisor)
{
    const std::int64_t product = static_cast<std::int64_t>(value) * multiplier;
    const std::int64_t half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

using ScaleFunction = int (*)(int, int, int);

WindowPlacementRecord Convert(const WindowPlacementRecord& in, int multiplier, int divisor, ScaleFunction Scale)
{
    WindowPlacementRecord out = in;
    out.minimizedPosition = QPoint(Scale(in.minimizedPosition.x(), multiplier, divisor),
                                   Scale(in.minimizedPosition.y(), multiplier, divisor));
    const QRect& r = in.normalPosition;
    const int left = Scale(r.left(), multiplier, divisor);
    const int top = Scale(r.top(), multiplier, divisor);
    const int right = Scale(r.left() + r.width(), multiplier, divisor);
    const int bottom = Scale(r.top() + r.height(), multiplier, divisor);
    out.normalPosition = QRect(left, top, right - left, bottom - top);
    return out;
}

}  // namespace

WindowPlacementRecord PlacementToSaved(const WindowPlacementRecord& pixels, int screenWidth)
{
    return screenWidth > 0 ? Convert(pixels, PlacementScale, screenWidth, ToStored) : pixels;
}

WindowPlacementRecord PlacementFromSaved(const WindowPlacementRecord& saved, int screenWidth)
{
    return screenWidth > 0 ? Convert(saved, screenWidth, PlacementScale, ToPixels) : saved;
}
