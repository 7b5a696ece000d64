// Studio files: saving, loading and closing studios of 10, 100 and 1,000
// components of every kind, on the offscreen platform. The studio is made of
// groups of five: a Keyboard into a pass-through Splitter, whose outputs go to
// a Guitar and to a Joiner; the Guitar goes to the Joiner too, and the Joiner
// to an Analyzer. Twenty chords put out by each Keyboard fill every Analyzer's
// history. Also times the refusal of a studio file far beyond what a studio
// may hold (30,000 components, as the one that used to crash the program).
// Prints the times (and that of the event loop's first pass after a
// load), the time per component, the growth from 100 to 1,000, and how often
// the file was rewritten per save.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>
#include <time.h>

#include "app/shell/studio_parts.h"
#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "app/commands/command_icons.h"
#include "app/commands/shell_commands.h"
#include "ui/studio_style.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "core/studio/component_types.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/studio/note_flow.h"
#include "core/studio/studio_file_reader.h"
#include "core/studio/studio_modified.h"
#include "app/studio/studio_capacity.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {

using Clock = std::chrono::steady_clock;

// Wall time and the time this thread had the processor, in milliseconds: the
// machine is shared, and the difference is time spent waiting for it.
struct Span {
    double wall = 0;
    double cpu = 0;
};

double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

class Stopwatch {
public:
    Span Stop() const
    {
        return {std::chrono::duration<double, std::milli>(Clock::now() - wall_).count(),
                ThreadCpuMilliseconds() - cpu_};
    }

private:
    Clock::time_point wall_ = Clock::now();
    double cpu_ = ThreadCpuMilliseconds();
};

// Each step is measured this many times on the same studio; the median counts.
constexpr int Repeats = 3;

Span Median(std::vector<Span> spans)
{
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.wall < b.wall; });
    return spans[spans.size() / 2];
}

struct Figures {
    Span save;
    Span load;
    Span settle;  // the event loop's first pass over the loaded studio
    Span close;   // closing the loaded studio
    Span read;    // the file alone: reading and decoding every line, no window
    std::size_t rewrites = 0;
    int loaded = 0;
};

constexpr int GroupSize = 5;
constexpr int HistoryLines = AnalyzerClient::DefaultHistorySize;

ComponentNode* Make(mmMDIClient& studio, int kind)
{
    if (!CreateComponent(&studio, kind, false)) std::exit(1);
    return LastComponent();
}

// One group of five, linked, its Analyzer's history filled by the Keyboard.
void MakeGroup(mmMDIClient& studio, int group)
{
    ComponentNode* keyboard = Make(studio, ComponentKind::Keyboard);
    ComponentNode* splitter = Make(studio, ComponentKind::Splitter);
    ComponentNode* guitar = Make(studio, ComponentKind::Guitar);
    ComponentNode* joiner = Make(studio, ComponentKind::Joiner);
    ComponentNode* analyzer = Make(studio, ComponentKind::Analyzer);
    Connect(keyboard, 0, splitter, 0);
    Connect(splitter, 0, guitar, 0);
    Connect(splitter, 1, joiner, 0);
    Connect(guitar, 0, joiner, 1);
    Connect(joiner, 0, analyzer, 0);
    for (ComponentNode* sounding : {keyboard, guitar, analyzer}) sounding->SoundOn = 0;
    // Triads walking up by semitones from a different root in each group.
    for (int line = 0; line < HistoryLines; ++line) {
        const NOTES root = 36 + (group * 7 + line) % 24;
        keyboard->Chord.Clear();
        for (int step : {0, 4, 7}) keyboard->Chord.AddNote(root + step);
        PutOut(keyboard);
    }
    if (static_cast<AnalyzerClient*>(analyzer)->HistoryList()->count() != HistoryLines) std::exit(1);
}

Figures Measure(mmMDIClient& studio, int count, const std::string& path)
{
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    for (int group = 0; group < count / GroupSize; ++group) MakeGroup(studio, group);
    // Every step starts, as in the program, from an event loop that has
    // caught up.
    QCoreApplication::processEvents();
    std::vector<Span> save, load, settle, close, read;
    Figures f;
    for (int repeat = 0; repeat < Repeats; ++repeat) {
        const std::size_t before = ProfileRewriteCount();
        Stopwatch watch;
        if (!studio.SaveStudio(path.c_str())) std::exit(1);
        save.push_back(watch.Stop());
        f.rewrites = ProfileRewriteCount() - before;
    }
    studio.CloseStudio();
    QCoreApplication::processEvents();

    for (int repeat = 0; repeat < Repeats; ++repeat) {
        ForgetProfiles();
        Stopwatch watch;
        StudioFileContents contents;
        if (!ReadStudioFile(path, contents)) std::exit(1);
        for (const StudioComponentLine& line : contents.components) DecodeComponentLine(line.line);
        read.push_back(watch.Stop());
    }

    for (int repeat = 0; repeat < Repeats; ++repeat) {
        ForgetProfiles();  // the load reads the file from disk
        Stopwatch loading;
        if (!studio.LoadStudio(path.c_str(), true, false)) std::exit(1);
        load.push_back(loading.Stop());
        f.loaded = ComponentCount();
        Stopwatch settling;
        QCoreApplication::processEvents();
        settle.push_back(settling.Stop());
        Stopwatch closing;
        studio.CloseStudio();
        close.push_back(closing.Stop());
        QCoreApplication::processEvents();
    }
    f.save = Median(save);
    f.load = Median(load);
    f.settle = Median(settle);
    f.close = Median(close);
    f.read = Median(read);
    return f;
}

