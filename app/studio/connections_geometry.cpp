#include "app/studio/connections_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "core/studio/component_links.h"
#include "core/studio/component_node.h"

using namespace ConnectionsGeometry;

namespace {

// One port sits at mid height; two sit 20 pixels apart.
int PortTop(int count, int k) { return count > 1 ? 3 + 20 * k : 13; }

}  // namespace

int PortCount(const ComponentNode& c) { return std::min(c.InputCount + c.OutputCount, int(ComponentNode::SlotCount)); }

QPoint PortTopLeft(const ComponentNode& c, int slot)
{
    if (slot < c.InputCount) return {c.IconX - 7, c.IconY + PortTop(c.InputCount, slot)};
    return {c.IconX + IconSize, c.IconY + PortTop(c.OutputCount, slot - c.InputCount)};
}

QPoint PortCentre(const ComponentNode& c, int slot)
{
    return PortTopLeft(c, slot) + QPoint(PortSize / 2, PortSize / 2);
}

QRect IconRect(const ComponentNode& c) { return {c.IconX, c.IconY, IconSize, IconSize}; }

QRect TitleBox(const ComponentNode& c) { return {c.IconX - 16, c.IconY + 33, TitleWidth, 15}; }

QSize DocumentExtent()
{
    if (!FirstComponent()) return {};
    int right = FirstComponent()->IconX;
    int bottom = FirstComponent()->IconY;
    for (const ComponentNode* n = FirstComponent(); n; n = n->Next) {
        right = std::max(right, n->IconX);
        bottom = std::max(bottom, n->IconY);
    }
    return {right + 38, bottom + 48};
}

bool OtherEndCentre(const ComponentNode& c, int slot, QPoint& centre)
{
    const LinkSlot& link = c.Links[slot];
    if (!link.From || !link.To) return false;
    const ComponentNode* other = link.From == &c ? link.To : link.From;
    for (int s = 0; s < PortCount(*other); ++s) {
        if (!other->Links[s].Holds(link.From, link.To)) continue;
        // A self-link lies in one slot: its own port is both ends.
        if (other == &c && s != slot) continue;
        centre = PortCentre(*other, s);
        return true;
    }
    return false;
}

ComponentNode* HitTest(int filter, QPoint& p, int& kind, int& index)
{
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        for (int s = 0; s < PortCount(*n); ++s) {
            const bool input = s < n->InputCount;
            if ((input && filter == OutputPortsOnly) || (!input && filter == InputPortsOnly)) continue;
            const QPoint centre = PortCentre(*n, s);
            if (std::abs(p.x() - centre.x()) > PortReach || std::abs(p.y() - centre.y()) > PortReach) continue;
            p = centre;
            kind = input ? InputPort : OutputPort;
            index = input ? s : s - n->InputCount;
            return n;
        }
        if (p.x() >= n->IconX && p.x() < n->IconX + IconSize && p.y() >= n->IconY && p.y() < n->IconY + IconSize) {
            kind = BodyHit;
            index = 0;
            return n;
        }
    }
    return nullptr;
}

ComponentNode* HitTitle(QPoint p)
{
    for (ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (TitleBox(*n).contains(p)) return n;
    return nullptr;
}

bool ConnectByDrag(QPoint from, QPoint to)
{
    int kindA = 0, indexA = 0, kindB = 0, indexB = 0;
    ComponentNode* a = HitTest(AllPorts, from, kindA, indexA);
    ComponentNode* b = HitTest(AllPorts, to, kindB, indexB);
    if (!a || !b || kindA == BodyHit) return false;
    // Let go on the component it started from at the same index (its own
    // port, the port opposite, or the icon for a first port): the port where
    // the drag started lets go of its link.
    if (a == b && indexA == indexB) {
        const LinkSlot held = a->Links[kindA == InputPort ? indexA : indexA + a->InputCount];
        Unlink(held.From, held.To);
        return true;
    }
    if (kindA == kindB) return false;
    // An icon body (index 0) stands for the component's first port of the
    // kind the line needs.
    if (kindA == OutputPort)
        Connect(a, indexA, b, indexB);
    else
        Connect(b, indexB, a, indexA);
    return true;
}
