// Live MIDI input on real ports: a private JACK server on the dummy driver,
// a program on it playing notes into our input, and a Keyboard in Notes mode
// showing them. Measures the time from an event reaching our input thread
// to the chord's keys repainted, with the chord named for the status bar on
// the way. Prints the median and the slowest of many runs.
#include <QApplication>
#include <QElapsedTimer>

#include <rtmidi/RtMidi.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/components/keyboard/keyboard_client.h"
#include "app/components/shared/live_midi_input.h"
#include "core/studio/chord_names_line.h"
#include "core/midi/midi_dev.h"
#include "core/midi/midi_input.h"
#include "core/midi/system_backend.h"
#include "core/services/file_names.h"
#include "core/theory/definition_lists.h"
#include "jack_server.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Runs = 300;

std::atomic<Clock::rep> lastArrival{0};

// The system's ports, with the moment each input message reaches our input
// thread noted before it is handed on.
class StampingBackend : public SystemBackend {
public:
    StampingBackend() : SystemBackend(MidiPortSystem::Jack) {}
    std::unique_ptr<MidiInputPort> OpenInput(int id, MidiInputHandler handler, void* context,
                                             MidiStatus& status) override
    {
        handler_ = handler;
        context_ = context;
        return SystemBackend::OpenInput(id, &StampingBackend::Stamp, this, status);
    }

private:
    static void Stamp(void* self, const MidiInputMessage& m)
    {
        lastArrival = Clock::now().time_since_epoch().count();
        auto* me = static_cast<StampingBackend*>(self);
        me->handler_(me->context_, m);
    }
    MidiInputHandler handler_ = nullptr;
    void* context_ = nullptr;
};

void Report(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf(
        "input thread to keys repainted: median %.3f ms, 90th percentile %.3f ms, slowest %.3f ms"
        " over %zu events (goal under 2 ms)\n",
        times[times.size() / 2], times[times.size() * 9 / 10], times.back(), times.size());
}

int InputIndexOf(const std::string& name)
{
    const auto names = CurrentMidiBackend().InputNames();
    const auto at = std::find(names.begin(), names.end(), name);
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    JackServer server;
    if (!server.Start()) {
        std::printf("no private JACK server: %s\n", server.Why().c_str());
        return 1;
    }
    SetMidiBackend(std::make_unique<StampingBackend>());

    char pattern[] = "/tmp/cantrel-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string ini = dir + "/cantrel.ini";
    std::filesystem::copy_file(CANTREL_SOURCE_DIR "/data/cantrel.ini", ini);
    UseINIFileName(ini.c_str());
    InitializeChordList();  // the names every change writes for the status bar

    // The instrument: another program's port on the server.
    RtMidiOut keys(RtMidi::UNIX_JACK, "Cantrel Bench Keys");
    keys.openVirtualPort("out");
    const int device = InputIndexOf("Cantrel Bench Keys:out");
    if (device < 0) {
        std::printf("the instrument's port is not listed\n");
        return 1;
    }
    MidiDev::SetMidiSettings(device, MidiDev::Mapper, 0, 64);

    QApplication app(argc, argv);
    // Each change names the chord for the status bar, as in the program.
    std::string namesLine;
    SetChordNamesSink([&namesLine](const std::string& line) { namesLine = line; });
    KeyboardClient keyboard;
    keyboard.SoundOn = 0;
    keyboard.Mode = NotesMode;  // Notes: each press and release changes the keys
    keyboard.SetRange(15, 84);
    keyboard.resize(1600, 200);
    keyboard.show();
    app.processEvents();
    LiveMidiInput& live = keyboard.LiveInput();
    live.Apply({true, false});
    if (!live.Listening()) {
        std::printf("the live input did not start\n");
        return 1;
    }

    // Until the connection is live, JACK drops what is sent: C is pressed
    // until it shows.
    const std::vector<unsigned char> pressC{0x90, 60, 100};
    QElapsedTimer clock;
    clock.start();
    while (keyboard.Chord.CountNotes() != 1) {
        if (clock.elapsed() > 5000) {
            std::printf("no event came through\n");
            return 1;
        }
        keys.sendMessage(&pressC);
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 20) app.processEvents();
    }

    std::vector<double> latencies;
    for (int i = 0; i < Runs; ++i) {
        // Alternately lets go of C and presses it again, so every event changes a key.
        const bool press = i % 2 == 1;
        const std::vector<unsigned char> message{static_cast<unsigned char>(press ? 0x90 : 0x80), 60,
                                                 static_cast<unsigned char>(press ? 100 : 0)};
        keyboard.ForgetPaintedRegion();
        const Clock::rep arrivalBefore = lastArrival;
        keys.sendMessage(&message);
        clock.restart();
        while ((lastArrival == arrivalBefore || keyboard.PaintedRegion().isEmpty()) && clock.elapsed() < 2000)
            app.processEvents();
        const auto painted = Clock::now();
        if (keyboard.PaintedRegion().isEmpty() || keyboard.Chord.CountNotes() != (press ? 1 : 0)) {
            std::printf("event %d: the change was not shown\n", i);
            return 1;
        }
        const Clock::time_point arrival{Clock::duration(lastArrival.load())};
        latencies.push_back(std::chrono::duration<double, std::milli>(painted - arrival).count());
    }
    Report(latencies);

    live.Apply({});
    SetChordNamesSink(nullptr);
    MidiDev::ReleaseDevices();
    SetMidiBackend(nullptr);
    ReleaseChordList();
    std::filesystem::remove_all(dir);
    return 0;
}
