#pragma once
// The events waiting for one listener: a ring with one producer (the input
// device's thread) and one consumer (the listener's thread). They share only
// the count, which is atomic; each position belongs to one side.

#include <atomic>

#include "core/midi/midi_event.h"

class MidiEventQueue {
public:
    static constexpr int Capacity = 3200;

    // Producer: appends, or drops the event and sets the overflow flag when
    // Capacity events are waiting. False when dropped.
    bool Push(const event_tag& ev);
    // Consumer: takes the oldest event; false when there is none.
    bool Pop(event_tag* ev);

    int Count() const { return count_.load(std::memory_order_acquire); }
    bool Overflowed() const { return overflow_.load(std::memory_order_relaxed); }
    // Whether events were dropped since the last call.
    bool TakeOverflow() { return overflow_.exchange(false, std::memory_order_relaxed); }

private:
    event_tag ring_[Capacity] = {};
    int write_ = 0;  // producer's
    int read_ = 0;   // consumer's
    std::atomic<int> count_{0};
    std::atomic<bool> overflow_{false};
};
