#include <gtest/gtest.h>

#include "core/theory/notes.h"

namespace {

// The value ParseNote gives, or -100 when it fails (checking that it then
// reports -1 and a null pointer).
NOTES Parse(const char* text)
{
    NOTES n = 12345;
    const char* end = ParseNote(text, &n);
    if (!end) {
        EXPECT_EQ(n, NoNote) << text;
        return -100;
    }
    EXPECT_EQ(*end, '\0') << text;
    return n;
}

class ParseNoteTest : public ::testing::Test {
protected:
    void SetUp() override { ResetParseNoteOctave(); }
    void TearDown() override { ResetParseNoteOctave(); }
};

}  // namespace

TEST_F(ParseNoteTest, ReadsLettersAccidentalsAndOctaves)
{
    EXPECT_EQ(Parse("A1"), 0);
    EXPECT_EQ(Parse("G#1"), 11);
    EXPECT_EQ(Parse("C4"), 39);
    EXPECT_EQ(Parse("C#4"), 40);
    EXPECT_EQ(Parse("Db4"), 40);
    EXPECT_EQ(Parse("c##4"), 41);
    EXPECT_EQ(Parse("E+4"), 44);
    EXPECT_EQ(Parse("E-4"), 42);
    EXPECT_EQ(Parse("C#n4"), 39);
    EXPECT_EQ(Parse("C4#5"), 52);  // a later digit replaces the earlier one
    EXPECT_EQ(Parse("B#1"), 3);
    EXPECT_EQ(Parse("C10"), 111);  // octaves 10 and 11 read back as written
    EXPECT_EQ(Parse("G11"), 130);
}

TEST_F(ParseNoteTest, RejectsWhatIsNotOneNote)
{
    for (const char* bad :
         {"", "H4", "C###4", "Cbbb4", "C 4", "C0", "C4 ", " C4", "C4x", "#4", "C\xC2\xBB", "C\xAB", "A12", "C45", "C01",
          // outside A1..G11: "Ab1" would be -1, the value of no note
          "Ab1", "Abb1", "G#11", "G##11"})
        EXPECT_EQ(Parse(bad), -100) << '"' << bad << '"';
    NOTES n = 7;
    EXPECT_EQ(ParseNote(nullptr, &n), nullptr);
    EXPECT_EQ(n, NoNote);
}

TEST_F(ParseNoteTest, NoteWithoutOctaveTakesTheLastWrittenOne)
{
    EXPECT_EQ(Parse("C"), 63);  // octave 6 at start
    EXPECT_EQ(Parse("E2"), 19);
    EXPECT_EQ(Parse("A"), 12);
    // A failed note does not move the remembered octave.
    EXPECT_EQ(Parse("C9x"), -100);
    EXPECT_EQ(Parse("Bb"), 13);
    // In octave 1 "Ab" is no note, but still a note's spelling (key letters).
    EXPECT_EQ(Parse("A1"), 0);
    EXPECT_EQ(Parse("Ab"), -100);
    EXPECT_TRUE(IsNoteSpelling("Ab"));
    EXPECT_FALSE(IsNoteSpelling("Ax"));
}

TEST(NoteValue, ReadsThePitchClassAtTheStart)
{
    EXPECT_EQ(NoteValue("C Major"), 3);
    EXPECT_EQ(NoteValue("Bb Minor"), 1);
    EXPECT_EQ(NoteValue("g#"), 11);
    EXPECT_EQ(NoteValue("Ab"), 11);
    EXPECT_EQ(NoteValue("x"), -1);
    EXPECT_EQ(NoteValue(""), -1);
}

TEST(PitchClass, StaysInRangeForAnyNote)
{
    EXPECT_EQ(PitchClass(-1), 11);
    EXPECT_EQ(PitchClass(-121), 11);
    EXPECT_EQ(PitchClass(INT32_MIN), 4);
    EXPECT_EQ(PitchClass(INT32_MAX), 7);
}

TEST(ParseSpelling, ReadsDegreesWithTheirAccidental)
{
    struct Case {
        const char* text;
        int semitones;
        int length;
    };
    for (const Case& c : {Case{"1", 0, 1}, Case{"7b", 10, 2}, Case{"9#", 15, 2}, Case{"11#", 18, 3}, Case{"13", 21, 2},
                          Case{"3b#", 4, 3}, Case{"5,7", 7, 1}, Case{"7#b", 12, 2}}) {
        int semitones = -7;
        const char* end = ParseSpelling(c.text, &semitones);
        ASSERT_NE(end, nullptr) << c.text;
        EXPECT_EQ(semitones, c.semitones) << c.text;
        EXPECT_EQ(end - c.text, c.length) << c.text;
    }
    for (const char* bad : {"0", "14", "99999999999999999999", "1b", "", "b7", "-3"}) {
        int semitones = 5;
        EXPECT_EQ(ParseSpelling(bad, &semitones), nullptr) << bad;
        EXPECT_EQ(semitones, -1) << bad;
    }
}
