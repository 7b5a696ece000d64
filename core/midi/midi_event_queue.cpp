#include "core/midi/midi_event_queue.h"

bool MidiEventQueue::Push(const event_tag& ev)
{
    if (count_.load(std::memory_order_acquire) >= Capacity) {
        overflow_.store(true, std::memory_order_relaxed);
        return false;
    }
    ring_[write_] = ev;
    write_ = (write_ + 1) % Capacity;
    count_.fetch_add(1, std::memory_order_release);
    return true;
}

bool MidiEventQueue::Pop(event_tag* ev)
{
    if (count_.load(std::memory_order_acquire) <= 0) return false;
    *ev = ring_[read_];
    read_ = (read_ + 1) % Capacity;
    count_.fetch_sub(1, std::memory_order_release);
    return true;
}
