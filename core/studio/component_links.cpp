#include "core/studio/component_links.h"

#include "core/studio/component_node.h"

void Unlink(ComponentNode* a, ComponentNode* b)
{
    if (!a && !b) return;
    for (int i = 0; i < ComponentNode::SlotCount; ++i) {
        if (a && a->Links[i].Holds(a, b)) a->Links[i].Clear();
        if (b && b->Links[i].Holds(a, b)) b->Links[i].Clear();
    }
}

void Connect(ComponentNode* src, int outIndex, ComponentNode* dst, int inIndex)
{
    if (!src || !dst) return;
    if (outIndex < 0 || outIndex >= src->OutputCount || inIndex < 0 || inIndex >= dst->InputCount) return;
    Unlink(src, src);
    Unlink(dst, dst);
    LinkSlot& in = dst->Links[inIndex];
    LinkSlot& out = src->Links[outIndex + src->InputCount];
    // Both old links go before the new one is stored: when the old output link
    // led to dst itself, removing it later would take the new input with it.
    if (src != dst && !out.Empty()) {
        LinkSlot old = out;
        Unlink(old.From, old.To);
    }
    if (!in.Empty()) {
        LinkSlot old = in;
        Unlink(old.From, old.To);
    }
    in = {src, dst};
    if (src != dst) out = {src, dst};
}

void Disconnect(ComponentNode* c)
{
    if (!c) return;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        if (n == c) continue;
        for (LinkSlot& slot : n->Links)
            if (slot.From == c || slot.To == c) slot.Clear();
    }
    if (!c->PassThrough) return;
    // Self-links are no neighbours: bridging them would link a component
    // that is going away.
    ComponentNode* source = nullptr;
    ComponentNode* target = nullptr;
    for (const LinkSlot& slot : c->Links) {
        if (!source && slot.To == c && slot.From && slot.From != c) source = slot.From;
        if (!target && slot.From == c && slot.To && slot.To != c) target = slot.To;
    }
    if (source && target) Connect(source, 0, target, 0);
}

ComponentNode* NthOutputOf(const ComponentNode* c, int n)
{
    for (const LinkSlot& slot : c->Links)
        if (slot.From == c && n-- == 0) return slot.To;
    return nullptr;
}

ComponentNode* LinkedAtInput(const ComponentNode* c, int port)
{
    if (port < 0 || port >= c->InputCount) return nullptr;
    const LinkSlot& slot = c->Links[port];
    return slot.To == c ? slot.From : nullptr;
}

ComponentNode* LinkedAtOutput(const ComponentNode* c, int port)
{
    if (port < 0 || port >= c->OutputCount) return nullptr;
    const LinkSlot& slot = c->Links[c->InputCount + port];
    if (slot.From == c && slot.To) return slot.To;
    // A link to itself lies in an input slot only and so names no output:
    // it stands at the first output that holds nothing else.
    bool selfLinked = false;
    for (int in = 0; in < c->InputCount; ++in) selfLinked = selfLinked || c->Links[in].Holds(c, c);
    if (!selfLinked) return nullptr;
    for (int out = 0; out < c->OutputCount; ++out)
        if (c->Links[c->InputCount + out].Empty()) return out == port ? const_cast<ComponentNode*>(c) : nullptr;
    return nullptr;
}

int FreeInputOf(const ComponentNode* c)
{
    for (int in = 0; in < c->InputCount; ++in)
        if (c->Links[in].Empty()) return in;
    return 0;
}

int FreeOutputOf(const ComponentNode* c)
{
    for (int out = 0; out < c->OutputCount; ++out)
        if (c->Links[c->InputCount + out].Empty()) return out;
    return 0;
}
