// `cantrel-cli name --batch` over every pitch-class set with every one of its
// notes as the bass (24,576 chords, each voiced upward within an octave from
// its bass), as a whole process: reading the notes, naming, writing the names.
// Each run is a fresh process on a generated input file, paired with a run on
// an empty input that gives its start-up; the per-set figures are the median
// of the paired differences, so that a machine busy with other work in one
// round does not count as the start-up of another. In
// the same run the library names the same chords itself, through the search
// (FindFirstName, FindNextName) and through the batch table. The batch fills
// its table before the first line, so that filling counts as start-up.
//
//   bench_batch_naming [CANTREL-CLI]
// CANTREL-CLI (default: the one built beside this program) runs with the
// libcantrelcore.so beside it, so that a copy of another build compares.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "core/services/file_names.h"
#include "core/theory/chord.h"
#include "core/theory/chord_name_table.h"
#include "core/theory/definition_lists.h"

extern char** environ;

namespace {

constexpr NOTES A4 = 36;
constexpr int ProcessRounds = 15;
constexpr int LibraryRounds = 20;

// Every pitch-class set with each of its pitch classes as the lowest note.
std::vector<chord> EverySetAndBass()
{
    std::vector<chord> chords;
    for (unsigned set = 1; set < 4096; ++set)
        for (int bass = 0; bass < 12; ++bass) {
            if (!(set & (1u << bass))) continue;
            chord c;
            for (int above = 0; above < 12; ++above)
                if (set & (1u << (bass + above) % 12)) c.AddNote(A4 + bass + above);
            chords.push_back(c);
        }
    return chords;
}

bool WriteInput(const std::vector<chord>& chords, const std::string& path)
{
    std::ofstream out(path);
    for (const chord& c : chords) {
        for (int i = 0; i < chord::Slots && c.notes[i] != NoNote; ++i) {
            char name[chord::FullNoteNameSize];
            chord::GetFullNoteName(c.notes[i], name);
            out << (i ? " " : "") << name;
        }
        out << '\n';
    }
    return static_cast<bool>(out);
}

struct ProcessTime {
    double wall = 0;  // seconds
    double cpu = 0;   // user + system seconds
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// This environment, with the libraries looked for beside `cli` first.
std::vector<std::string> CliEnvironment(const std::string& cli)
{
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v)
        if (std::string(*v).rfind("LD_LIBRARY_PATH=", 0) != 0) variables.emplace_back(*v);
    variables.push_back("LD_LIBRARY_PATH=" + std::filesystem::path(cli).parent_path().string());
    return variables;
}

// Runs `cli` once on `input`; false when it did not end with success.
bool RunCli(const std::string& cli, const std::string& ini, const std::string& input, const std::string& output,
            ProcessTime& time)
{
    const char* argv[] = {cli.c_str(), "--ini", ini.c_str(), "name", "--batch", nullptr};
    static const std::vector<std::string> variables = CliEnvironment(cli);
    std::vector<char*> environment;
    for (const std::string& v : variables) environment.push_back(const_cast<char*>(v.c_str()));
    environment.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cli.c_str(), &files, nullptr, const_cast<char**>(argv), environment.data());
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    time.wall = wall;
    time.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

long CountLines(const std::string& path)
{
    std::ifstream in(path);
    return static_cast<long>(std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

// Best time of `rounds` rounds of `name` over all chords, in microseconds per chord.
template <class Name>
double LibraryMicroseconds(const std::vector<chord>& chords, int rounds, Name name)
{
    double best = 1e9;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (const chord& c : chords) name(c);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best * 1e6 / static_cast<double>(chords.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (std::FILE* load = std::fopen("/proc/loadavg", "r")) {
        char line[64] = {};
        if (std::fgets(line, sizeof line, load)) std::printf("load average: %s", line);
        std::fclose(load);
    }
    namespace fs = std::filesystem;
    const std::string libraryDir = GetLibraryDirectory();
    const std::string cli = argc > 1 ? argv[1] : libraryDir + "cantrel-cli";
    const std::string ini = libraryDir + "cantrel.ini";
    UseINIFileName(ini.c_str());
    if (!InitializeChordList() || CountChordDefinitions() == 0) {
        std::fprintf(stderr, "bench_batch_naming: cannot load the chord definitions from %s\n", ini.c_str());
        return 1;
    }

    std::string scratch = (fs::temp_directory_path() / "cantrel-batch-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 1;
    const std::string input = scratch + "/chords.txt", output = scratch + "/names.txt";
    const std::vector<chord> chords = EverySetAndBass();
    const double sets = static_cast<double>(chords.size());
    if (!WriteInput(chords, input)) return 1;

    std::vector<double> startWall, startCpu, setWall, setCpu;  // start-up; per set without it
    bool ok = true;
    for (int r = 0; r < ProcessRounds && ok; ++r) {
        ProcessTime empty, full;
        ok = RunCli(cli, ini, "/dev/null", output, empty) && RunCli(cli, ini, input, output, full);
        ok = ok && CountLines(output) == static_cast<long>(chords.size());
        startWall.push_back(empty.wall);
        startCpu.push_back(empty.cpu);
        setWall.push_back((full.wall - empty.wall) / sets);
        setCpu.push_back((full.cpu - empty.cpu) / sets);
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    if (!ok) {
        std::fprintf(stderr, "bench_batch_naming: %s did not answer every line\n", cli.c_str());
        return 1;
    }

    CHORD_FIND_BUF search;
    char name[chord::ChordNameSize];
    long names = 0;
    const double plain = LibraryMicroseconds(chords, LibraryRounds, [&](const chord& c) {
        for (int found = c.FindFirstName(name, search); found; found = c.FindNextName(name, search)) ++names;
    });
    std::string line;
    const auto nameFromTable = [&](const chord& c) {
        line.clear();
        AppendChordNames(c, '\t', line);
    };
    const auto fillStart = std::chrono::steady_clock::now();
    FillChordNameTable();
    const double fillSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - fillStart).count();
    const double table = LibraryMicroseconds(chords, LibraryRounds, nameFromTable);

    std::printf("%s name --batch, %.0f chords (every pitch-class set, every bass), median of %d runs:\n", cli.c_str(),
                sets, ProcessRounds);
    std::printf("  whole process per set:  %.3f us cpu, %.3f us wall (start-up left out)\n", Median(setCpu) * 1e6,
                Median(setWall) * 1e6);
    std::printf("  start-up (empty input): %.1f ms cpu, %.1f ms wall\n", Median(startCpu) * 1e3,
                Median(startWall) * 1e3);
    std::printf("library only (of this build), per set (%d definitions, %.2f names per set):\n",
                CountChordDefinitions(), static_cast<double>(names) / LibraryRounds / sets);
    std::printf("  search (FindFirstName, FindNextName): %.3f us\n", plain);
    std::printf("  batch table (AppendChordNames):       %.3f us, after %.1f ms filling it (FillChordNameTable)\n",
                table, fillSeconds * 1e3);
    ReleaseChordList();
    return 0;
}
