#pragma once
// The fixed table of the ten floating tool palettes: the command that toggles
// each, its bitmap, the command of its first cell and its cell size.

#include <array>

struct PaletteRow {
    int toggleCommand;
    int bitmapId;
    int firstCommand;
    int cellWidth;
    int cellHeight;
};

namespace PaletteTable {
constexpr int Count = 10;
constexpr int AllPalettesCommand = 122;  // toggles all ten at once

constexpr std::array<PaletteRow, Count> Rows{{
    {109, 11, 10000, 20, 20},
    {119, 13, 10700, 20, 20},
    {120, 15, 10100, 20, 20},
    {114, 16, 10200, 20, 20},
    {115, 17, 10400, 20, 20},
    {121, 18, 10300, 20, 20},
    {118, 19, 10350, 20, 20},
    {117, 20, 10500, 20, 20},
    {125, 22, 10650, 20, 40},
    {140, 21, 10600, 20, 20},
}};

// The palette toggled by command, or -1.
int PaletteOfToggleCommand(int command);
// The palette whose first command is the greatest one not above command, or -1.
int PaletteOfCommand(int command);
}  // namespace PaletteTable
