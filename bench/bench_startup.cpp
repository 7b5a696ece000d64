// Start-up of the program: from process start to the main window shown with
// the default (template) studio loaded, and the peak memory of the process.
// Each run is a fresh process (this program started again with --child) on
// scratch settings, the first start of an installation: the template is
// expanded too. Runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "app/shell/mm_app.h"

namespace {

constexpr int Runs = 7;

long long MonotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// One start in this process; prints "<monotonic us when shown> <peak RSS kB>".
int Child(int argc, char** argv)
{
    QApplication application(argc, argv);
    mmApp::Options options;
    options.errorDialog = false;
    mmApp app(options);
    if (!app.Start()) return 1;
    app.InitMainWindow();
    app.InitInstance();
    QWindow* window = app.MainWindow()->windowHandle();
    while (!window || !window->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        window = app.MainWindow()->windowHandle();
    }
    QCoreApplication::processEvents();
    const long long shown = MonotonicMicroseconds();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %ld\n", shown, usage.ru_maxrss);
    std::fflush(stdout);
    app.Shutdown();
    return 0;
}

struct Sample {
    double milliseconds;
    long peakKb;
};

bool RunOnce(const std::string& self, const std::string& outputDir, Sample& sample)
{
    std::string scratch = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) return false;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(scratch + "/lib", ec);
    fs::create_directories(scratch + "/run", ec);
    fs::permissions(scratch + "/run", fs::perms::owner_all, ec);
    for (const char* name : {"cantrel.ini", "LOVGARES.!CT", "MDVGARES.!CT", "HIVGARES.!CT"})
        fs::copy_file(outputDir + "/" + name, scratch + "/lib/" + name, ec);

    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const long long started = MonotonicMicroseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], 1);
        // What the program says about the machine (no sound) is not the figure.
        freopen("/dev/null", "w", stderr);
        close(pipeFds[0]);
        setenv("CANTREL_LIBRARY_DIR", (scratch + "/lib").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (scratch + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (scratch + "/run").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        execl(self.c_str(), self.c_str(), "--child", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char line[128] = {};
    const ssize_t got = read(pipeFds[0], line, sizeof line - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    fs::remove_all(scratch, ec);
    long long shown = 0;
    long peak = 0;
    if (got <= 0 || std::sscanf(line, "%lld %ld", &shown, &peak) != 2) return false;
    sample = {(shown - started) / 1000.0, peak};
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--child") return Child(argc, argv);

    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string outputDir = std::filesystem::path(self).parent_path().string();
    std::vector<Sample> samples;
    for (int i = 0; i < Runs; ++i) {
        Sample s{};
        if (!RunOnce(self, outputDir, s)) {
            std::fprintf(stderr, "bench_startup: run %d failed\n", i + 1);
            return 1;
        }
        samples.push_back(s);
    }
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
    long peak = 0;
    for (const Sample& s : samples) peak = std::max(peak, s.peakKb);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to main window with template studio (%d fresh processes, %s):\n", Runs,
                platform && *platform ? platform : "offscreen");
    std::printf("  median %.1f ms, fastest %.1f ms, slowest %.1f ms\n", samples[samples.size() / 2].milliseconds,
                samples.front().milliseconds, samples.back().milliseconds);
    std::printf("  peak memory (max RSS) %.1f MB\n", peak / 1024.0);
    return 0;
}
