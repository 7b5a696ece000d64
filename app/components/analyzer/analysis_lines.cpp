#include "app/components/analyzer/analysis_lines.h"

#include <algorithm>

#include "core/services/string_table.h"
#include "resources/app/app_strings.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

namespace {

constexpr int IntervalStringBase = 32;
constexpr std::size_t IntervalTextLimit = 50;

void NotesLines(const CombinedSelection& s, std::vector<AnalysisLine>& lines)
{
    const SpellingContext spelling = ChordSpelling(s.combined);
    for (NOTES n : s.combined.notes) {
        if (n == NoNote) continue;
        const bool common = s.records > 1 && s.counts[PitchClass(n)] == s.records;
        char degree[chord::ScaleNameSize] = {};
        chord::GetScaleName(s.reference, n, 0, degree);
        lines.push_back({std::string(common ? "*" : " ") + ShownNoteName(n, spelling) + "\t" + degree, PitchSet()});
    }
}

// Every name a search of the chord yields, with the word of each.
template <typename First, typename Next>
void SearchLines(const chord& c, First first, Next next, std::vector<AnalysisLine>& lines)
{
    CHORD_FIND_BUF buf;
    char name[chord::ScaleFindSize] = {};
    for (int found = (c.*first)(name, buf); found && name[0]; found = (c.*next)(name, buf)) {
        lines.push_back({name, PitchSet::FromWord(buf.bits)});
        name[0] = 0;
    }
}

void IntervalLines(const chord& c, std::vector<AnalysisLine>& lines)
{
    const SpellingContext spelling = ChordSpelling(c);
    for (NOTES a : c.notes) {
        if (a == NoNote) continue;
        for (NOTES b : c.notes) {
            if (b == NoNote) continue;
            const int d = (PitchClass(b) - PitchClass(a) + PitchClasses) % PitchClasses;
            lines.push_back({ShownNoteName(a, spelling) + ">" + ShownNoteName(b, spelling) + "\t" + IntervalText(d), PitchSet()});
        }
    }
}

}  // namespace

CombinedSelection CombineSelection(const std::vector<const chord*>& selected, int view)
{
    CombinedSelection s;
    const int n = std::min<int>(int(selected.size()), MaxAnalyzedEntries);
    s.records = n;
    if (n == 0) return s;
    // From the last to the first, so that the first record's notes win.
    for (int i = n - 1; i >= 0; --i) {
        const chord& record = *selected[std::size_t(i)];
        if (n == 1 && view != AnalyzerView::Interval) {
            s.combined = record;
            continue;
        }
        bool counted[PitchClasses] = {};
        for (NOTES note : record.notes) {
            if (note == NoNote) continue;
            const int p = PitchClass(note);
            s.combined.notes[p] = note;
            if (!counted[p]) ++s.counts[std::size_t(p)];
            counted[p] = true;
        }
    }
    const chord& first = *selected.front();
    s.reference = first.key != NoNote ? first.key : first.GetBass();
    return s;
}

std::vector<AnalysisLine> AnalysisLines(const CombinedSelection& s, int view)
{
    std::vector<AnalysisLine> lines;
    const chord& c = s.combined;
    switch (view) {
    case AnalyzerView::Notes: NotesLines(s, lines); break;
    case AnalyzerView::Chord: SearchLines(c, &chord::FindFirstName, &chord::FindNextName, lines); break;
    case AnalyzerView::Key: SearchLines(c, &chord::FindFirstKey, &chord::FindNextKey, lines); break;
    case AnalyzerView::Scale: SearchLines(c, &chord::FindFirstScale, &chord::FindNextScale, lines); break;
    case AnalyzerView::Interval: IntervalLines(c, lines); break;
    default: break;
    }
    return lines;
}

std::string IntervalText(int semitones)
{
    const char* text = StringResource(AppStrings(), IntervalStringBase + semitones);
    return std::string(text ? text : "").substr(0, IntervalTextLimit);
}
