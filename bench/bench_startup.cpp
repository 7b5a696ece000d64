// Start-up of the program: from process start to the main window shown with
// the default (template) studio loaded, and the peak memory of the process.
// Each run is a fresh process (this program started again with --child) on
// scratch settings, the first start of an installation: the template is
// expanded too, and Getting Started opens. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
//
// The shipped template (a Keyboard through a pass-through Splitter to a Guitar
// and an Analyzer) is measured beside the one shipped before it (a Splitter
// and a Joiner, kept in bench/data), the runs taking turns so that a busy
// machine weighs on both alike; and once more without Getting Started, to
// show what the help window costs.
#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "app/shell/mm_app.h"

namespace {

constexpr int Runs = 9;

long long MonotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// One start in this process; prints "<monotonic us when shown> <peak RSS kB>
// <processor us so far>".
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
    const long long cpu =
        (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %ld %lld\n", shown, usage.ru_maxrss, cpu);
    std::fflush(stdout);
    app.Shutdown();
    return 0;
}

struct Sample {
    double milliseconds;
    long peakKb;
    double cpuMilliseconds;  // the processor time of the start: the machine is shared
};

struct Setup {
    const char* name;
    std::string templateDir;  // where the three compressed templates are
    bool welcome;             // Getting Started opens, as on the first start
    std::vector<Sample> samples;
};

void CopySettings(const std::string& from, const std::string& to, bool welcome)
{
    std::ifstream in(from, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string settings = text.str();
    if (!welcome) {
        const std::size_t at = settings.find("Welcome=1");
        if (at != std::string::npos) settings.replace(at, 9, "Welcome=0");
    }
    std::ofstream(to, std::ios::binary) << settings;
}

bool RunOnce(const std::string& self, const std::string& outputDir, const Setup& setup, Sample& sample)
{
    std::string scratch = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) return false;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(scratch + "/lib", ec);
    fs::create_directories(scratch + "/run", ec);
    fs::permissions(scratch + "/run", fs::perms::owner_all, ec);
    CopySettings(outputDir + "/cantrel.ini", scratch + "/lib/cantrel.ini", setup.welcome);
    for (const char* name : {"LOVGARES.!CT", "MDVGARES.!CT", "HIVGARES.!CT"})
        fs::copy_file(setup.templateDir + "/" + name, scratch + "/lib/" + name, ec);

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
    long long cpu = 0;
    if (got <= 0 || std::sscanf(line, "%lld %ld %lld", &shown, &peak, &cpu) != 3) return false;
    sample = {(shown - started) / 1000.0, peak, cpu / 1000.0};
    return true;
}

double Median(const std::vector<Sample>& samples, double Sample::*figure)
{
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.*figure);
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--child") return Child(argc, argv);

    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string outputDir = std::filesystem::path(self).parent_path().string();
    std::vector<Setup> setups = {
        {"old template (Splitter, Joiner)", CANTREL_SOURCE_DIR "/bench/data/splitter_joiner_templates", true, {}},
        {"new template (Keyboard, Splitter, Guitar, Analyzer)", outputDir, true, {}},
        {"new template, Getting Started not opened", outputDir, false, {}},
    };
    for (int i = 0; i < Runs; ++i) {
        for (Setup& setup : setups) {
            Sample s{};
            if (!RunOnce(self, outputDir, setup, s)) {
                std::fprintf(stderr, "bench_startup: %s: run %d failed\n", setup.name, i + 1);
                return 1;
            }
            setup.samples.push_back(s);
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up to main window with template studio (%d fresh processes each, taking turns, %s):\n", Runs,
                platform && *platform ? platform : "offscreen");
    for (const Setup& setup : setups) {
        auto [fastest, slowest] =
            std::minmax_element(setup.samples.begin(), setup.samples.end(),
                                [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
        long peak = 0;
        for (const Sample& s : setup.samples) peak = std::max(peak, s.peakKb);
        std::printf(
            "  %-52s median %6.1f ms (processor %5.1f ms), fastest %6.1f, slowest %6.1f; peak memory (max RSS) "
            "%.1f MB\n",
            setup.name, Median(setup.samples, &Sample::milliseconds), Median(setup.samples, &Sample::cpuMilliseconds),
            fastest->milliseconds, slowest->milliseconds, peak / 1024.0);
    }
    for (double Sample::*figure : {&Sample::milliseconds, &Sample::cpuMilliseconds}) {
        const double ratio = Median(setups[1].samples, figure) / Median(setups[0].samples, figure);
        std::printf("new / old template, %s: x%.2f (goal: at most x1.33) %s\n",
                    figure == &Sample::milliseconds ? "wall" : "processor", ratio, ratio <= 4.0 / 3 ? "met" : "MISSED");
    }
    return 0;
}
