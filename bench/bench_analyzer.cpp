// The Analyzer's analysis of a large selection: 50 history entries of seven
// notes each, all selected, analysed in each of the five views with the
// default definitions, on the offscreen platform. Two selections: the major
// scale on every root in turn (all twelve pitch classes together), and the C
// major scale from each of its notes (one key). Prints the best time of one
// analysis per view.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/history_list.h"
#include "core/services/file_names.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr int Entries = 50;
constexpr int Rounds = 200;
constexpr NOTES C5 = 51;
constexpr int MajorSteps[7] = {0, 2, 4, 5, 7, 9, 11};
const char* const ViewNames[AnalyzerView::Count] = {"Notes", "Chord", "Key", "Scale", "Interval"};

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("CANTREL_MIDI_BACKEND", "capture", 0);
    QApplication app(argc, argv);
    const std::string ini = std::string(GetLibraryDirectory()) + "cantrel.ini";
    UseINIFileName(ini.c_str());
    if (!InitializeChordList() || !InitializeScaleList() || !InitializeKeyList()) {
        std::fprintf(stderr, "bench_analyzer: cannot load the definitions from %s\n", ini.c_str());
        return 1;
    }

    for (int spread : {12, 0}) {
        AnalyzerClient analyzer;
        analyzer.HistorySize = Entries;
        for (int e = 0; e < Entries; ++e) {
            chord scale;
            for (int k = 0; k < 7; ++k) {
                const int degree = e % 7 + k;  // one key: C major from its e-th note up
                const int note = spread ? e % 12 + MajorSteps[k] : MajorSteps[degree % 7] + 12 * (degree / 7);
                scale.AddNote(C5 + note + 12 * (e / 12 % 3));
            }
            analyzer.TakeChord(scale);
        }
        analyzer.HistoryList()->selectAll();

        std::printf("%d entries of seven notes selected (%s), best of %d rounds\n", Entries,
                    spread ? "the major scale on every root" : "C major from each of its notes", Rounds);
        for (int view = 0; view < AnalyzerView::Count; ++view) {
            analyzer.OutputView = view;
            analyzer.Analyze();  // warm up
            double best = 1e9;
            for (int r = 0; r < Rounds; ++r) {
                const auto start = std::chrono::steady_clock::now();
                analyzer.Analyze();
                best = std::min(
                    best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            std::printf("  %-8s %4d lines  %.3f ms per Analyze (goal under 2 ms)\n", ViewNames[view],
                        analyzer.AnalysisList()->count(), best);
        }
    }
    ReleaseChordList();
    ReleaseScaleList();
    ReleaseKeyList();
    return 0;
}
