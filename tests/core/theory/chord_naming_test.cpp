#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "support/test_settings.h"
#include "definition_fixture.h"
#include "reference_naming.h"

namespace {

using NameList = std::vector<std::string>;

// C4 = 39 in this system (octaves change at A).
constexpr NOTES C3 = 27, C4 = 39, D4 = 41, E4 = 43, G4 = 46, C5 = 51, D5 = 53, E5 = 55, G5 = 58;

const char* const SmallList =
    "[Chords]\n"
    "1=\"\",\"Major\", 1 3 5\n"
    "2=\"m\",\"Minor\", 1 3b 5\n"
    "3=\"7\",\"Dominant Seventh\", 1 3 5? 7b\n"
    "4=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n";

class ChordNaming : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        ASSERT_TRUE(LoadAll(SmallList));
    }
};

// Every (name, word) in order, and the state after the last call.
std::vector<std::pair<std::string, unsigned>> NamesAndWords(const chord& c)
{
    std::vector<std::pair<std::string, unsigned>> result;
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize];
    for (int found = c.FindFirstName(name, buf); found; found = c.FindNextName(name, buf))
        result.emplace_back(name, buf.bits);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(c.FindNextName(name, buf), 0) << "a finished search stays finished";
    return result;
}

std::vector<const ChordNameTag*> LoadedDefinitions()
{
    std::vector<const ChordNameTag*> defs;
    for (const ChordNameTag* d = GetChordDefinition(0); d; d = d->next) defs.push_back(d);
    return defs;
}

// Runs both searches on c; returns a description of the first difference.
::testing::AssertionResult SameAsReference(const chord& c)
{
    const auto expected = ReferenceNaming::AllNames(c, LoadedDefinitions());
    const auto actual = NamesAndWords(c);
    if (expected == actual) return ::testing::AssertionSuccess();
    std::string text = "notes";
    for (NOTES n : c.notes) text += " " + std::to_string(n);
    text += "\n  reference:";
    for (const auto& [name, bits] : expected) text += " [" + name + " " + std::to_string(bits) + "]";
    text += "\n  search:   ";
    for (const auto& [name, bits] : actual) text += " [" + name + " " + std::to_string(bits) + "]";
    return ::testing::AssertionFailure() << text;
}

void ForEachSwitchSetting(const std::function<void()>& check)
{
    for (int s = 0; s < 16; ++s) {
        chord::Config_BassStyle = s & 1;
        chord::Config_AddStyle = (s >> 1) & 1;
        chord::Config_DiffBass = (s >> 2) & 1;
        chord::Config_NoRoot = (s >> 3) & 1;
        check();
    }
}

}  // namespace

TEST_F(ChordNaming, ExactNamesComeFirstThenRootlessOnes)
{
    EXPECT_EQ(Names(Chord({C4, E4, G4})), (NameList{"C", "Am7 (No Root)"}));
    chord::Config_NoRoot = 0;
    EXPECT_EQ(Names(Chord({C4, E4, G4})), (NameList{"C"}));
}

TEST_F(ChordNaming, InversionsKeepTheRootAndShowTheBassOnlyWhenAsked)
{
    chord::Config_NoRoot = 0;
    const chord firstInversion = Chord({E4, G4, C5});
    EXPECT_EQ(Names(firstInversion), (NameList{"C"}));
    chord::Config_DiffBass = 1;
    EXPECT_EQ(Names(firstInversion), (NameList{"C (E Bass)"}));
    chord::Config_BassStyle = 1;
    EXPECT_EQ(Names(firstInversion), (NameList{"C/E"}));
    // A root-position chord never shows a bass.
    EXPECT_EQ(Names(Chord({C4, E4, G4})), (NameList{"C"}));
}

TEST_F(ChordNaming, ForeignBassAndAddedNotes)
{
    chord::Config_NoRoot = 0;
    EXPECT_EQ(Names(Chord({D4, C5, E5, G5})), (NameList{"C (D Bass)"}));
    chord::Config_BassStyle = 1;
    EXPECT_EQ(Names(Chord({D4, C5, E5, G5})), (NameList{"C/D"}));
    chord::Config_BassStyle = 0;

    EXPECT_EQ(Names(Chord({C4, D4, E4, G4})), (NameList{"C (Add D)"}));
    chord::Config_AddStyle = 1;
    EXPECT_EQ(Names(Chord({C4, D4, E4, G4})), (NameList{"C (Add 2)"}));
    EXPECT_EQ(Names(Chord({C4, E4, G4, D5})), (NameList{"C (Add 9)"}));
}

TEST_F(ChordNaming, DoubledPitchClassesNameOnceFromTheLowestNote)
{
    const auto names = NamesAndWords(Chord({C3, C4, E4, G4}));
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].first, "C");
    // Root C (3) in the low nibble, pitch classes C, E, G above it.
    EXPECT_EQ(names[0].second, 3u | 1u << (4 + 3) | 1u << (4 + 7) | 1u << (4 + 10));
    EXPECT_EQ(names[1].first, "Am7 (No Root)");
    EXPECT_EQ(names[1].second & 0xFu, 0u);

    // A doubled note outside a definition counts twice, so it is no "added" note.
    EXPECT_EQ(Names(Chord({C4, D4, E4, G4, D5})), (NameList{}));
}

