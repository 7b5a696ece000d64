// The Analyzer's views under spelling by chord: the notes of a chord from its
// root, keys and scales with each letter once.
#include <algorithm>

#include "app/components/analyzer/analysis_lines.h"
#include "app/components/analyzer/history_record.h"
#include "app/components/analyzer/pitch_set_word.h"
#include "app/analyzer/analyzer_fixture.h"
#include "core/services/profile.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_lists.h"

namespace {

using AnalyzerSpellingTest = AnalyzerTest;

TEST_F(AnalyzerSpellingTest, EveryViewSpellsAbMajorAndBMajorFromTheirRoots)
{
    constexpr NOTES Gs5 = 59, B5 = 62, Ds6 = 66, Fs6 = 69;
    struct Case {
        chord record;
        const char* history;             // notes mode
        std::vector<std::string> notes;  // Notes view
        const char* firstScale;
        const char* scaleDegrees;  // degrees of the first scale found
    } cases[] = {
        {HistoryRecordOf(ChordOf({Gs5, C6, Ds6})), "\u00ABAb C Eb \u00BB", {" Ab\t1", " C\t3", " Eb\t5"}, "Ab Major",
         "1:Ab  2:Bb  3:C  4:Db  5:Eb  6:F  7:G  "},
        {HistoryRecordOf(ChordOf({B5, Ds6, Fs6})), "\u00ABB D# F# \u00BB", {" B\t1", " D#\t3", " F#\t5"}, "B Major",
         "1:B  2:C#  3:D#  4:E  5:F#  6:G#  7:A#  "},
    };
    chord::Config_Accidentals = ByChordAccidentals;
    for (const Case& k : cases) {
        EXPECT_EQ(HistoryLineText(k.record, NotesMode), k.history);
        std::vector<std::string> notes;
        const CombinedSelection one = CombineSelection({&k.record}, AnalyzerView::Notes);
        for (const AnalysisLine& line : AnalysisLines(one, AnalyzerView::Notes)) notes.push_back(line.text);
        EXPECT_EQ(notes, k.notes);
        const CombinedSelection chordView = CombineSelection({&k.record}, AnalyzerView::Chord);
        const AnalysisLine scale = AnalysisLines(chordView, AnalyzerView::Scale).front();
        EXPECT_EQ(scale.text, k.firstScale);
        EXPECT_EQ(WordDegreesText(scale.word), k.scaleDegrees);
    }
    // A key line keeps the letters [Keys] gives it, C# Major as well as Db Major.
    scratch.Write("cantrel.ini", "[Keys]\n1=\"C# Major\", C+ D+ E+ F+ G+ A+ B+\n2=\"Db Major\", D- E- F G- A- B- C\n");
    ForgetProfiles();
    ReleaseKeyList();
    ASSERT_TRUE(InitializeKeyList());
    const CombinedSelection ab = CombineSelection({&cases[0].record}, AnalyzerView::Chord);
    std::vector<std::string> keys;
    for (const AnalysisLine& line : AnalysisLines(ab, AnalyzerView::Key)) {
        const SpellingContext key = NamedKeySpelling(line.text.c_str());
        keys.push_back(line.text + " " + WordDegreesText(line.word, &key));
    }
    EXPECT_NE(std::find(keys.begin(), keys.end(), "C# Major 1:C#  2:D#  3:E#  4:F#  5:G#  6:A#  7:B#  "), keys.end());
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Db Major 1:Db  2:Eb  3:F  4:Gb  5:Ab  6:Bb  7:C  "), keys.end());
    chord::Config_Accidentals = 3;
    EXPECT_EQ(HistoryLineText(cases[0].record, NotesMode), "\u00ABG# C Eb \u00BB");
}

}  // namespace
