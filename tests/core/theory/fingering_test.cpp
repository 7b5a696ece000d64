#include <gtest/gtest.h>

#include <vector>

#include "core/theory/chord.h"

namespace {

// E4 B3 G3 D3 A2 E2 in slots 0-5 (the last string written is string 0).
chord StandardGuitar()
{
    chord tuning;
    const NOTES open[] = {43, 38, 34, 29, 24, 19};
    for (int i = 0; i < 6; ++i) tuning.notes[i] = open[i];
    return tuning;
}

std::vector<int> Marks(const chord& played, const chord& tuning, int strings, int capo)
{
    std::vector<int> marks(12, -5);
    played.FindFingering(tuning, marks.data(), strings, capo);
    return marks;
}

}  // namespace

TEST(Fingering, OpenStringsAtTheCapoOtherNotesElsewhereSilentStrings)
{
    const chord tuning = StandardGuitar();
    chord played = tuning;
    EXPECT_EQ(Marks(played, tuning, 6, 0), (std::vector<int>{0, 0, 0, 0, 0, 0, -5, -5, -5, -5, -5, -5}));

    played.Transpose(2);
    played.notes[3] = tuning.notes[3];  // still open with the capo at 2
    played.notes[5] = NoNote;
    EXPECT_EQ(Marks(played, tuning, 6, 2), (std::vector<int>{0, 0, 0, 7, 0, 8, -5, -5, -5, -5, -5, -5}));

    EXPECT_EQ(Marks(played, tuning, 0, 0), std::vector<int>(12, -5)) << "no strings, nothing written";
    // A silent string is 8 whatever the tuning holds, also past the tuning's strings.
    EXPECT_EQ(Marks(chord(), tuning, 12, 0), std::vector<int>(12, 8));
    EXPECT_EQ(Marks(chord(), tuning, 40, 0), std::vector<int>(12, 8)) << "at most 12 strings";
}
