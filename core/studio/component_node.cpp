#include "core/studio/component_node.h"

#include <cstdlib>

#include "core/studio/arrival_sound.h"
#include "core/studio/component_links.h"
#include "core/studio/note_flow.h"

namespace {
ComponentNode* firstComponent = nullptr;
ComponentNode* lastComponent = nullptr;
int componentCount = 0;

// Changes whenever a component joins or leaves the list.
unsigned long long listVersion = 0;
// Where ComponentAt last arrived: a load asks for neighbouring indexes one
// component after another, so the next walk starts there.
struct Place {
    unsigned long long version = 0;
    int index = 0;
    ComponentNode* node = nullptr;
} lastPlace;
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
    ++listVersion;
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
    ++listVersion;
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
    if (SoundOn && ArrivalsSound()) Chord.TimedSound(500);
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
    if (index <= 0 || index > componentCount) return nullptr;
    // From the nearest known place: either end of the list, or the last answer.
    int at = 1;
    ComponentNode* n = firstComponent;
    if (componentCount - index < index - 1) {
        at = componentCount;
        n = lastComponent;
    }
    if (lastPlace.node && lastPlace.version == listVersion &&
        std::abs(lastPlace.index - index) < std::abs(at - index)) {
        at = lastPlace.index;
        n = lastPlace.node;
    }
    for (; at < index; ++at) n = n->Next;
    for (; at > index; --at) n = n->Prev;
    lastPlace = {listVersion, index, n};
    return n;
}
