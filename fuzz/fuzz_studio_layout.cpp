// The Connections window's automatic layout on link graphs as damaged studio
// files can hold them: slot ends anywhere (out of the list, naming neither
// end, loops of every kind), manual icons anywhere. It must finish without
// reading outside the list, and put every manual icon at its stored place.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/studio/connections_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Seven bytes a component: three slots' two ends, then the manual flag
    // with the stored position.
    constexpr std::size_t PerComponent = 7;
    const std::size_t count = size / PerComponent;
    if (count == 0 || count > 2000) return 0;
    std::vector<LayoutComponent> components(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* bytes = data + i * PerComponent;
        LayoutComponent& c = components[i];
        for (int s = 0; s < ConnectionsLayout::SlotCount; ++s) {
            // Mostly near neighbours, sometimes outside the list.
            c.links[s].from = int(std::int8_t(bytes[2 * s])) % int(count + 2) - 1;
            c.links[s].to = int(std::int8_t(bytes[2 * s + 1])) % int(count + 2) - 1;
        }
        c.manualPosition = bytes[6] & 1;
        c.storedX = bytes[6] * 3 - 100;
        c.storedY = bytes[6] * 5 - 300;
    }
    LayOutComponents(components);
    for (const LayoutComponent& c : components) {
        if (c.manualPosition && (c.iconX != c.storedX || c.iconY != c.storedY)) std::abort();
        if (!c.manualPosition && (c.iconX != c.storedX || c.iconY != c.storedY)) std::abort();
        if (c.group < 1) std::abort();
    }
    return 0;
}
