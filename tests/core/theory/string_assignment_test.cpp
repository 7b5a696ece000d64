#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/theory/string_assignment.h"

namespace {

chord Notes(std::initializer_list<NOTES> notes)
{
    chord c;
    int i = 0;
    for (NOTES n : notes) c.notes[i++] = n;
    return c;
}

// E6 B6 G5 D5 A5 E4 in slots 0-5: a standard guitar.
const chord Guitar = Notes({67, 62, 58, 53, 48, 43});

std::vector<NOTES> Slots(const chord& c) { return std::vector<NOTES>(c.notes, c.notes + chord::Slots); }

std::vector<NOTES> Strings(std::initializer_list<NOTES> first)
{
    std::vector<NOTES> v(first);
    v.resize(chord::Slots, NoNote);
    return v;
}

}  // namespace

TEST(StringAssignment, ChoosesTheLayoutThatPlaysMoreStringsThenFewerFrets)
{
    struct Case {
        const char* what;
        chord notes;
        int frets;
        int capo;
        std::vector<NOTES> expected;
    };
    const Case cases[] = {
        {"high notes on the high strings; the low layout reaches none", Notes({63, 67, 70}), 13, 0,
         Strings({70, 67, 63, -1, -1, -1})},
        {"low layout: as many strings, fewer frets", Notes({43, 47, 50}), 13, 0, Strings({-1, -1, -1, -1, 50, 43})},
        {"a capo lifts every string: the open note moves down a string", Notes({67}), 13, 2,
         Strings({-1, 67, -1, -1, -1, -1})},
        {"more notes than strings: one note a string", Notes({43, 45, 47, 48, 50, 52, 53, 55, 57, 58, 60, 62}), 13, 0,
         Strings({-1, 62, 58, 53, 48, 43})},
        {"notes above the last fret are dropped", Notes({90, 80, 79}), 13, 0, Strings({79, -1, -1, -1, -1, -1})},
        {"notes below the lowest string are dropped", Notes({30, 40}), 13, 0, Strings({})},
        {"a longer neck reaches higher", Notes({90}), 25, 0, Strings({90})},
        {"an empty chord plays nothing", chord(), 13, 0, Strings({})},
    };
    for (const Case& c : cases) {
        const chord laid = AssignStrings(c.notes, Guitar, 6, c.frets, c.capo);
        EXPECT_EQ(Slots(laid), c.expected) << c.what;
        EXPECT_EQ(laid.key, NoNote) << c.what;
    }
    // Two strings tuned alike: both layouts play fret 5; the high one wins the tie.
    EXPECT_EQ(Slots(AssignStrings(Notes({55}), Notes({50, 50}), 2, 13, 0)), Strings({55}));
}

TEST(StringAssignment, StringCountsAndReachNeverOverflow)
{
    EXPECT_EQ(CountStrings(Guitar), 6);
    EXPECT_EQ(CountStrings(chord()), 0);
    EXPECT_EQ(CountStrings(Notes({60, -1, 50})), 1) << "strings end at the first empty slot";
    chord twelve;
    for (NOTES& n : twelve.notes) n = 40;
    EXPECT_EQ(CountStrings(twelve), 12);

    EXPECT_TRUE(StringReaches(Guitar, 0, 67, 0, 13));
    EXPECT_FALSE(StringReaches(Guitar, 0, 67, 1, 13));
    EXPECT_TRUE(StringReaches(Guitar, 0, 79, 0, 13));
    EXPECT_FALSE(StringReaches(Guitar, 0, 80, 0, 13));
    EXPECT_FALSE(StringReaches(Guitar, 6, 50, 0, 13)) << "no string there";
    EXPECT_FALSE(StringReaches(Guitar, -1, 67, 0, 13));

    // Damaged values: nothing wraps around.
    const chord extreme = Notes({INT_MAX - 2, INT_MIN + 1});
    EXPECT_TRUE(StringReaches(extreme, 0, INT_MAX, 0, 13));
    EXPECT_FALSE(StringReaches(extreme, 1, INT_MAX, 0, 13));
    const chord laid = AssignStrings(Notes({INT_MAX, INT_MIN + 5}), extreme, 2, 13, 0);
    EXPECT_EQ(laid.notes[0], INT_MAX);
    EXPECT_EQ(laid.notes[1], INT_MIN + 5);
    EXPECT_EQ(Slots(AssignStrings(Notes({60}), Guitar, 0, 13, 0)), Strings({})) << "no strings";
}
