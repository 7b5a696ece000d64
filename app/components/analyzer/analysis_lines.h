#pragma once
// The Analyzer's analysis of the selected history entries, without its
// window: the notes of all selected records combined, and the lines of each
// of its five views.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/pitch_set.h"

namespace AnalyzerView {
constexpr int Notes = 0;
constexpr int Chord = 1;
constexpr int Key = 2;
constexpr int Scale = 3;
constexpr int Interval = 4;
constexpr int Count = 5;
}  // namespace AnalyzerView

// Selections beyond this many entries are not analysed.
constexpr int MaxAnalyzedEntries = 50;

struct CombinedSelection {
    chord combined;                // one entry: a copy of it; several: one note per pitch class
    std::array<int, 12> counts{};  // per pitch class: how many records hold it
    int records = 0;
    NOTES reference = NoNote;  // the first record's key, else its lowest note
};

// Combines the selected records, the first selected first (at most
// MaxAnalyzedEntries are looked at). With one record outside the Interval view
// the combination is a copy of the record; otherwise slot p holds the note of
// pitch class p, the first record's note winning.
CombinedSelection CombineSelection(const std::vector<const chord*>& selected, int view);

// One line of the analysis list: its text, and for the Chord, Key and Scale
// views the pitch set of what it names (empty otherwise).
struct AnalysisLine {
    std::string text;
    PitchSet word;
};

// The lines of `view` for a combination:
//   Notes     "*C\t1": '*' when several records all hold the pitch class,
//             the note, a tab, its interval above the reference note;
//   Chord     every chord name, Key every key, Scale every scale;
//   Interval  "C>E\t(3)\tMajor 3rd/Diminished 4th" for every ordered pair.
std::vector<AnalysisLine> AnalysisLines(const CombinedSelection& selection, int view);

// The text of the interval of d semitones (0..11), string 32 + d.
std::string IntervalText(int semitones);
