#pragma once
// Frame placements in studio files: the minimised position and the normal
// rectangle in 1/16384 of the screen width (both axes), truncated toward
// zero, and back to the nearest pixel; the maximised position stays in pixels.

#include "controls/window_placement_record.h"

constexpr int PlacementScale = 16384;

// A width of 0 or less leaves the record as it is.
WindowPlacementRecord PlacementToSaved(const WindowPlacementRecord& pixels, int screenWidth);
WindowPlacementRecord PlacementFromSaved(const WindowPlacementRecord& saved, int screenWidth);
