// `cantrel-cli chords` on a song of 100,000 notes, the whole process as a
// script meets it: piano chords, a bass line, a melody in eighths and drums,
// wandering through the chords of C major. Goal: under 200 ms.
#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/midi_file_writer.h"

namespace {

constexpr int Runs = 10;
constexpr int Notes = 100000;

std::string LongSong()
{
    MidiFileWriter file(1, 480);
    MidiTrackWriter& conductor = file.Track();
    conductor.Tempo(0, 500000);
    MidiTrackWriter& piano = file.Track();
    MidiTrackWriter& bass = file.Track();
    MidiTrackWriter& melody = file.Track();
    MidiTrackWriter& drums = file.Track();
    for (MidiTrackWriter* track : {&piano, &bass, &melody, &drums}) track->runningStatus = true;
    const std::vector<std::vector<int>> chords = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62, 65},
                                                  {62, 65, 69}, {64, 67, 71}, {59, 62, 65}, {60, 64, 67, 70}};
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245 + 12345) >> 16; };
    int notes = 0;
    for (std::int64_t half = 0; notes < Notes; ++half) {
        const std::vector<int>& chord = chords[next() % chords.size()];
        const std::int64_t at = half * 960;
        piano.Chord(at, 960, chord);
        notes += static_cast<int>(chord.size());
        for (int beat = 0; beat < 2; ++beat) bass.Note(at + 480 * beat, 480, chord[static_cast<std::size_t>(beat) % chord.size()] - 24, 1);
        for (int eighth = 0; eighth < 4; ++eighth) {
            melody.Note(at + 240 * eighth, 240, chord[next() % chord.size()] + 12, 2);
            drums.Note(at + 240 * eighth, 60, eighth % 2 ? 42 : 36, 9);
        }
        notes += 10;
    }
    return file.Bytes();
}

struct Run {
    double wallMs = -1;
    double cpuMs = 0;  // user and system: what the machine's other work does not change
};

double Ms(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

Run RunOnce(const std::filesystem::path& folder, const std::vector<std::string>& args)
{
    const std::string program = (folder / "cantrel-cli").string();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    return run;
}

}  // namespace

int main()
{
    const std::filesystem::path folder = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::filesystem::path song = std::filesystem::temp_directory_path() / "cantrel-bench-song.mid";
    std::ofstream(song, std::ios::binary) << LongSong();
    std::printf("cantrel-cli chords on %d notes (%ju bytes), %d processes each, goal under 200 ms\n", Notes,
                static_cast<std::uintmax_t>(std::filesystem::file_size(song)), Runs);
    const std::vector<std::vector<std::string>> commands = {
        {"chords", song.string()}, {"chords", "--key", song.string()}, {"chords", "--per", "beat", song.string()},
        {"chords", "--json", "--key", song.string()}};
    for (const std::vector<std::string>& args : commands) {
        std::vector<double> wall, cpu;
        for (int i = 0; i < Runs; ++i) {
            const Run run = RunOnce(folder, args);
            wall.push_back(run.wallMs);
            cpu.push_back(run.cpuMs);
        }
        std::sort(wall.begin(), wall.end());
        std::sort(cpu.begin(), cpu.end());
        std::string shown;
        for (const std::string& arg : args) shown += " " + (arg == song.string() ? std::string("SONG") : arg);
        if (wall.front() < 0)
            std::printf("cantrel-cli%s: failed\n", shown.c_str());
        else
            std::printf("cantrel-cli%s: wall best %.1f ms, median %.1f ms; processor median %.1f ms\n", shown.c_str(),
                        wall.front(), wall[wall.size() / 2], cpu[cpu.size() / 2]);
    }
    if (!std::getenv("CANTREL_BENCH_KEEP_SONG")) std::filesystem::remove(song);
    return 0;
}
