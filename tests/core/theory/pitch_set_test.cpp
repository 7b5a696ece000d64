#include <gtest/gtest.h>

#include "core/theory/pitch_set.h"

namespace {

TEST(PitchSet, ReadsAndKeepsTheStoredWord)
{
    struct Case {
        std::uint32_t word;
        int root;
        unsigned classes;  // bit p: pitch class p
    };
    const Case cases[] = {
        {0, 0, 0},                             // nothing found
        {3 | 0xAB5u << 4, 3, 0xAB5},           // C major from A: C D E F G A B
        {11 | 1u << 4 | 1u << 15, 11, 0x801},  // lowest and highest class
        {15 | 1u << 4 | 1u << 20, 15, 0x001},  // a damaged file: bad root, a stray bit
        {0xFFF0, 0, 0xFFF},                    // every class
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const PitchSet set = PitchSet::FromWord(c.word);
        EXPECT_EQ(set.Word(), c.word);
        EXPECT_EQ(set.Empty(), c.word == 0);
        EXPECT_EQ(set.Root(), c.root);
        EXPECT_EQ(set.Classes(), c.classes);
        EXPECT_EQ(set.Count(), std::popcount(c.classes));
        for (int p = 0; p < PitchClasses; ++p) EXPECT_EQ(set.Has(p), ((c.classes >> p) & 1u) != 0) << p;
        // Made from its parts it is the same word, stray bits aside.
        if (c.word >> 16 == 0) {
            EXPECT_EQ(PitchSet(c.root, c.classes), set);
        }
    }
    EXPECT_EQ(PitchSet(3, 0).With(3).With(7).With(3).Word(), 3u | 1u << 7 | 1u << 11);
}

}  // namespace
