#include "core/midi/midi_input.h"

#include <QCoreApplication>
#include <QObject>

#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "core/midi/midi_backend.h"
#include "core/midi/midi_event_queue.h"
#include "core/midi/midi_key_state.h"
#include "core/services/error.h"

namespace {

constexpr int TooManyListenersMessage = 450;
constexpr int OpenFailedMessage = 451;
constexpr int NoQueueMemoryMessage = 5432;
constexpr int NoRecordMemoryMessage = 5433;
constexpr std::size_t MaxDetailLength = 255;

struct InputDevice {
    int id = -1;  // -1: slot free
    std::unique_ptr<MidiInputPort> port;
    int listeners = 0;
    // Every message received, also those a full queue dropped.
    MidiKeyState keys;
};

struct Listener {
    QObject* window = nullptr;
    int device = -1;
    MidiEventQueue* queue = nullptr;
    InputDevice* source = nullptr;
};

// Listeners and devices change on the user-interface thread; the devices'
// threads read them under the lock. Never call into the backend while
// holding it: the backend holds its own lock while it delivers.
struct InputTables {
    std::mutex mutex;
    Listener* listeners[MaxMidiListeners] = {};
    int count = 0;
    InputDevice devices[MaxMidiListeners];
};

InputTables& Tables()
{
    static InputTables tables;
    return tables;
}

// Runs on the device's thread.
void Receive(void* context, const MidiInputMessage& m)
{
    auto* source = static_cast<InputDevice*>(context);
    InputTables& t = Tables();
    std::lock_guard lock(t.mutex);
    const event_tag ev{m.invalid ? EventOutOfSync : 0, source->id, m.time, m.message};
    if (!m.invalid) source->keys.Take(m.message);
    for (int i = 0; i < t.count; ++i) {
        Listener* l = t.listeners[i];
        if (l->source != source) continue;
        // A dropped event needs no post: the full queue has one waiting.
        if (!l->queue->Push(ev)) continue;
        QCoreApplication::postEvent(l->window, new MidiInputEvent(reinterpret_cast<std::uintptr_t>(l->window),
                                                                  reinterpret_cast<std::intptr_t>(l->queue)));
    }
}

std::string ProductName(int device)
{
    const auto names = CurrentMidiBackend().InputNames();
    if (device >= 0 && device < static_cast<int>(names.size())) return names[device];
    return "Input " + std::to_string(device);
}

InputDevice* OpenDevice(InputTables& t, int device)
{
    for (auto& d : t.devices)
        if (d.id == device && d.port) return &d;
    return nullptr;
}

InputDevice* FreeDevice(InputTables& t)
{
    for (auto& d : t.devices)
        if (d.id == -1) return &d;
    return nullptr;
}

Listener* ListenerOfQueue(InputTables& t, std::intptr_t queue)
{
    for (int i = 0; i < t.count; ++i)
        if (reinterpret_cast<std::intptr_t>(t.listeners[i]->queue) == queue) return t.listeners[i];
    return nullptr;
}

const Listener* FirstListener(const QObject* window)
{
    InputTables& t = Tables();
    for (int i = 0; i < t.count; ++i)
        if (t.listeners[i]->window == window) return t.listeners[i];
    return nullptr;
}

}  // namespace

QEvent::Type MidiInputEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType(1024));
    return type;
}

int InitializeMidiInput(int device, QObject* window)
{
    InputTables& t = Tables();
    if (!window) return 0;
    if (t.count >= MaxMidiListeners) {
        Error(TooManyListenersMessage);
        return 0;
    }
    std::unique_ptr<Listener> record(new (std::nothrow) Listener);
    if (!record) {
        Error(NoRecordMemoryMessage);
        return 0;
    }
    std::unique_ptr<MidiEventQueue> queue(new (std::nothrow) MidiEventQueue);
    if (!queue) {
        Error(NoQueueMemoryMessage);
        return 0;
    }
    record->window = window;
    record->device = device;

    // Fewer than 8 listeners use fewer than 8 devices: a free slot exists.
    InputDevice* source = OpenDevice(t, device);
    const bool opening = source == nullptr;
    if (opening) {
        source = FreeDevice(t);
        MidiStatus status;
        auto port = CurrentMidiBackend().OpenInput(device, Receive, source, status);
        if (!port) {
            const std::string detail =
                (status.detail.empty() ? std::string("unknown error") : status.detail).substr(0, MaxDetailLength);
            Error(OpenFailedMessage, ProductName(device).c_str(), detail.c_str());
            return 0;
        }
        std::lock_guard lock(t.mutex);
        source->id = device;
        source->port = std::move(port);
        source->keys.Clear();  // the slot may have served a device before
    }
    record->queue = queue.release();
    record->source = source;
    {
        std::lock_guard lock(t.mutex);
        ++source->listeners;
        t.listeners[t.count++] = record.release();
    }
    if (opening) source->port->Start();
    return 1;
}

int UninitializeMidiInput(QObject* window)
{
    InputTables& t = Tables();
    std::vector<std::unique_ptr<MidiInputPort>> closing;
    std::vector<Listener*> removed;
    {
        std::lock_guard lock(t.mutex);
        for (int i = 0; i < t.count;) {
            Listener* l = t.listeners[i];
            if (l->window != window) {
                ++i;
                continue;
            }
            InputDevice* source = l->source;
            if (--source->listeners == 0 && source->port) {
                closing.push_back(std::move(source->port));
                source->id = -1;
            }
            removed.push_back(l);
            t.listeners[i] = t.listeners[--t.count];
            t.listeners[t.count] = nullptr;
        }
    }
    // Stopping a device waits for its thread to leave Receive.
    closing.clear();
    for (Listener* l : removed) {
        delete l->queue;
        delete l;
    }
    if (!removed.empty()) QCoreApplication::removePostedEvents(window, MidiInputEventType());
    return 1;
}

int GetMidiEvent(std::uintptr_t, std::intptr_t lParam, event_tag* ev)
{
    auto* queue = reinterpret_cast<MidiEventQueue*>(lParam);
    InputTables& t = Tables();
    bool live = false;
    {
        std::lock_guard lock(t.mutex);
        for (int i = 0; i < t.count && !live; ++i) live = t.listeners[i]->queue == queue;
    }
    // Only this thread frees queues, so it stays valid after the lock.
    return live && queue->Pop(ev) ? 1 : 0;
}

bool RecoverLostMidiEvents(const MidiInputEvent& posted, MidiKeyState* keys)
{
    InputTables& t = Tables();
    std::lock_guard lock(t.mutex);
    Listener* l = ListenerOfQueue(t, posted.lParam);
    if (!l || !l->queue->TakeOverflow()) return false;
    // Under the lock no event arrives: what stays queued is older than the
    // keys taken here, and what comes later follows them.
    event_tag stale{};
    while (l->queue->Pop(&stale)) {
    }
    *keys = l->source->keys;
    return true;
}

int PendingMidiEvents(const QObject* window)
{
    const Listener* l = FirstListener(window);
    return l ? l->queue->Count() : 0;
}

bool MidiEventsLost(const QObject* window)
{
    const Listener* l = FirstListener(window);
    return l && l->queue->Overflowed();
}