TEST_F(ChordNaming, EmptyAndFullChords)
{
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize] = "junk";
    EXPECT_EQ(Chord({}).FindFirstName(name, buf), 0);
    EXPECT_STREQ(name, "");

    std::vector<NOTES> all;
    for (int i = 0; i < 12; ++i) all.push_back(C4 + i);
    const chord twelve = Chord(all);
    EXPECT_EQ(Names(twelve), (NameList{}));
    twelve.FindFirstName(name, buf);
    EXPECT_EQ(buf.count, 12) << "no pitch class is missing, so nothing is appended";
}

TEST_F(ChordNaming, NoDefinitionsNoNames)
{
    ReleaseChordList();
    EXPECT_EQ(Names(Chord({C4, E4, G4})), (NameList{}));
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize];
    EXPECT_EQ(Chord({C4, E4, G4}).FindNextName(name, buf), 0) << "a search never started";
}

TEST_F(ChordNaming, SearchLeftOverFromAReleasedListEndsQuietly)
{
    const chord c = Chord({C4, E4, G4});
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize];
    ASSERT_EQ(c.FindFirstName(name, buf), 1);
    ReleaseChordList();
    EXPECT_EQ(c.FindNextName(name, buf), 0);
    EXPECT_STREQ(name, "");
}

TEST_F(ChordNaming, ChordBitsOfOneDefinition)
{
    const ChordNameTag* seventh = GetChordDefinition(2);
    ASSERT_NE(seventh, nullptr);
    unsigned optional = 99;
    // G7 on G (10): G B D F, the fifth D (5) optional.
    const unsigned bits = chord::GetChordBits(G4, seventh, &optional);
    EXPECT_EQ(bits, 10u | 1u << (4 + 10) | 1u << (4 + 2) | 1u << (4 + 5) | 1u << (4 + 8));
    EXPECT_EQ(optional, 1u << (4 + 5));
    // Roots of any octave, also below the first.
    EXPECT_EQ(chord::GetChordBits(G4 - 48, seventh, &optional), bits);
}

TEST_F(ChordNaming, EditedDefinitionsNameAfterTheChangeIsAnnounced)
{
    ChordNameTag* minor = GetChordDefinition(1);
    ASSERT_NE(minor, nullptr);
    const chord cSus4 = Chord({C4, C4 + 5, G4});
    EXPECT_EQ(Names(cSus4), (NameList{}));
    minor->intervals[1] = 5;  // as the chord list editor does
    ChordDefinitionsChanged();
    EXPECT_EQ(Names(cSus4), (NameList{"Cm"}));
}

TEST_F(ChordNaming, AgreesWithTheRulesNoteByNoteOnEverySetAndSwitch)
{
    ReleaseChordList();
    const std::string defaults = TestSettings::File();
    ForgetProfiles();
    UseINIFileName(defaults.c_str());
    ASSERT_TRUE(InitializeChordList());
    ASSERT_GT(CountChordDefinitions(), 0);

    std::mt19937 random(7);
    ForEachSwitchSetting([&] {
        for (unsigned mask = 1; mask < 4096; mask += 7) {
            chord c;
            for (int i = 0; i < 12; ++i)
                if (mask & (1u << i)) c.AddNote(C4 + i);
            EXPECT_TRUE(SameAsReference(c));
            // The same set spread over three octaves, with doubled pitch classes.
            chord spread;
            for (int i = 0; i < 12; ++i)
                if (mask & (1u << i)) spread.AddNote(C3 + i + 12 * static_cast<int>(random() % 3));
            if (spread.CountNotes() < 12) spread.AddNote(C3 + 12 * 3 + std::countr_zero(mask));
            EXPECT_TRUE(SameAsReference(spread));
        }
    });
}

TEST_F(ChordNaming, AgreesWithTheRulesOnUnusualDefinitionLists)
{
    // Over 64 definitions (several words of the index), roots that are not
    // the first interval, all-optional and empty definitions, compound intervals.
    static const char* const degrees[] = {"1", "2b", "2", "3b", "3",  "4",  "5b",  "5",  "5#",  "6",  "7b", "7",
                                          "8", "9b", "9", "9#", "10", "11", "11#", "12", "13b", "13", "13#"};
    std::mt19937 random(11);
    std::string ini = "[Chords]\n";
    for (int k = 1; k <= 150; ++k) {
        ini += std::to_string(k) + "=\"d" + std::to_string(k) + "\",\"x\",";
        const int count = static_cast<int>(random() % 7);
        for (int i = 0; i < count; ++i) {
            ini += std::string(" ") + degrees[random() % 23];
            if (random() % 3 == 0) ini += "?";
        }
        ini += "\n";
    }
    ReleaseChordList();
    ASSERT_TRUE(LoadAll(ini));
    ASSERT_EQ(CountChordDefinitions(), 150);

    ForEachSwitchSetting([&] {
        for (int trial = 0; trial < 60; ++trial) {
            chord c;
            const int notes = 1 + static_cast<int>(random() % 6);
            for (int i = 0; i < notes; ++i) c.AddNote(C3 + static_cast<int>(random() % 36));
            EXPECT_TRUE(SameAsReference(c));
        }
    });
}
