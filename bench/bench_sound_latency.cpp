// Time from chord::SoundOn to the moment the output receives the last
// note-on of a 12-note chord, with the capture backend standing in for a
// device: the cost of our own path (device lookup, program change, 12 notes).
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/midi/capture_backend.h"
#include "core/midi/midi_dev.h"
#include "core/theory/chord.h"

int main(int argc, char** argv)
{
    setenv("CANTREL_MIDI_BACKEND", "capture", 1);
    QCoreApplication app(argc, argv);
    CaptureBackend* capture = CaptureBackend::Active();
    new MidiDev();  // the primary device

    chord c;
    for (NOTES n = 51; n < 63; ++n) c.AddNote(n);  // C5 to B5
    c.program = 0;

    constexpr int Warmup = 200;
    constexpr int Rounds = 5000;
    std::vector<double> micros;
    micros.reserve(Rounds);
    for (int round = 0; round < Warmup + Rounds; ++round) {
        capture->ClearMessages();
        const auto start = std::chrono::steady_clock::now();
        c.SoundOn();
        const auto messages = capture->Messages();
        c.SoundOff();
        if (messages.size() != 13) {
            std::fprintf(stderr, "expected a program change and 12 note-ons, got %zu messages\n", messages.size());
            return 1;
        }
        if (round >= Warmup)
            micros.push_back(std::chrono::duration<double, std::micro>(messages.back().time - start).count());
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&micros](double q) { return micros[static_cast<std::size_t>(q * (micros.size() - 1))]; };
    std::printf("SoundOn to last note-on of a 12-note chord (capture backend), %d rounds:\n", Rounds);
    std::printf("  min %.2f us  median %.2f us  p99 %.2f us  max %.2f us\n", micros.front(), at(0.5), at(0.99),
                micros.back());
    MidiDev::ReleaseDevices();
    return 0;
}
