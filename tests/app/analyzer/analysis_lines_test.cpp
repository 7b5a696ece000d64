// What the Analyzer computes without its window: history line texts, the
// combined selection and the lines of each view, and the degrees of a word.
#include <cstring>

#include "app/components/analyzer/analysis_lines.h"
#include "app/components/analyzer/history_record.h"
#include "app/components/analyzer/pitch_set_word.h"
#include "app/analyzer/analyzer_fixture.h"

namespace {

using AnalysisLinesTest = AnalyzerTest;

std::vector<std::string> ViewOf(std::vector<const chord*> records, int view)
{
    std::vector<std::string> texts;
    for (const AnalysisLine& line : AnalysisLines(CombineSelection(records, view), view)) texts.push_back(line.text);
    return texts;
}

TEST_F(AnalysisLinesTest, HistoryLinesNameTheChordOrListItsNotes)
{
    struct Case {
        chord c;
        int mode;
        const char* text;
    } cases[] = {
        {ChordOf({C6, E6, G6}), ChordMode, "C"},
        {ChordOf({C6, E6, G6}), NotesMode, "\u00ABC E G \u00BB"},
        {ChordOf({G6, C6, E6}), NotesMode, "\u00ABG C E \u00BB"},    // slot order
        {ChordOf({C6, Cs6, D6}), ChordMode, "\u00ABC C# D \u00BB"},  // no name
    };
    for (const Case& k : cases) EXPECT_EQ(HistoryLineText(k.c, k.mode), k.text) << k.text;
    // The record keeps the root of its first name as its key.
    EXPECT_EQ(HistoryRecordOf(ChordOf({E6, G6, C6 + 12})).key, 3);
    EXPECT_EQ(HistoryRecordOf(ChordOf({C6, Cs6, D6})).key, NoNote);
}

TEST_F(AnalysisLinesTest, EveryViewOfOneTriad)
{
    const chord ceg = HistoryRecordOf(ChordOf({C6, E6, G6}));
    EXPECT_EQ(ViewOf({&ceg}, AnalyzerView::Notes), (std::vector<std::string>{" C\t1", " E\t3", " G\t5"}));
    EXPECT_EQ(ViewOf({&ceg}, AnalyzerView::Chord), (std::vector<std::string>{"C", "Am7 (No Root)"}));
    EXPECT_EQ(ViewOf({&ceg}, AnalyzerView::Key), (std::vector<std::string>{"C Major", "G Major"}));
    EXPECT_EQ(ViewOf({&ceg}, AnalyzerView::Scale), (std::vector<std::string>{"C Major", "F Major", "G Major"}));
    EXPECT_EQ(ViewOf({&ceg}, AnalyzerView::Interval),
              (std::vector<std::string>{
                  "C>C\t(1)\tUnison", "C>E\t(3)\tMajor 3rd/Diminished 4th", "C>G\t(5)\tPerfect 5th",
                  "E>C\t(5#/6b)\tAugmented 5th/Minor 6th", "E>E\t(1)\tUnison", "E>G\t(2#/3b)\tAugmented 2nd/Minor 3rd",
                  "G>C\t(4)\tPerfect 4th", "G>E\t(6)\tMajor 6th/Diminished 7th", "G>G\t(1)\tUnison"}));
    // Every interval text, 32 to 43, is there.
    for (int d = 0; d < 12; ++d) EXPECT_FALSE(IntervalText(d).empty()) << d;
}

TEST_F(AnalysisLinesTest, SeveralEntriesCombineByPitchClassAndMarkCommonNotes)
{
    const chord am = HistoryRecordOf(ChordOf({A6, C6 + 12, E6 + 12}));  // key A
    const chord c = HistoryRecordOf(ChordOf({C6, E6, G6}));
    const CombinedSelection both = CombineSelection({&am, &c}, AnalyzerView::Notes);
    // Upward from A; the first entry's notes win where both hold a pitch class.
    EXPECT_EQ(both.combined.notes[3], C6 + 12);
    EXPECT_EQ(both.reference, 0);
    EXPECT_EQ(ViewOf({&am, &c}, AnalyzerView::Notes), (std::vector<std::string>{" A\t1", "*C\t3b", "*E\t5", " G\t7b"}));
    // One entry marks nothing; without a key the lowest note is the reference.
    chord unnamed = ChordOf({D6, C6, Cs6});
    EXPECT_EQ(ViewOf({&unnamed}, AnalyzerView::Notes), (std::vector<std::string>{" D\t2", " C\t1", " C#\t2b"}));
    // Beyond 50 entries nothing more is combined.
    const chord g = ChordOf({G6});
    std::vector<const chord*> many(MaxAnalyzedEntries, &c);
    many.push_back(&g);
    EXPECT_EQ(CombineSelection(many, AnalyzerView::Notes).combined.CountNotes(), 3);
}

TEST_F(AnalysisLinesTest, WordsGiveDegreesChordsAndScaleSteps)
{
    const chord ceg = ChordOf({C6, E6, G6});
    const CombinedSelection one = CombineSelection({&ceg}, AnalyzerView::Chord);
    for (int view : {AnalyzerView::Chord, AnalyzerView::Key, AnalyzerView::Scale}) {
        const PitchSet word = AnalysisLines(one, view).front().word;
        EXPECT_EQ(WordDegreesText(word),
                  view == AnalyzerView::Chord ? "1:C  3:E  5:G  " : "1:C  2:D  3:E  4:F  5:G  6:A  7:B  ")
            << view;
    }
    const PitchSet gMajor = AnalysisLines(one, AnalyzerView::Key)[1].word;
    chord sound;
    sound.program = 19;
    const std::vector<chord> steps = WordScaleSteps(gMajor, sound);
    ASSERT_EQ(steps.size(), 8u);
    std::vector<NOTES> played;
    for (const chord& step : steps) {
        EXPECT_EQ(step.CountNotes(), 1);
        EXPECT_EQ(step.program, 19);
        played.push_back(step.notes[0]);
    }
    EXPECT_EQ(played, (std::vector<NOTES>{58, 60, 62, 63, 65, 67, 69, 70}));
    EXPECT_EQ(WordChord(PitchSet(), sound).CountNotes(), 0);  // an Interval line: a silent step
}

TEST(HistoryLineFile, RoundTripsAndRefusesDamagedLinesQuietly)
{
    ErrorRecorder errors;
    chord record = ChordOf({C6, E6, G6});
    record.SetKey(3);
    record.program = 40;
    record.soundCount = 2;
    record.midiOutput = 5;
    char line[256];
    ASSERT_EQ(WriteHistoryLine(record, line, sizeof line), 1);
    EXPECT_EQ(std::string(line).substr(0, 2), "54");
    chord back;
    ASSERT_EQ(ReadHistoryLine(line, int(std::strlen(line)), back), 1);
    EXPECT_EQ(std::vector<NOTES>(back.notes, back.notes + 12), std::vector<NOTES>(record.notes, record.notes + 12));
    EXPECT_EQ(back.key, 3);
    EXPECT_EQ(back.program, 40);
    EXPECT_EQ(back.soundCount, 0);
    EXPECT_EQ(back.midiOutput, 0);
    std::string shortLine(line, 100), badDigit(line), otherLength(line);
    badDigit[50] = 'x';
    otherLength[1] = '3';
    for (const std::string& bad : {shortLine, badDigit, otherLength, std::string()})
        EXPECT_EQ(ReadHistoryLine(bad.c_str(), int(bad.size()), back), 0);
    EXPECT_EQ(WriteHistoryLine(record, line, 100), 0);
    EXPECT_TRUE(errors.Numbers().empty());
}

}  // namespace
