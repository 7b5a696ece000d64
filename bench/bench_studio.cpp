// Studio files: saving, loading and closing studios of 10, 100 and 1,000
// Splitters and Joiners linked in one chain, on the offscreen platform. Prints
// the times (and that of the event loop's first pass after a load), the growth
// from 100 to 1,000, and how often the file was rewritten per save.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <stdlib.h>

#include "app/shell/command_icons.h"
#include "app/shell/shell_commands.h"
#include "app/shell/studio_style.h"
#include "app/studio/component_factory.h"
#include "app/studio/component_links.h"
#include "app/studio/component_node.h"
#include "app/studio/component_types.h"
#include "app/studio/mm_mdi_client.h"
#include "app/studio/studio_file_reader.h"
#include "app/studio/studio_modified.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double save = 0;
    double load = 0;
    double settle = 0;  // the event loop's first pass over the loaded studio
    double close = 0;   // closing the loaded studio
    double read = 0;  // the file alone: reading and decoding every line, no window
    std::size_t rewrites = 0;
    int loaded = 0;
};

Figures Measure(mmMDIClient& studio, int count, const std::string& path)
{
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    ComponentNode* previous = nullptr;
    for (int i = 0; i < count; ++i) {
        mmMDIChild* frame = CreateComponent(&studio, i % 2 ? ComponentKind::Joiner : ComponentKind::Splitter, false);
        ComponentNode* node = LastComponent();
        if (!frame || !node) std::exit(1);
        if (previous) Connect(previous, 0, node, 0);
        previous = node;
    }
    // Every step starts, as in the program, from an event loop that has
    // caught up.
    QCoreApplication::processEvents();
    Figures f;
    const std::size_t before = ProfileRewriteCount();
    Clock::time_point start = Clock::now();
    if (!studio.SaveStudio(path.c_str())) std::exit(1);
    f.save = MillisecondsSince(start);
    f.rewrites = ProfileRewriteCount() - before;

    studio.CloseStudio();
    QCoreApplication::processEvents();
    ForgetProfiles();
    start = Clock::now();
    StudioFileContents contents;
    if (!ReadStudioFile(path, contents)) std::exit(1);
    for (const StudioComponentLine& line : contents.components) DecodeComponentLine(line.line);
    f.read = MillisecondsSince(start);

    ForgetProfiles();  // the load reads the file from disk
    start = Clock::now();
    if (!studio.LoadStudio(path.c_str(), true, false)) std::exit(1);
    f.load = MillisecondsSince(start);
    f.loaded = ComponentCount();
    start = Clock::now();
    QCoreApplication::processEvents();
    f.settle = MillisecondsSince(start);

    start = Clock::now();
    studio.CloseStudio();
    f.close = MillisecondsSince(start);
    return f;
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
    double save100 = 0, load100 = 0, read100 = 0, close100 = 0;
    std::printf("%8s %10s %10s %10s %10s %14s %9s %7s\n", "studio", "save ms", "load ms", "settle ms", "close ms",
                "file-only ms", "rewrites", "loaded");
    for (int count : sizes) {
        const std::string path = folder + "/chain" + std::to_string(count) + ".cts";
        const Figures f = Measure(studio, count, path);
        std::printf("%8d %10.1f %10.1f %10.1f %10.1f %14.1f %9zu %7d\n", count, f.save, f.load, f.settle, f.close, f.read,
                    f.rewrites, f.loaded);
        if (count == 100) {
            save100 = f.save;
            load100 = f.load;
            read100 = f.read;
            close100 = f.close;
        } else if (count == 1000) {
            std::printf("growth 100 -> 1000: save x%.1f, load x%.1f, close x%.1f, file-only x%.1f (goal: under 15)\n",
                        f.save / save100, f.load / load100, f.close / close100, f.read / read100);
            std::printf("goal under 1000 ms each: save %s, load %s\n", f.save < 1000 ? "met" : "MISSED",
                        f.load < 1000 ? "met" : "MISSED");
        }
    }
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    std::filesystem::remove_all(folder);
    return 0;
}
