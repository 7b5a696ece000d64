// The Guitar's drawing on the offscreen platform: a full repaint of a
// 3840 x 600 fingerboard with 24 frets and 12 strings, and what one click on a
// fret costs until the window shows it (the changed markers and the label
// column). Prints the fastest, the median and the slowest of many runs.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <stdlib.h>

#include "app/components/guitar/guitar_client.h"
#include "core/studio/chord_names_line.h"
#include "core/services/file_names.h"
#include "core/theory/definition_lists.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Runs = 200;

// Counts its paints, so that the figures are known to include one.
class CountedGuitar : public GuitarClient {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        GuitarClient::paintEvent(event);
    }
};

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> times, double goal)
{
    std::sort(times.begin(), times.end());
    // On a busy machine the fastest run is the nearest to the drawing's own cost.
    std::printf("%-20s fastest %.3f ms, median %.3f ms, slowest %.3f ms (goal under %.1f ms)\n", what, times.front(),
                times[times.size() / 2], times.back(), goal);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The default definitions, so that the chord names every paint writes
    // come from the full chord list.
    char pattern[] = "/tmp/cantrel-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string ini = dir + "/cantrel.ini";
    std::filesystem::copy_file(CANTREL_SOURCE_DIR "/data/cantrel.ini", ini);
    UseINIFileName(ini.c_str());
    InitializeChordList();
    InitializeTuningList();

    QApplication app(argc, argv);
    // Every paint names the chord for the status bar, as in the program.
    std::string namesLine;
    SetChordNamesSink([&namesLine](const std::string& line) { namesLine = line; });
    CountedGuitar guitar;
    guitar.SoundOn = 0;
    // Twelve strings a fourth apart, from E3 up, with frets 0-24.
    for (int s = 0; s < 12; ++s) guitar.Tuning.notes[s] = 31 + 5 * (11 - s);
    guitar.CountStrings();
    guitar.SetFretCount(25);
    guitar.ResetToOpenStrings();
    guitar.resize(3840, 600);
    guitar.show();
    app.processEvents();
    std::printf("%d strings, %d frets, %d x %d pixels; names: %s\n", guitar.StringCount, guitar.FretCount - 1,
                guitar.width(), guitar.height(), namesLine.c_str());

    std::vector<double> full;
    for (int i = 0; i < Runs; ++i) {
        const auto start = Clock::now();
        guitar.repaint();
        full.push_back(MillisecondsSince(start));
    }
    Report("full repaint", full, 4.0);

    std::vector<double> marker;
    const int paintsBefore = guitar.paints;
    for (int i = 0; i < Runs; ++i) {
        // A click on fret 1 + i % 20 of string i % 12, then its release.
        int fret = 1 + i % 20, string = i % 12;
        guitar.GetFretPoint(fret, string);
        QPoint point(fret - 10, string);
        const auto start = Clock::now();
        guitar.MouseDown(Qt::NoModifier, point);
        app.processEvents();
        marker.push_back(MillisecondsSince(start));
        guitar.MouseUp(Qt::NoModifier, point);
    }
    Report("one marker change", marker, 0.5);
    if (guitar.paints - paintsBefore < Runs) {
        std::printf("the changes were not all painted (%d paints)\n", guitar.paints - paintsBefore);
        return 1;
    }
    SetChordNamesSink(nullptr);
    ReleaseChordList();
    ReleaseTuningList();
    ReleaseInstruments();
    std::filesystem::remove_all(dir);
    return 0;
}
