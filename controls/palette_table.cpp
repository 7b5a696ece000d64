#include "controls/palette_table.h"

namespace PaletteTable {

int PaletteOfToggleCommand(int command)
{
    for (int palette = 0; palette < Count; ++palette)
        if (Rows[palette].toggleCommand == command) return palette;
    return -1;
}

int PaletteOfCommand(int command)
{
    int best = -1;
    for (int palette = 0; palette < Count; ++palette) {
        const int first = Rows[palette].firstCommand;
        if (first <= command && (best < 0 || first > Rows[best].firstCommand)) best = palette;
    }
    return best;
}

}  // namespace PaletteTable
