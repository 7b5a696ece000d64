#include "core/studio/component_layout.h"

#include <unordered_map>
#include <vector>

#include "core/studio/component_node.h"
#include "core/studio/connections_layout.h"

void RecomputeLayout()
{
    std::vector<ComponentNode*> nodes;
    std::unordered_map<const ComponentNode*, int> position;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        position.emplace(n, int(nodes.size()));
        nodes.push_back(n);
    }
    auto positionOf = [&position](const ComponentNode* n) {
        const auto found = n ? position.find(n) : position.end();
        return found == position.end() ? -1 : found->second;
    };
    std::vector<LayoutComponent> layout(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ComponentNode& n = *nodes[i];
        LayoutComponent& c = layout[i];
        for (int s = 0; s < ComponentNode::SlotCount; ++s)
            c.links[s] = {positionOf(n.Links[s].From), positionOf(n.Links[s].To)};
        c.manualPosition = n.ManualPosition != 0;
        c.storedX = n.StoredIconX;
        c.storedY = n.StoredIconY;
    }
    LayOutComponents(layout);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        ComponentNode& n = *nodes[i];
        const LayoutComponent& c = layout[i];
        n.IconX = c.iconX;
        n.IconY = c.iconY;
        n.StoredIconX = c.storedX;
        n.StoredIconY = c.storedY;
        n.LayoutColumn = c.column;
        n.LayoutGroup = c.group;
    }
}
