#include "app/studio/frame_placement.h"

#include <cstdint>

namespace {

int Scale(int value, int multiplier, int divisor)
{
    // 64-bit product; division truncates toward zero.
    return static_cast<int>(static_cast<std::int64_t>(value) * multiplier / divisor);
}

WindowPlacementRecord Convert(const WindowPlacementRecord& in, int multiplier, int divisor)
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
    return screenWidth > 0 ? Convert(pixels, PlacementScale, screenWidth) : pixels;
}

WindowPlacementRecord PlacementFromSaved(const WindowPlacementRecord& saved, int screenWidth)
{
    return screenWidth > 0 ? Convert(saved, screenWidth, PlacementScale) : saved;
}
