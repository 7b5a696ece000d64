#pragma once
// A chord box as an SVG document, one box unit to a pixel.

#include <string>

#include "core/theory/chord_box.h"

std::string ChordBoxSvg(const ChordBox& box);
