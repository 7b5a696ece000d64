#pragma once
// What every component is to the link graph and the note flow, without its
// window: its chord, settings and link slots, its place in the one list of all
// components, and the flow operations the components override.

#include <cstdint>
#include <string>

#include "core/studio/component_types.h"
#include "core/studio/find_state.h"
#include "core/theory/chord.h"

class ComponentNode;

// One link: From puts out into To. Both null: empty.
struct LinkSlot {
    ComponentNode* From = nullptr;
    ComponentNode* To = nullptr;
    bool Empty() const { return !From && !To; }
    bool Holds(const ComponentNode* a, const ComponentNode* b) const { return From == a && To == b; }
    void Clear() { From = To = nullptr; }
};

class ComponentNode {
public:
    static constexpr int SlotCount = 3;

    // Appends the component at the end of the component list.
    explicit ComponentNode(int typeId);
    // Leaves the list and removes the links others hold to it (bridging its
    // neighbours when it passes notes through).
    virtual ~ComponentNode();
    ComponentNode(const ComponentNode&) = delete;
    ComponentNode& operator=(const ComponentNode&) = delete;

    // The title the user knows the component by (its window caption), UTF-8.
    virtual std::string Title() const { return std::string(); }

    // Delivers Chord to target: marks it for the current level (BeginInput on
    // the first arrival), has it take the chord, and passes it on when the
    // target passes notes through. 0 stops the sender's remaining outputs.
    virtual int SendChordTo(ComponentNode* target);
    // Copies the 12 notes of c into Chord, then sounds it for half a second
    // when the sound is on.
    virtual void TakeChord(const chord& c);
    virtual void BeginInput() {}
    virtual void EndInput() {}

    int TypeId;
    ComponentNode* Next = nullptr;
    ComponentNode* Prev = nullptr;
    std::uint32_t PendingWaves = 0;
    chord Chord;
    int Mode = ChordMode;
    int SoundOn = 1;
    FindState Find;
    LinkSlot Links[SlotCount];
    std::uint8_t PassThrough = 0;
    std::uint8_t VisitedOut = 0;
    std::uint8_t VisitedIn = 0;
    std::uint8_t InputCount = 1;
    std::uint8_t OutputCount = 1;
    std::uint8_t ManualPosition = 0;
    std::int32_t StoredIconX = 0;
    std::int32_t StoredIconY = 0;
    int LayoutColumn = 0;
    int LayoutGroup = 0;
    std::int32_t IconX = 0;
    std::int32_t IconY = 0;
};

// The component list, in creation order.
ComponentNode* FirstComponent();
ComponentNode* LastComponent();
int ComponentCount();
// 1-based list index of c, 0 for null or not found.
int ComponentIndex(const ComponentNode* c);
// The component at a 1-based list index, null for 0 or out of range.
ComponentNode* ComponentAt(int index);
