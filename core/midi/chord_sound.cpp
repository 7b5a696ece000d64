#include "core/midi/chord_sound.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <climits>
#include <mutex>

#include "core/midi/midi_dev.h"
#include "core/services/error.h"
#include "core/theory/chord.h"

namespace {

constexpr int TableFullMessage = 33140;
constexpr int NoTimerMessage = 33141;
constexpr int Channel = 0;

struct TimedEntry {
    QTimer* timer;
    chord* sounding;
};

// Changed only on the user-interface thread; the lock keeps the chord
// destructor's check sound when chords die on other threads.
struct TimedTable {
    std::mutex mutex;
    TimedEntry entries[MaxTimedChords];
    std::atomic<int> count{0};
};

TimedTable& Table()
{
    static TimedTable table;
    return table;
}

std::atomic<int> liveTimers{0};

void Retire(QTimer* timer)
{
    timer->stop();
    timer->deleteLater();
}

// Removes every entry of `c` (the last entry moves into the gap) and retires
// its timers. Call with the table locked.
void WithdrawLocked(TimedTable& table, const chord* c)
{
    int count = table.count;
    for (int i = 0; i < count;) {
        if (table.entries[i].sounding != c) {
            ++i;
            continue;
        }
        Retire(table.entries[i].timer);
        table.entries[i] = table.entries[--count];
    }
    table.count = count;
}

void TimerFired(QTimer* timer)
{
    TimedTable& table = Table();
    chord* ended = nullptr;
    {
        std::lock_guard lock(table.mutex);
        for (int i = 0; i < table.count; ++i) {
            if (table.entries[i].timer == timer) {
                ended = table.entries[i].sounding;
                break;
            }
        }
        if (ended) WithdrawLocked(table, ended);
    }
    // Outside the lock: a message shown while sounding off runs an event loop
    // in which other timers fire.
    if (ended) ended->SoundOff();
}

void ChordDestroyed(chord* c)
{
    TimedTable& table = Table();
    if (table.count == 0) return;
    std::lock_guard lock(table.mutex);
    WithdrawLocked(table, c);
}

bool TimersAvailable() { return QCoreApplication::instance() && QThread::currentThread()->eventDispatcher(); }

}  // namespace

int PendingTimedSounds() { return Table().count; }

int TimedSoundTimers() { return liveTimers; }

void chord::SoundOn()
{
    ++soundCount;
    MidiDev* device = MidiDev::MidiOut(midiOutput - 2);
    if (!device) return;
    device->SetInstrument(Channel, program);
    for (NOTES n : notes)
        if (n != NoNote) device->Note(Channel, n, 1);
}

void chord::SoundOff()
{
    if (soundCount > 0) --soundCount;
    MidiDev* device = MidiDev::MidiOut(midiOutput - 2);
    if (!device) return;
    for (NOTES n : notes)
        if (n != NoNote) device->Note(Channel, n, 0);
}

void chord::TimedSound(unsigned long ms)
{
    static std::once_flag hookInstalled;
    std::call_once(hookInstalled, [] { SetChordDestroyedHook(ChordDestroyed); });

    TimedTable& table = Table();
    if (table.count >= MaxTimedChords) {
        Error(TableFullMessage);
        return;
    }
    if (!TimersAvailable()) {
        Error(NoTimerMessage);
        return;
    }
    auto* timer = new QTimer;
    ++liveTimers;
    QObject::connect(timer, &QObject::destroyed, [] { --liveTimers; });
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] { TimerFired(timer); });
    bool placed = false;
    {
        // The place is taken before sounding: a message shown while sounding
        // on may let other chords in.
        std::lock_guard lock(table.mutex);
        if (table.count < MaxTimedChords) {
            table.entries[table.count] = {timer, this};
            table.count = table.count + 1;
            placed = true;
        }
    }
    if (!placed) {
        delete timer;
        Error(TableFullMessage);
        return;
    }
    SoundOn();
    timer->start(static_cast<int>(std::min<unsigned long>(ms, INT_MAX)));
}
