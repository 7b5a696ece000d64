#include "core/studio/studio_file_layout.h"

#include "core/studio/component_types.h"

bool LayOutStudioFile(const StudioFileContents& contents, const std::vector<DecodedComponentLine>& decoded,
                      std::vector<LayoutComponent>& layout)
{
    layout.clear();
    const int count = int(contents.components.size());
    // Loading makes the component of a line's type (or kind) number.
    std::vector<int> types;
    for (const StudioComponentLine& line : contents.components) {
        types.push_back(TypeOfKind(KindOfType(line.typeId)));
        if (types.back() == 0) return false;
    }
    layout.resize(contents.components.size());
    for (int i = 0; i < count && i < int(decoded.size()); ++i) {
        const BaseSettingsRecord& base = decoded[i].base;
        // A record of another type is skipped on loading: the defaults stay.
        if (!decoded[i].baseRead || base.typeId != types[std::size_t(i)]) continue;
        LayoutComponent& c = layout[i];
        c.manualPosition = base.manualPosition != 0;
        c.storedX = base.storedIconX;
        c.storedY = base.storedIconY;
        // Ends count from 1; 0, a negative or a too large index is no end, and
        // a slot naming this component at neither end holds no link of its own.
        for (int s = 0; s < ConnectionsLayout::SlotCount; ++s) {
            const int to = base.linkTo[s] > 0 && base.linkTo[s] <= count ? base.linkTo[s] - 1 : -1;
            const int from = base.linkFrom[s] > 0 && base.linkFrom[s] <= count ? base.linkFrom[s] - 1 : -1;
            if (to == i || from == i) c.links[s] = {from, to};
        }
    }
    LayOutComponents(layout);
    return true;
}
