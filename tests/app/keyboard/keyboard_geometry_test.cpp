// Keyboard ranges and key positions as plain functions of the window size.
#include <gtest/gtest.h>

#include "app/components/keyboard/keyboard_geometry.h"

namespace {

using namespace KeyboardLayout;

constexpr NOTES C5 = 51;

TEST(KeyboardGeometryTest, RangesStartOnCAndEndOnWhiteKeys)
{
    struct Case {
        NOTES first;
        int count;
        NOTES wantFirst;
        int wantCount, wantUnits;
    } cases[] = {
        {C5, 36, C5, 36, 1134},        // the default: three octaves, 21 white keys
        {C5, 6, C5, 6, 216},           // half an octave: C to F
        {15, 84, 15, 84, 49 * 54},     // seven octaves from the lowest slider C
        {C5 + 4, 10, C5, 15, 9 * 54},  // starts on E: down to C; ends on C#, widened to D
        {C5 + 1, 1, C5, 3, 2 * 54},    // a lone C#: C to D
        {C5, 2, C5, 3, 2 * 54},        // ends on C#: widened to D
        {111, 84, 111, 84, 49 * 54},   // seven octaves from the highest slider C, past MIDI 127
        {-40, 0, LowestStart, 1, 54},  // damaged values stay within what the dialog gives
        {C5, 1 << 30, C5, MostKeys, 49 * 54},
        {123, 12, 111, 24, 14 * 54},  // a C above C9: down to C9, keeping the upper end
    };
    for (const Case& c : cases) {
        const Range r = MakeRange(c.first, c.count);
        EXPECT_EQ(r.FirstNote, c.wantFirst) << c.first << "+" << c.count;
        EXPECT_EQ(r.KeyCount, c.wantCount) << c.first << "+" << c.count;
        EXPECT_EQ(r.WhiteUnits, c.wantUnits) << c.first << "+" << c.count;
        EXPECT_EQ(r.OctaveBase, r.FirstNote);
        EXPECT_LE(r.FirstNote, std::max(c.first, LowestStart));
        EXPECT_FALSE(IsBlackKey(r.LastNote()));
    }
    EXPECT_EQ(LabelHeight(3, 13), 39);
    EXPECT_EQ(LabelHeight(2, 13), 26);
    EXPECT_EQ(LabelHeight(0, 13), 0);
}

TEST(KeyboardGeometryTest, HitTestAtKeyEdgesAndInTheLabelStrip)
{
    // 1134 units in 1134 pixels: a white key is 54 wide, a black one 31.
    const Geometry g = MakeGeometry(MakeRange(C5, 36), QSize(1134, 239), 39, 7);
    ASSERT_EQ(g.WhiteWidth, 54);
    ASSERT_EQ(g.BlackHeight, 100);
    const NOTES Cs = C5 + 1, D = C5 + 2, Eb = C5 + 3, G = C5 + 7;
    const int cs = g.KeyX(Cs);
    ASSERT_EQ(cs, 37);
    ASSERT_EQ(g.KeyX(Eb), 98);
    ASSERT_EQ(g.KeyX(C5 + 13), 378 + 37);  // the next octave's C#
    struct Case {
        int x, y;
        NOTES note;
        int inLabels;
    } cases[] = {
        {cs, 50, Cs, 0},       {cs + 31, 50, Cs, 0},  // both edges belong to the black key
        {cs - 1, 50, C5, 0},   {cs + 32, 50, D, 0},
        {cs, 100, Cs, 0},      {cs, 101, C5, 0},         // below the black key: the white key
        {cs + 10, 205, Cs, 1}, {cs + 10, 219, Cs, 1},    // upper half of the strip: the black key
        {cs + 10, 220, C5, 1}, {10, 230, C5, 1},         // lower half: the white key
        {60, 150, D, 0},       {378 + 2, 10, G + 5, 0},  // D; the second octave's C
        {1134, 150, -1, 0},    {2000, 230, -1, 1},       // right of every key
    };
    for (const Case& c : cases) {
        const Geometry::Hit hit = g.NoteFromPoint(c.x, c.y);
        EXPECT_EQ(hit.note, c.note) << c.x << "," << c.y;
        EXPECT_EQ(hit.inLabels, c.inLabels) << c.x << "," << c.y;
    }
    // Repaint rectangles reach over the neighbours' shadows, never above the rail.
    EXPECT_EQ(g.KeyRect(C5), QRect(QPoint(0, 5), QPoint(56, 199)));
    EXPECT_EQ(g.KeyRect(D), QRect(QPoint(49, 5), QPoint(110, 199)));
    EXPECT_EQ(g.KeyRect(Cs), QRect(QPoint(32, 5), QPoint(67, 99)));
    EXPECT_EQ(g.LabelCell(Cs).top(), 200);
    EXPECT_EQ(g.LabelCell(Cs).width(), 28);
}

}  // namespace
