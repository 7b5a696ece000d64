#include "core/studio/note_flow.h"

#include "core/studio/component_node.h"
#include "core/services/error.h"

namespace {

constexpr int NestingTooDeep = 452;
constexpr std::uint32_t LastLevel = std::uint32_t(1) << (MaxMergeLevels - 1);

int flowDepth = 0;
std::uint32_t flowLevel = 1;

void ClearVisitedOut()
{
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) n->VisitedOut = 0;
}

void ClearVisitedIn()
{
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) n->VisitedIn = 0;
}

// Set when a component ending its input at the last level puts out: those
// chords cannot be delivered.
bool beyondLastLevel = false;

// Ends the input of every component marked for the current level; what they
// put out belongs to the next level, which is ended in turn, up to the last.
void RunEndOfWave()
{
    for (;;) {
        const std::uint32_t level = flowLevel;
        bool any = false;
        for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
            if (!(n->PendingWaves & level)) continue;
            any = true;
            flowLevel = level << 1;  // 0 beyond the last level
            n->EndInput();
            flowLevel = level;
            n->PendingWaves &= ~level;
        }
        if (!any || level == LastLevel) {
            const bool lost = beyondLastLevel;
            beyondLastLevel = false;
            flowLevel = 1;
            if (lost) Error(NestingTooDeep);
            return;
        }
        flowLevel = level << 1;
    }
}

void EndOutermostCall()
{
    if (flowDepth == 0 && flowLevel == 1) RunEndOfWave();
}

}  // namespace

int MarkArrival(ComponentNode* target)
{
    if (flowLevel == 0) {
        beyondLastLevel = true;
        return -1;
    }
    if (target->PendingWaves & flowLevel) return 0;
    target->PendingWaves |= flowLevel;
    return 1;
}

int FlowDepth() { return flowDepth; }
std::uint32_t FlowLevel() { return flowLevel; }

void PutOut(ComponentNode* c)
{
    if (!c) return;
    if (flowDepth == 0) ClearVisitedOut();
    if (c->VisitedOut) return;
    c->VisitedOut = 1;
    ++flowDepth;
    for (int i = 0; i < ComponentNode::SlotCount; ++i) {
        if (c->Links[i].From != c) continue;
        if (!c->SendChordTo(c->Links[i].To)) break;
    }
    --flowDepth;
    EndOutermostCall();
}

void PullInputs(ComponentNode* c)
{
    if (!c) return;
    if (flowDepth == 0) ClearVisitedIn();
    if (c->VisitedIn) return;
    c->VisitedIn = 1;
    ++flowDepth;
    for (int i = 0; i < ComponentNode::SlotCount; ++i) {
        if (c->Links[i].To != c) continue;
        ComponentNode* source = c->Links[i].From;
        if (!source) continue;
        if (source->VisitedIn) {
            // The pull came round a loop: the puller sends its own chord.
            ClearVisitedOut();
            PutOut(c);
        } else if (!source->PassThrough) {
            ClearVisitedOut();
            PutOut(source);
        } else {
            PullInputs(source);
        }
    }
    --flowDepth;
    // A Get in ends its wave like a Put out, so no merging component is left
    // waiting with input that would be merged into a later wave.
    EndOutermostCall();
}
