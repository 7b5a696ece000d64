#include "core/midi/input_relay.h"

MidiInputRelay::MidiInputRelay(MidiInputHandler handler, void* context)
    : handler_(handler), context_(context), thread_([this] { Run(); })
{
}

MidiInputRelay::~MidiInputRelay()
{
    stopping_ = true;
    waiting_.release();
    thread_.join();
}

bool MidiInputRelay::Pass(const MidiInputMessage& message)
{
    const event_tag ev{message.invalid ? EventOutOfSync : 0, 0, message.time, message.message};
    if (!ring_.Push(ev)) return false;
    waiting_.release();
    return true;
}

void MidiInputRelay::Run()
{
    for (;;) {
        waiting_.acquire();
        if (stopping_) return;
        event_tag ev{};
        if (!ring_.Pop(&ev)) continue;
        MidiInputMessage message;
        message.message = ev.message;
        message.time = ev.time;
        message.invalid = ev.status == EventOutOfSync;
        handler_(context_, message);
    }
}
