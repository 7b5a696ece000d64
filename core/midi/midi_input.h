#pragma once
// MIDI input for listening objects. Each input device is opened once however
// many listeners it has; its events are queued per listener on the device's
// thread, and each listener is posted one MidiInputEvent per event, which it
// hands to GetMidiEvent on its own thread.

#include <QEvent>

#include <cstdint>

#include "core/midi/midi_event.h"

class MidiKeyState;
class QObject;

constexpr int MaxMidiListeners = 8;

// The event type posted to listeners (1024 when that number is free).
QEvent::Type MidiInputEventType();

class MidiInputEvent : public QEvent {
public:
    MidiInputEvent(std::uintptr_t wParam, std::intptr_t lParam)
        : QEvent(MidiInputEventType()), wParam(wParam), lParam(lParam)
    {
    }
    const std::uintptr_t wParam;  // the listener
    const std::intptr_t lParam;   // its queue
};

// Registers `window` as a listener of input `device`, opening and starting
// the device when it is not open yet. 1, or 0 after a reported failure.
int InitializeMidiInput(int device, QObject* window);
// Removes every registration of `window`; a device whose last listener goes
// is stopped and closed. Events still posted to `window` are withdrawn.
// Always 1.
int UninitializeMidiInput(QObject* window);
// Takes the oldest event of the queue a MidiInputEvent names; 1 when there
// was one, 0 when the queue is empty or no longer exists.
int GetMidiEvent(std::uintptr_t wParam, std::intptr_t lParam, event_tag* ev);
inline int GetMidiEvent(const MidiInputEvent& e, event_tag* ev) { return GetMidiEvent(e.wParam, e.lParam, ev); }

// When the queue a MidiInputEvent names was full and events for it were
// dropped since the last call: empties the queue (what waits there is out of
// date) and gives the keys as every message received from the device says,
// to go on from. False when nothing was dropped.
bool RecoverLostMidiEvents(const MidiInputEvent& posted, MidiKeyState* keys);

// Diagnostics: events waiting for, and events dropped (since the last
// RecoverLostMidiEvents) by, the first registration of `window` (0 and false
// when it has none).
int PendingMidiEvents(const QObject* window);
bool MidiEventsLost(const QObject* window);
