#include "app/studio/component_node.h"

#include "app/studio/component_links.h"
#include "app/studio/note_flow.h"

namespace {
ComponentNode* firstComponent = nullptr;
ComponentNode* lastComponent = nullptr;
int componentCount = 0;
}  // namespace

ComponentNode::ComponentNode(int typeId) : TypeId(typeId)
{
    Prev = lastComponent;
    if (lastComponent)
        lastComponent->Next = this;
    else
        firstComponent = this;
    lastComponent = this;
    ++componentCount;
}

ComponentNode::~ComponentNode()
{
    if (Prev)
        Prev->Next = Next;
    else
        firstComponent = Next;
    if (Next)
        Next->Prev = Prev;
    else
        lastComponent = Prev;
    Next = Prev = nullptr;
    --componentCount;
    Disconnect(this);
}

int ComponentNode::SendChordTo(ComponentNode* target)
{
    if (!target) return 1;
    const int arrival = MarkArrival(target);
    if (arrival < 0) return 1;
    if (arrival > 0) target->BeginInput();
    target->TakeChord(Chord);
    if (target->PassThrough) PutOut(target);
    return 1;
}

void ComponentNode::TakeChord(const chord& c)
{
    for (int i = 0; i < chord::Slots; ++i) Chord.notes[i] = c.notes[i];
    if (SoundOn) Chord.TimedSound(500);
}

ComponentNode* FirstComponent() { return firstComponent; }
ComponentNode* LastComponent() { return lastComponent; }
int ComponentCount() { return componentCount; }

int ComponentIndex(const ComponentNode* c)
{
    if (!c) return 0;
    int index = 1;
    for (ComponentNode* n = firstComponent; n; n = n->Next, ++index)
        if (n == c) return index;
    return 0;
}

ComponentNode* ComponentAt(int index)
{
    if (index <= 0) return nullptr;
    ComponentNode* n = firstComponent;
    while (n && --index > 0) n = n->Next;
    return n;
}
