#pragma once
// A window listening to MIDI input for tests: it takes its events as they
// are posted, or leaves them queued.

#include <QEvent>
#include <QObject>

#include <atomic>
#include <vector>

#include "core/midi/midi_input.h"

class Listener : public QObject {
public:
    explicit Listener(bool reads = true) : reads_(reads) {}
    bool event(QEvent* e) override
    {
        if (e->type() != MidiInputEventType()) return QObject::event(e);
        ++posted;
        if (!reads_) return true;
        event_tag ev{};
        if (GetMidiEvent(*static_cast<MidiInputEvent*>(e), &ev)) {
            received.push_back(ev);
            ++taken;
        }
        return true;
    }
    std::vector<event_tag> received;
    std::atomic<int> taken{0};
    int posted = 0;

private:
    bool reads_;
};
