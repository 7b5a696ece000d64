#include "controls/palette_placement.h"

int PlacePaletteLeft(int left, int width, int screenRight, std::span<const QRect> open)
{
    if (left + width > screenRight) left = screenRight - width;
    for (int palette = static_cast<int>(open.size()) - 1; palette >= 0; --palette) {
        const QRect& other = open[palette];
        if (other.isNull()) continue;
        const int right = left + width;
        if (right >= other.left() && right <= other.left() + other.width()) left = other.left() - width;
    }
    return left;
}
