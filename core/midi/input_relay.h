#pragma once
// Hands input messages from the MIDI system's thread to a thread of our own,
// which calls the handler. JACK calls input callbacks inside its process
// cycle: when they take longer than the cycle (our handler posts an event to
// the user-interface thread, which can wait for a lock), the rest of that
// cycle's events come through as copies of the last good one. So the MIDI
// system's thread only copies each message into a ring.

#include <atomic>
#include <semaphore>
#include <thread>

#include "core/midi/midi_backend.h"
#include "core/midi/midi_event_queue.h"

class MidiInputRelay {
public:
    MidiInputRelay(MidiInputHandler handler, void* context);
    // Stops our thread; no handler call runs after it has returned.
    ~MidiInputRelay();
    MidiInputRelay(const MidiInputRelay&) = delete;
    MidiInputRelay& operator=(const MidiInputRelay&) = delete;

    // The MIDI system's thread: queues one message; false when the ring is
    // full and the message is dropped.
    bool Pass(const MidiInputMessage& message);

private:
    void Run();

    MidiInputHandler handler_;
    void* context_;
    MidiEventQueue ring_;
    std::counting_semaphore<MidiEventQueue::Capacity + 1> waiting_{0};  // one per queued message, one to stop
    std::atomic<bool> stopping_{false};
    std::thread thread_;  // last: starts once the rest is ready
};
