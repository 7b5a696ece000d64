#pragma once
// Where a palette opens: beside the tool-bar button that toggles it, pulled in
// from the right screen edge, and moved left past the open palettes it would
// end on (checked from palette 9 down to 0).

#include <QRect>

#include <span>

// The left edge for a palette of `width` wanted at `left`. `open` holds the
// frame rectangles of palettes 0 to 9 (null rectangles for closed ones).
int PlacePaletteLeft(int left, int width, int screenRight, std::span<const QRect> open);
