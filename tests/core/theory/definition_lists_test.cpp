#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/theory/entry_parsers.h"
#include "definition_fixture.h"

namespace {

using Numbers = std::vector<int>;

std::vector<int> Intervals(const ChordNameTag& d) { return {d.intervals, d.intervals + d.count}; }
std::vector<int> Optional(const ChordNameTag& d) { return {d.flags, d.flags + d.count}; }
std::vector<NOTES> Strings(const TuningNameTag& t) { return {t.strings, t.strings + DefinitionSlots}; }
std::vector<int> Steps(const ScaleNameTag& s) { return {s.steps, s.steps + s.count}; }
std::vector<int> Pitches(const KeyNameTag& k) { return {k.pitches, k.pitches + 7}; }

// "1=...\n2=...\n" for a section.
std::string Section(const std::string& name, const std::vector<std::string>& entries)
{
    std::string text = "[" + name + "]\n";
    for (std::size_t i = 0; i < entries.size(); ++i) text += std::to_string(i + 1) + "=" + entries[i] + "\n";
    return text;
}

class DefinitionLists : public DefinitionTest {};

}  // namespace

TEST_F(DefinitionLists, ChordEntriesKeepIntervalsInOrderWithOptionalMarks)
{
    ASSERT_TRUE(LoadAll(
        Section("Chords", {"\"7\",\"Dominant Seventh\", 1 3 5? 7b", "  \"m7\",   'Minor ''Seventh''',\t1? 3b 5 7b  ",
                           "\"\",\"No Degrees\",", "\"13\",\"Compound\", 9b 9# 11# 13#?"})));
    ASSERT_EQ(CountChordDefinitions(), 4);
    const ChordNameTag& seventh = *GetChordDefinition(0);
    EXPECT_STREQ(seventh.name, "7");
    EXPECT_EQ(Intervals(seventh), (Numbers{0, 4, 7, 10}));
    EXPECT_EQ(Optional(seventh), (Numbers{0, 0, 1, 0}));
    const ChordNameTag& minor = *GetChordDefinition(1);
    EXPECT_STREQ(minor.description, "Minor 'Seventh'");
    EXPECT_EQ(Optional(minor), (Numbers{1, 0, 0, 0}));
    EXPECT_EQ(GetChordDefinition(2)->count, 0);
    EXPECT_EQ(Intervals(*GetChordDefinition(3)), (Numbers{13, 15, 18, 22}));
    EXPECT_STREQ(chord::GetFirstChordName(), "7");
    EXPECT_EQ(GetChordDefinition(4), nullptr);
    EXPECT_EQ(GetChordDefinition(-1), nullptr);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(DefinitionLists, LongTextIsCutToItsField)
{
    ChordNameTag chord{};
    const std::string entry = "\"abcdefghijklmnopqrst\",\"" + std::string(60, 'd') + "\", 1 3 5";
    ASSERT_EQ(ParseChordEntry(entry.c_str(), &chord), 1);
    EXPECT_STREQ(chord.name, "abcdefghijklmn");
    EXPECT_EQ(std::string(chord.description), std::string(39, 'd'));
    // A long degree token is read for its degree only.
    ASSERT_EQ(ParseChordEntry("\"x\",\"y\", 7bxxxxxxxxxxxxxxx 5", &chord), 1);
    EXPECT_EQ(Intervals(chord), (Numbers{10, 7}));
}

TEST_F(DefinitionLists, BadChordEntriesAreRefused)
{
    ChordNameTag d{};
    for (const char* bad : {"\"maj\",\"Major\" , 1 3 5",  // blank before the comma
                            "\"maj\" ,\"Major\", 1 3 5",
                            "maj,\"Major\", 1 3 5",       // unquoted
                            "\"maj\",\"Major 1 3 5",      // unclosed
                            "\"maj\",\"Major\", 1 3 14",  // no such degree
                            "\"maj\",\"Major\", 1 3 1b",  // below the root
                            "\"maj\",\"Major\", 1 ? 5",   // a mark without its degree
                            "\"maj\",\"Major\", 1 3 x", "\"maj\",\"Major\" 1 3 5",
                            // 13 degrees do not fit the record
                            "\"big\",\"Too Many\", 1 2 3 4 5 6 7 8 9 10 11 12 13"})
        EXPECT_EQ(ParseChordEntry(bad, &d), 0) << bad;
    EXPECT_EQ(ParseChordEntry("\"full\",\"Twelve\", 1 2 3 4 5 6 7 8 9 10 11 12", &d), 1);
    EXPECT_EQ(d.count, 12);
    EXPECT_EQ(ParseChordEntry(nullptr, &d), 0);
}

TEST_F(DefinitionLists, ABadEntryStopsItsSectionWithItsNumber)
{
    EXPECT_FALSE(LoadAll(Section("Chords", {"\"\",\"Major\", 1 3 5", "\"m\",\"Minor\", 1 3b 5",
                                            "\"maj\",\"Major\" , 1 3 5", "\"7\",\"Seventh\", 1 3 5 7b"}) +
                         Section("Scales", {"\"Bad\", 1 1 1", "\"Major\", 1 1 ½ 1 1 1 ½"}) +
                         Section("Keys", {"\"C Major\", C D E F G A B", "\"G Major\", G A B C D E F+ X"}) +
                         Section("Tunings", {"\"Guitar\",\"Standard\" E4 A5"})));
    EXPECT_EQ(CountChordDefinitions(), 2) << "entries before the bad one stay";
    EXPECT_EQ(CountScales(), 0);
    EXPECT_EQ(CountKeys(), 1);
    EXPECT_EQ(CountTunings(), 0);
    ASSERT_EQ(errors.Numbers(), (Numbers{401, 403, 404, 405}));
    EXPECT_EQ(errors.reports[0].text, "Cannot understand chord #3 in cantrel.ini");
    EXPECT_EQ(errors.reports[1].text, "Cannot understand tuning #1 in cantrel.ini");
    EXPECT_EQ(errors.reports[2].text, "Cannot understand scale #1 in cantrel.ini");
    EXPECT_EQ(errors.reports[3].text, "Cannot understand key #2 in cantrel.ini");
}

TEST_F(DefinitionLists, AGapInTheKeysEndsTheList)
{
    EXPECT_TRUE(
        LoadAll("[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m\",\"Minor\", 1 3b 5\n"
                "4=\"7\",\"Seventh\", 1 3 5 7b\n[Scales]\n1=\"Major\", 1 1 ½ 1 1 1 ½\n2=\n"
                "3=\"Minor\", 1 ½ 1 1 ½ 1 1\n"));
    EXPECT_EQ(CountChordDefinitions(), 2);
    EXPECT_EQ(CountScales(), 1) << "an empty value ends the list too";
    EXPECT_TRUE(errors.Empty());
}

TEST_F(DefinitionLists, LoadingAgainAppendsOnlyNewKeysAndReleaseStartsOver)
{
    ASSERT_TRUE(LoadAll(Section("Scales", {"\"Major\", 1 1 ½ 1 1 1 ½"})));
    ASSERT_TRUE(InitializeScaleList());
    EXPECT_EQ(CountScales(), 1) << "the next key read is 2, which is missing";
    ReleaseScaleList();
    EXPECT_EQ(GetScale(0), nullptr);
    EXPECT_EQ(chord::GetFirstScaleName(), nullptr);
    ASSERT_TRUE(InitializeScaleList());
    EXPECT_STREQ(GetScale(0)->name, "Major");
}

TEST_F(DefinitionLists, MissingSettingsGiveEmptyLists)
{
    UseINIFileName(scratch.File("nothing-here.ini").c_str());
    EXPECT_TRUE(InitializeChordList());
    EXPECT_TRUE(InitializeTuningList());
    EXPECT_EQ(CountChordDefinitions() + CountTunings(), 0);
    EXPECT_EQ(chord::GetFirstChordName(), nullptr);
    EXPECT_EQ(chord::GetFirstTuningName(), nullptr);
    EXPECT_TRUE(errors.Empty());
}

TEST_F(DefinitionLists, TuningsStoreTheLastStringFirstAndCarryOctaves)
{
    ASSERT_TRUE(LoadAll(Section("Tunings", {"\"Guitar\",\"Drop D\", D2 A D3 G B E4", "\"GUITAR\",\"Open\",",
                                            "\"Bass\",\"Standard\", E1 A1 D2 G2"})));
    ASSERT_EQ(CountTunings(), 3);
    const TuningNameTag& dropD = *GetTuning(0);
    EXPECT_EQ(dropD.count, 6);
    // E4 B3 G3 D3 A2 D2: the notes without a digit took the octave before them.
    EXPECT_EQ(Strings(dropD), (std::vector<NOTES>{43, 26, 34, 29, 12, 17, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(GetTuning(1)->count, 0);
    EXPECT_EQ(GetTuning(1)->instrument, 0) << "instrument names match without regard to case";
    EXPECT_EQ(GetTuning(2)->instrument, 1);
    EXPECT_STREQ(GetInstrument(0), "Guitar");
    EXPECT_STREQ(GetInstrument(1), "Bass");
    EXPECT_EQ(GetInstrument(2), nullptr);
    EXPECT_EQ(GetInstrument(-1), nullptr);
    EXPECT_STREQ(chord::GetFirstTuningName(), "Drop D");

    chord c;
    c.notes[0] = 99;
    SetDefaultTuning(c);
    EXPECT_EQ((std::vector<NOTES>{c.notes, c.notes + 12}), Strings(dropD));
    ReleaseTuningList();
    SetDefaultTuning(c);
    EXPECT_EQ(c.CountNotes(), 0);

    TuningNameTag t{};
    EXPECT_EQ(ParseTuningEntry("\"Guitar\",\"Standard\"", &t), 0) << "the comma after the name is required";
    EXPECT_EQ(ParseTuningEntry("\"Guitar\",\"Thirteen\", C1 C2 C3 C4 C5 C6 C7 C8 C9 D1 D2 D3 D4", &t), 0);
    EXPECT_EQ(ParseTuningEntry("\"Guitar\",\"Bad\", E2 H2", &t), 0);
}

TEST_F(DefinitionLists, TheFortyFirstInstrumentIsRefused)
{
    std::vector<std::string> entries;
    for (int i = 1; i <= 41; ++i) entries.push_back("\"Instrument " + std::to_string(i) + "\",\"T\", E2");
    entries.push_back("\"Instrument 1\",\"Again\", E2");
    EXPECT_FALSE(LoadAll(Section("Tunings", entries)));
    EXPECT_EQ(CountTunings(), 40);
    EXPECT_EQ(CountInstruments(), 40);
    ASSERT_EQ(errors.Numbers(), (Numbers{402, 403}));
    EXPECT_EQ(errors.reports[0].text,
              "Exceeded the maximum number of instruments (40) in the [Tunings] section of cantrel.ini");
    EXPECT_EQ(errors.reports[1].text, "Cannot understand tuning #41 in cantrel.ini");
    EXPECT_EQ(InstrumentIndex("instrument 40"), 39);
    EXPECT_EQ(InstrumentIndex("Another"), -1);
    ReleaseInstruments();
    EXPECT_EQ(InstrumentIndex("Another"), 0);
}

TEST_F(DefinitionLists, ScaleStepsInWholeTonesWithEitherHalfSign)
{
    ASSERT_TRUE(LoadAll(
        Section("Scales", {"\"Major\", 1 1 \xC2\xBD 1 1 1 \xC2\xBD", "\"Harmonic Minor\", 1 \xBD 1 1 \xBD 1\xBD \xBD",
                           "\"Whole Tone\", 1 1 1 1 1 1", "\"Octave\", 6"})));
    ASSERT_EQ(CountScales(), 4);
    EXPECT_EQ(Steps(*GetScale(0)), (Numbers{2, 2, 1, 2, 2, 2, 1}));
    EXPECT_EQ(Steps(*GetScale(1)), (Numbers{2, 1, 2, 2, 1, 3, 1}));
    EXPECT_EQ(GetScale(2)->count, 6);
    EXPECT_EQ(FindScale("Whole Tone"), 2);
    EXPECT_EQ(FindScale("whole tone"), -1);
    EXPECT_EQ(FindScale(nullptr), -1);

    ScaleNameTag s{};
    for (const char* bad :
         {"\"Bad\", 1 1 1", "\"Bad\", 0 6 6", "\"Bad\", 7 \xC2\xBD \xC2\xBD \xC2\xBD \xC2\xBD \xC2\xBD",
          "\"Bad\", 1\xC2\xBD\xC2\xBD 1 1 1 1 \xC2\xBD", "\"Bad\", 1x 1 1 1 1 1", "\"Bad\", \xC2 1 1 1 1 1 1",
          "\"Bad\",", "\"Bad\" 1 1 1 1 1 1",
          // 13 steps: the record holds 12
          "\"Bad\", \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD"})
        EXPECT_EQ(ParseScaleEntry(bad, &s), 0) << bad;
}

TEST_F(DefinitionLists, KeysAlterLettersOnlyWithPlusAndMinus)
{
    ASSERT_TRUE(
        LoadAll(Section("Keys", {"\"D Major\", D E F+ G A B C+", "\"F Major\", F G A B- C D E", "\"C Odd\", C# Db"})));
    // Letters A B C D E F G.
    EXPECT_EQ(Pitches(*GetKey(0)), (Numbers{0, 2, 4, 5, 7, 9, 10}));
    EXPECT_EQ(Pitches(*GetKey(1)), (Numbers{0, 1, 3, 5, 7, 8, 10}));
    EXPECT_EQ(GetKey(1)->pitchCount, 7);
    EXPECT_EQ(GetKey(0)->tokenCount, 7);
    EXPECT_STREQ(GetKey(0)->spelled[2], "F+");
    EXPECT_STREQ(GetKey(1)->spelled[3], "B-");
    // # and b are read as notes but leave the letter natural.
    EXPECT_EQ(Pitches(*GetKey(2)), (Numbers{0, 2, 3, 5, 7, 8, 10}));

    KeyNameTag k{};
    EXPECT_EQ(ParseKeyEntry("\"C Major\", C4 D4", &k), 1);
    EXPECT_STREQ(k.spelled[0], "C4");
    EXPECT_EQ(ParseKeyEntry("\"C Major\", C+++ D", &k), 0);
    EXPECT_EQ(ParseKeyEntry("\"C Major\", H", &k), 0);
    EXPECT_EQ(ParseKeyEntry("\"[Mine]\", C D E F G A B", &k), 0) << "a key names its tonic first";
    EXPECT_EQ(ParseKeyEntry("\"C Major\", C D E F G A B C D E F G A", &k), 0) << "13 tokens do not fit";
    EXPECT_EQ(ParseKeyEntry("\"C Major\", C D E F G A B C D E F G", &k), 1);
}

TEST_F(DefinitionLists, FillingTheSelectors)
{
    ASSERT_TRUE(LoadAll(
        Section("Tunings", {"\"Guitar\",\"Standard\", E4 A5 D5 G5 B6 E6", "\"Ukulele\",\"Standard\", G6 C6 E6 A7"}) +
        Section("Scales", {"\"Major\", 1 1 ½ 1 1 1 ½", "\"Pentatonic\", 1 1 1½ 1 1½", "\"Minor\", 1 ½ 1 1 ½ 1 1"})));
    chord tuning;
    for (int i = 0; i < 12; ++i) tuning.notes[i] = GetTuning(1)->strings[i];
    tuning.instrument = 1;
    TComboBoxData tunings;
    tunings.AddString("kept");
    FillTuningList(tunings, tuning);
    ASSERT_EQ(tunings.strings.size(), 3u) << "the combo data is not emptied first";
    EXPECT_EQ(tunings.strings[1], "Guitar             Standard");
    EXPECT_EQ(tunings.strings[2], "Ukulele            Standard");
    EXPECT_EQ(tunings.selectionIndex, 2);
    tuning.instrument = 0;  // same strings, other instrument: nothing matches
    TComboBoxData none;
    FillTuningList(none, tuning);
    EXPECT_EQ(none.selectionIndex, -1);

    TComboBoxData scales;
    scales.AddString("stale", true);
    FillScaleList(scales, 2, 7);
    EXPECT_EQ(scales.strings, (std::vector<std::string>{"Major", "Minor"}));
    EXPECT_EQ(scales.selection, "Minor") << "selected by its place in the whole list";
    FillScaleList(scales, 5, 0);
    EXPECT_EQ(scales.strings.size(), 3u);
    EXPECT_EQ(scales.selectionIndex, -1);
    EXPECT_EQ(scales.selection, "");

    TListBoxData keys;
    keys.AddString("stale", true);
    keys.AddItemData(7);
    FillKeyList(keys, 0);
    EXPECT_EQ(keys.strings, (std::vector<std::string>{"[No Key]"}));
    EXPECT_EQ(keys.selectedIndices, (Numbers{0}));
    EXPECT_TRUE(keys.itemData.empty());
    FillKeyList(keys, 3);
    EXPECT_TRUE(keys.selectedIndices.empty());
}
