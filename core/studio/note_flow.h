#pragma once
// Moving chords along the links: "Put out" sends a component's chord
// downstream, "Get in" has the nearest upstream sources send again. After the
// outermost call, every merging component that received input puts out its
// result, one level after the chords that formed it.

#include <cstdint>

class ComponentNode;

constexpr int MaxMergeLevels = 32;

// Sends c's chord to every component on its outputs, in slot order.
void PutOut(ComponentNode* c);
// Has the components on c's inputs send their chords again.
void PullInputs(ComponentNode* c);

// Marks target as receiving a chord at the current level. 1: its first
// chord of the level (it begins its input), 0: it has one already, -1: the
// chord would lie beyond the last level and is not delivered.
int MarkArrival(ComponentNode* target);

// Nesting depth of put-out and get-in calls (0 when idle).
int FlowDepth();
// The one-bit mask of the level now being delivered (1 when idle).
std::uint32_t FlowLevel();