// A file of `count` copies of the first component line of `model`; the time
// LoadStudio takes to refuse it, and whether it did.
void MeasureRefusal(mmMDIClient& studio, const std::string& model, const std::string& path, int count)
{
    ForgetProfiles();
    const std::string line = GetProfileString(model, StudioFile::Windows, "1", std::string());
    {
        std::ofstream out(path);
        out << "[Windows]\n0=513\n";
        for (int n = 1; n <= count; ++n) out << n << '=' << line << '\n';
    }
    int reported = 0;
    const ErrorPresenter before = GetErrorPresenter();
    SetErrorPresenter([&reported](const ErrorReport& report) { reported = report.number; });
    ForgetProfiles();
    Stopwatch watch;
    const bool loaded = studio.LoadStudio(path.c_str(), true, false);
    const Span refusal = watch.Stop();
    SetErrorPresenter(before);
    std::printf(
        "%d components (%.1f MB) against the bound of %d: %s with message %d in %.0f ms (%.0f processor ms); "
        "studio left with %d\n",
        count, double(std::filesystem::file_size(path)) / 1e6, MaxStudioComponents, loaded ? "LOADED" : "refused",
        reported, refusal.wall, refusal.cpu, ComponentCount());
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("CANTREL_MIDI_BACKEND", "capture", 0);
    QApplication app(argc, argv);
    // As the program does at start-up: a frame without a window icon of its
    // own would otherwise decode the style's menu picture each time one is
    // made, and the style shares the title-bar pictures.
    UseStudioStyle();
    InstallStudioParts();
    QApplication::setWindowIcon(CommandIcon(ShellPicture::ProgramIcon));

    std::string folder = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return 1;
    const std::string ini = folder + "/cantrel.ini";
    UseINIFileName(ini.c_str());

    mmMDIClient studio;
    studio.resize(1024, 768);
    studio.show();

    // A count on the command line measures that studio alone (for a profiler).
    std::vector<int> sizes = {10, 100, 1000};
    if (argc > 1 && std::atoi(argv[1]) > 0) sizes = {std::atoi(argv[1])};
    for (int& count : sizes) count = std::clamp(count / GroupSize * GroupSize, GroupSize, MaxStudioComponents);
    Figures at100;
    std::printf(
        "groups of Keyboard -> pass-through Splitter -> Guitar and Joiner, Guitar -> Joiner -> Analyzer "
        "(%d history lines); median of %d, wall ms (processor ms)\n",
        HistoryLines, Repeats);
    std::printf("%7s %17s %17s %15s %15s %10s %8s %6s %13s %13s\n", "studio", "save", "load", "settle", "close",
                "file-only", "rewrites", "loaded", "save us/comp", "load us/comp");
    for (int count : sizes) {
        const std::string path = folder + "/studio" + std::to_string(count) + ".cts";
        const Figures f = Measure(studio, count, path);
        auto both = [](const Span& s) {
            char text[40];
            std::snprintf(text, sizeof text, s.wall < 100 ? "%.1f (%.1f)" : "%.0f (%.0f)", s.wall, s.cpu);
            return std::string(text);
        };
        std::printf("%7d %17s %17s %15s %15s %10.1f %8zu %6d %13s %13s\n", count, both(f.save).c_str(),
                    both(f.load).c_str(), both(f.settle).c_str(), both(f.close).c_str(), f.read.wall, f.rewrites,
                    f.loaded, both({1000 * f.save.wall / count, 1000 * f.save.cpu / count}).c_str(),
                    both({1000 * f.load.wall / count, 1000 * f.load.cpu / count}).c_str());
        if (count == 100) {
            at100 = f;
        } else if (count == 1000 && at100.loaded) {
            std::printf(
                "growth 100 -> 1000, wall (processor): save x%.1f (x%.1f), load x%.1f (x%.1f), settle x%.1f "
                "(x%.1f), close x%.1f (x%.1f), file-only x%.1f (linear: x10)\n",
                f.save.wall / at100.save.wall, f.save.cpu / at100.save.cpu, f.load.wall / at100.load.wall,
                f.load.cpu / at100.load.cpu, f.settle.wall / at100.settle.wall, f.settle.cpu / at100.settle.cpu,
                f.close.wall / at100.close.wall, f.close.cpu / at100.close.cpu, f.read.wall / at100.read.wall);
        }
        if (count == 1000)
            std::printf("goal under 1000 ms each (wall): save %s, load %s\n", f.save.wall < 1000 ? "met" : "MISSED",
                        f.load.wall < 1000 ? "met" : "MISSED");
    }
    const std::string model = folder + "/studio" + std::to_string(sizes.back()) + ".cts";
    MeasureRefusal(studio, model, folder + "/beyond.cts", 30000);
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    std::filesystem::remove_all(folder);
    return 0;
}
