// Offline rendering speed of the built-in synthesizer: seconds of sound
// written to a WAV file per second of work, for a triad and a 12-note chord.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/midi/chord_render.h"
#include "core/theory/chord.h"

namespace {

bool Measure(const char* what, const chord& c, int program, const std::string& path)
{
    constexpr int Rounds = 5;
    constexpr unsigned long HeldMs = 4000;
    double audio = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < Rounds; ++round) {
        ChordRender info;
        MidiStatus status;
        if (!RenderChordToWav(path, c, program, 100, HeldMs, info, status)) {
            std::fprintf(stderr, "render failed: %s\n", status.detail.c_str());
            return false;
        }
        audio += double(info.noteFrames + info.releaseFrames) / info.sampleRate;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("  %-28s %6.1f s of sound in %6.3f s: %6.1f x real time\n", what, audio, wall, audio / wall);
    return true;
}

}  // namespace

int main()
{
    char folder[] = "/tmp/cantrel-bench-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    const std::string path = std::string(folder) + "/render.wav";

    chord triad;
    for (NOTES n : {51, 55, 58}) triad.AddNote(n);  // C5 E5 G5
    chord twelve;
    for (NOTES n = 51; n < 63; ++n) twelve.AddNote(n);

    std::printf("Offline render to WAV (44.1 kHz stereo, 4 s held + release):\n");
    const bool ok = Measure("C5 E5 G5, piano", triad, 0, path) && Measure("12 notes, piano", twelve, 0, path) &&
                    Measure("12 notes, string ensemble", twelve, 48, path);
    unlink(path.c_str());
    rmdir(folder);
    return ok ? 0 : 1;
}
