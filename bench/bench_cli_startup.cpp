// Start-up of cantrel-cli as a script meets it: the whole process of
// `cantrel-cli name C5 E5 G5`, wall time and peak memory, 20 fresh processes.
//
//   bench_cli_startup                      the cantrel-cli beside this program
//   bench_cli_startup OTHER_FOLDER ...     and, taking turns with it, the
//                                          cantrel-cli in each folder given (its
//                                          libraries and settings beside it), so
//                                          that an older build is measured in the
//                                          same run on the same machine
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Runs = 20;

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

// One process, its output thrown away; the folder goes first in the library
// path so that an older build loads its own libraries, not ours.
Run RunOnce(const std::filesystem::path& folder)
{
    const std::string program = (folder / "cantrel-cli").string();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("LD_LIBRARY_PATH", folder.c_str(), 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program.c_str(), program.c_str(), "name", "C5", "E5", "G5", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) run.milliseconds = -1;
    return run;
}

void Report(const std::filesystem::path& folder, std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.milliseconds < b.milliseconds; });
    long peak = 0;
    for (const Run& run : runs) peak = std::max(peak, run.peakKilobytes);
    if (runs.front().milliseconds < 0) {
        std::printf("%s: cantrel-cli failed\n", folder.c_str());
        return;
    }
    std::printf("%s: best %.1f ms, median %.1f ms, peak memory %.1f MB\n", folder.c_str(), runs.front().milliseconds,
                runs[runs.size() / 2].milliseconds, peak / 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> folders{std::filesystem::canonical("/proc/self/exe").parent_path()};
    for (int i = 1; i < argc; ++i) folders.emplace_back(std::filesystem::absolute(argv[i]));
    std::vector<std::vector<Run>> runs(folders.size());
    for (int round = 0; round < Runs; ++round) {
        for (std::size_t i = 0; i < folders.size(); ++i) runs[i].push_back(RunOnce(folders[i]));
    }
    std::printf("cantrel-cli name C5 E5 G5, %d processes each, taking turns\n", Runs);
    for (std::size_t i = 0; i < folders.size(); ++i) Report(folders[i], runs[i]);
    return 0;
}
