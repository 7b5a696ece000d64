#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "definition_fixture.h"

namespace {

constexpr NOTES C4 = 39, E4 = 43, Fs4 = 45, G4 = 46;

// Bits 4 + p of the pitch classes, plus the root in the low nibble.
unsigned Word(int root, std::initializer_list<int> pitchClasses)
{
    unsigned word = static_cast<unsigned>(root);
    for (int p : pitchClasses) word |= 1u << (4 + p);
    return word;
}

class KeysAndScales : public DefinitionTest {
protected:
    static std::vector<std::pair<std::string, unsigned>> Keys(const chord& c)
    {
        std::vector<std::pair<std::string, unsigned>> found;
        CHORD_FIND_BUF buf;
        char name[chord::KeyNameSize];
        for (int ok = c.FindFirstKey(name, buf); ok; ok = c.FindNextKey(name, buf)) found.emplace_back(name, buf.bits);
        EXPECT_STREQ(name, "");
        return found;
    }
    static std::vector<std::pair<std::string, unsigned>> Scales(const chord& c)
    {
        std::vector<std::pair<std::string, unsigned>> found;
        CHORD_FIND_BUF buf;
        char name[chord::ScaleFindSize];
        for (int ok = c.FindFirstScale(name, buf); ok; ok = c.FindNextScale(name, buf))
            found.emplace_back(name, buf.bits);
        EXPECT_STREQ(name, "");
        return found;
    }
};

}  // namespace

TEST_F(KeysAndScales, KeysHoldingEveryNoteInListOrder)
{
    ASSERT_TRUE(
        LoadAll("[Keys]\n1=\"C Major\", C D E F G A B\n2=\"G Major\", G A B C D E F+\n"
                "3=\"Bb Major\", B- C D E- F G A\n"));
    const auto cMajor = Keys(Chord({C4, E4, G4}));
    ASSERT_EQ(cMajor.size(), 2u);
    EXPECT_EQ(cMajor[0].first, "C Major");
    EXPECT_EQ(cMajor[0].second, Word(3, {0, 2, 3, 5, 7, 8, 10}));
    EXPECT_EQ(cMajor[1].first, "G Major");
    EXPECT_EQ(cMajor[1].second, Word(10, {0, 2, 3, 5, 7, 9, 10}));

    const auto fSharp = Keys(Chord({Fs4}));
    ASSERT_EQ(fSharp.size(), 1u);
    EXPECT_EQ(fSharp[0].first, "G Major");
    EXPECT_EQ(Keys(Chord({Fs4 + 12, Fs4 - 24}))[0].first, "G Major") << "octaves do not matter";
    const auto bFlat = Keys(Chord({C4 - 2}));
    ASSERT_EQ(bFlat.size(), 1u);
    EXPECT_EQ(bFlat[0].second & 0xFu, 1u) << "tonic Bb from the name";
    EXPECT_TRUE(Keys(Chord({})).empty());
    EXPECT_TRUE(Keys(Chord({C4, Fs4, Fs4 - 1})).empty());

    ReleaseKeyList();
    EXPECT_TRUE(Keys(Chord({C4})).empty());
}

TEST_F(KeysAndScales, ScalesGoScaleByScaleThenRootByRootFromTheBass)
{
    ASSERT_TRUE(LoadAll("[Scales]\n1=\"Major\", 1 1 \xC2\xBD 1 1 1 \xC2\xBD\n2=\"Whole Tone\", 1 1 1 1 1 1\n"));
    std::vector<std::string> names;
    for (const auto& [name, bits] : Scales(Chord({C4, E4, G4}))) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"C Major", "F Major", "G Major"}));

    // From the bass E upward, wrapping round the octave: E, ... B, C, ... D#.
    const auto fromE = Scales(Chord({E4, C4 + 12 + 8}));  // E4 and G#5
    ASSERT_EQ(fromE.size(), 9u);
    EXPECT_EQ(fromE[0].first, "E Major");
    EXPECT_EQ(fromE[0].second, Word(7, {7, 9, 11, 0, 2, 4, 6}));
    EXPECT_EQ(fromE[1].first, "A Major");
    EXPECT_EQ(fromE[2].first, "B Major");
    EXPECT_EQ(fromE[3].first, "E Whole Tone");
    EXPECT_EQ(fromE[3].second, Word(7, {7, 9, 11, 1, 3, 5}));
    EXPECT_EQ(fromE[6].first, "Bb Whole Tone");
    EXPECT_EQ(fromE[7].first, "C Whole Tone");
    EXPECT_EQ(fromE[8].first, "D Whole Tone");

    CHORD_FIND_BUF buf;
    char name[chord::ScaleFindSize] = "junk";
    EXPECT_EQ(Chord({}).FindFirstScale(name, buf), 0);
    EXPECT_STREQ(name, "");
    ReleaseScaleList();
    EXPECT_TRUE(Scales(Chord({C4})).empty());
}

TEST_F(KeysAndScales, NoteNamesOfScaleRootsFollowTheAccidentalSetting)
{
    ASSERT_TRUE(LoadAll("[Scales]\n1=\"Chromatic\", \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD \xBD\n"));
    chord::Config_Accidentals = 1;
    const auto found = Scales(Chord({C4 + 1}));
    ASSERT_EQ(found.size(), 12u);
    EXPECT_EQ(found[0].first, "Db Chromatic");
    EXPECT_EQ(found[11].first, "C Chromatic");
}

TEST(KeyAndScaleBits, SevenStepsFromTheTonic)
{
    EXPECT_EQ(chord::GetKeyBits(3, 1), Word(3, {0, 2, 3, 5, 7, 8, 10}));
    // C minor is C D Eb F G Ab Bb: Ab (11), not A (0).
    EXPECT_EQ(chord::GetKeyBits(3, 0), Word(3, {1, 3, 5, 6, 8, 10, 11}));
    EXPECT_EQ(chord::GetKeyBits(3 + 36, 1), chord::GetKeyBits(3, 1));
    EXPECT_EQ(chord::GetKeyBits(-9, 1), chord::GetKeyBits(3, 1));

    ScaleNameTag pentatonic{};
    pentatonic.count = 5;
    const int steps[] = {2, 2, 3, 2, 3};
    std::copy(steps, steps + 5, pentatonic.steps);
    EXPECT_EQ(chord::GetScaleBits(C4, &pentatonic), Word(3, {3, 5, 7, 10, 0}));
    EXPECT_EQ(chord::GetScaleBits(C4, nullptr), 3u);
}
