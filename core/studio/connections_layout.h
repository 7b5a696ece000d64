#pragma once
// The automatic layout of the Connections window, on the link graph alone:
// columns run from the sources (left) to the sinks (right), each group of
// linked components gets a band of its own below the groups before it, and a
// component placed by hand keeps its stored position. It needs no window, so
// the program and cantrel-cli lay out a studio with the same code.

#include <vector>

namespace ConnectionsLayout {
constexpr int Margin = 16;      // first column and first row
constexpr int ColumnStep = 64;  // between columns
constexpr int RowStep = 56;     // between icons of a column
constexpr int SlotCount = 3;
}  // namespace ConnectionsLayout

// A link slot by 0-based positions in the component list; -1 is no end.
struct LayoutSlot {
    int from = -1;
    int to = -1;
};

// One component as the layout sees it, in component-list order.
struct LayoutComponent {
    LayoutSlot links[ConnectionsLayout::SlotCount];
    bool manualPosition = false;
    int storedX = 0;
    int storedY = 0;
    // Written by the layout: the icon position (and the stored one of an
    // automatic icon), and the working column and group.
    int iconX = 0;
    int iconY = 0;
    int column = 0;
    int group = 0;
};

// Lays out the components: every icon not placed by hand gets its column
// position, and its stored position follows it; a manual icon goes to its
// stored position. Components no sink is reached from stay at (0, 0).
// Finishes on every link graph: a loop is not followed back into a component
// that is still being placed or recentred.
void LayOutComponents(std::vector<LayoutComponent>& components);
