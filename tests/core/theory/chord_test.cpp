#include <gtest/gtest.h>

#include <vector>

#include "core/theory/chord.h"

namespace {

std::vector<NOTES> Slots(const chord& c) { return {c.notes, c.notes + chord::Slots}; }

// Twelve slots: the given notes, then empty ones.
std::vector<NOTES> Expect(std::vector<NOTES> notes)
{
    notes.resize(chord::Slots, NoNote);
    return notes;
}

}  // namespace

TEST(Chord, ThirteenthNoteDropsTheOldest)
{
    chord c;
    for (NOTES n = 30; n < 42; ++n) EXPECT_EQ(c.AddNote(n), NoNote);
    EXPECT_EQ(c.AddNote(50), 30);
    EXPECT_EQ(Slots(c), Expect({31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 50}));
    // Re-adding one of its notes drops nothing.
    EXPECT_EQ(c.AddNote(35), NoNote);
    EXPECT_EQ(c.notes[11], 35);
    EXPECT_EQ(c.CountNotes(), 12);
}

TEST(Chord, AddingAPresentNoteMovesItToTheFirstEmptySlot)
{
    chord c;
    for (NOTES n : {39, 43, 46}) c.AddNote(n);
    EXPECT_EQ(c.AddNote(39), NoNote);
    EXPECT_EQ(Slots(c), Expect({43, 46, 39}));
    c.notes[0] = NoNote;
    c.AddNote(50);
    EXPECT_EQ(Slots(c), Expect({50, 46, 39}));
}

TEST(Chord, RemoveFindCountAndBass)
{
    chord c;
    EXPECT_EQ(c.GetBass(), NoNote);
    for (NOTES n : {50, 39, 44}) c.AddNote(n);
    c.marks[2] = 9;
    EXPECT_EQ(c.GetBass(), 39);
    EXPECT_EQ(c.RemoveNote(60), 0);
    EXPECT_EQ(c.RemoveNote(39), 1);
    EXPECT_EQ(Slots(c), Expect({50, 44}));
    EXPECT_EQ(c.marks[2], 9);  // marks stay where they are
    EXPECT_EQ(c.FindNote(44), 1);
    EXPECT_EQ(c.FindNote(39), -1);
    EXPECT_EQ(c.FindNote(NoNote), 2);
    EXPECT_EQ(c.CountNotes(), 2);
}

TEST(Chord, SortPutsEmptySlotsLastAndMovesMarks)
{
    chord c;
    c.notes[0] = 50;
    c.notes[2] = 39;
    c.marks[0] = 1;
    c.marks[2] = 2;
    chord up = c;
    up.Sort(1);
    EXPECT_EQ(Slots(up), Expect({39, 50}));
    EXPECT_EQ(up.marks[0], 2);
    chord down = c;
    down.Sort(0);
    EXPECT_EQ(Slots(down), Expect({50, 39}));
    EXPECT_EQ(down.marks[0], 1);
    // Notes outside the usual range still sort before the empty slots.
    c.notes[5] = 200;
    c.notes[6] = -2;
    c.Sort(1);
    EXPECT_EQ(Slots(c), Expect({-2, 39, 50, 200}));
    c.Sort(0);
    EXPECT_EQ(Slots(c), Expect({200, 50, 39, -2}));
}

TEST(Chord, ClearSetKeyAndTranspose)
{
    chord c;
    c.AddNote(39);
    c.notes[4] = 46;
    c.marks[0] = 5;
    c.SetKey(3);
    EXPECT_EQ(c.marks[0], 0);
    c.Transpose(-12);
    EXPECT_EQ(Slots(c), Expect({27, NoNote, NoNote, NoNote, 34}));
    c.program = 40;
    c.Clear();
    EXPECT_EQ(Slots(c), Expect({}));
    EXPECT_EQ(c.key, NoNote);
    EXPECT_EQ(c.program, 40);
}

namespace {
chord* lastDestroyed = nullptr;
}  // namespace

TEST(Chord, DestructionIsReportedToTheSoundLayer)
{
    SetChordDestroyedHook([](chord* c) { lastDestroyed = c; });
    chord* address = nullptr;
    {
        chord c;
        address = &c;
    }
    SetChordDestroyedHook(nullptr);
    EXPECT_EQ(lastDestroyed, address);
}
