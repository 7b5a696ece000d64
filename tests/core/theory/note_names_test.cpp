#include <gtest/gtest.h>

#include <string>

#include "core/theory/chord.h"
#include "core/theory/notes.h"
#include "naming_settings.h"

namespace {

std::string NoteName(NOTES n)
{
    char out[chord::NoteNameSize];
    chord::GetNoteName(n, out);
    return out;
}

std::string FullNoteName(NOTES n)
{
    char out[chord::FullNoteNameSize];
    chord::GetFullNoteName(n, out);
    return out;
}

std::string ScaleName(NOTES root, NOTES note, int upper)
{
    char out[chord::ScaleNameSize];
    chord::GetScaleName(root, note, upper, out);
    return out;
}

// All twelve names from A upward.
std::string OctaveOfNames()
{
    std::string names;
    for (NOTES n = 0; n < 12; ++n) names += NoteName(n) + " ";
    return names;
}

class NoteNames : public ::testing::Test {
protected:
    NamingSettings settings;
};

}  // namespace

TEST_F(NoteNames, AccidentalsFollowTheSetting)
{
    chord first;  // loads the tables from the string table
    EXPECT_STREQ(chord::FlatNames, "A BbB C DbD EbE F GbG Ab");
    EXPECT_EQ(OctaveOfNames(), "A Bb B C C# D Eb E F F# G G# ");  // standard
    chord::Config_Accidentals = 0;
    EXPECT_EQ(OctaveOfNames(), "A A# B C C# D D# E F F# G G# ");
    chord::Config_Accidentals = 1;
    EXPECT_EQ(OctaveOfNames(), "A Bb B C Db D Eb E F Gb G Ab ");
    chord::Config_Accidentals = 2;
    chord::Custom_Accidentals = 1 | 4 | 8;
    EXPECT_EQ(OctaveOfNames(), "A A# B C Db D D# E F Gb G Ab ");
    chord::Config_Accidentals = 7;  // not a setting: standard
    EXPECT_EQ(OctaveOfNames(), "A Bb B C C# D Eb E F F# G G# ");
    EXPECT_EQ(NoteName(-12), "A");
    EXPECT_EQ(NoteName(INT32_MIN), "C#");
}

TEST_F(NoteNames, FullNamesCarryTheOctave)
{
    EXPECT_EQ(FullNoteName(39), "C4");
    EXPECT_EQ(FullNoteName(11), "G#1");
    EXPECT_EQ(FullNoteName(12), "A2");
    EXPECT_EQ(FullNoteName(61), "Bb6");
    // Far out of range the name is cut to the buffer, never past it.
    EXPECT_EQ(FullNoteName(INT32_MIN).size(), chord::FullNoteNameSize - 1);
    chord::Config_Accidentals = 1;
    EXPECT_EQ(FullNoteName(11), "Ab2");  // the Ab just below A2
}

TEST_F(NoteNames, EveryNameReadsBackAsItsNote)
{
    // Every MIDI note under every setting survives being written and read
    // again: the clipboard and the list files depend on it.
    for (int accidentals = 0; accidentals < 4; ++accidentals) {
        chord::Config_Accidentals = accidentals;
        chord::Custom_Accidentals = 31;
        for (NOTES n = 3; n <= 130; ++n) {
            const std::string name = FullNoteName(n);
            NOTES back = NoNote;
            ASSERT_NE(ParseNote(name.c_str(), &back), nullptr) << name;
            EXPECT_EQ(back, n) << name << " setting " << accidentals;
        }
    }
    ResetParseNoteOctave();
}

TEST(IntervalNames, SimpleAndCompound)
{
    EXPECT_EQ(ScaleName(39, 50, 0), "7");
    EXPECT_EQ(ScaleName(39, 50, 1), "14");
    EXPECT_EQ(ScaleName(50, 39, 0), "2b");
    EXPECT_EQ(ScaleName(39, 39 + 18, 0), "5b");
    EXPECT_EQ(ScaleName(39, 39 + 6, 1), "11#");
    EXPECT_EQ(ScaleName(39, 39 + 22, 1), "13#");
    EXPECT_EQ(ScaleName(39, 27, 0), "1");  // a whole octave below
    EXPECT_EQ(ScaleName(INT32_MAX, INT32_MIN, 0), "6");
}
