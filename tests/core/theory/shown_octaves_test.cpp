// Octave numbers as the user reads and types them, from A as stored or from C
// with middle C (MIDI 60, stored 63) as C4.
#include <gtest/gtest.h>

#include <string>

#include "core/theory/notes.h"
#include "core/theory/octave_numbering.h"
#include "core/theory/shown_notes.h"
#include "naming_settings.h"

namespace {

class ShownOctavesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetShownOctaveNumbering(OctaveNumbering::FromA);
        ResetShownNoteOctave();
    }
    NamingSettings naming;
};

}  // namespace

TEST_F(ShownOctavesTest, TypedNotesReadInTheNumberingShownAndNameBack)
{
    struct Case {
        OctaveNumbering numbering;
        const char* typed;
        NOTES value;        // NoNote: refused
        const char* shown;  // ShownFullNoteName(value) in the default spelling
    };
    constexpr auto A = OctaveNumbering::FromA;
    constexpr auto C = OctaveNumbering::FromC;
    const Case cases[] = {
        {C, "C4", 63, "C4"},   // middle C
        {C, "B3", 62, "B3"},   // the octave changes at C
        {C, "A4", 72, "A4"},   // 440 Hz
        {C, "C-1", 3, "C-1"},  // MIDI 0: the minus is the octave's sign
        {C, "A-2", 0, "A-2"},  // the lowest note there is
        {C, "G9", 130, "G9"},  // MIDI 127
        {C, "Cb4", 62, "B3"},  // the letter's octave, not the sound's
        {C, "B#3", 63, "C4"},    {C, "c#n4", 63, "C4"},  {C, "G#9", NoNote, ""},  // above MIDI 127
        {C, "Ab-2", NoNote, ""},                                                  // below the lowest note
        {C, "C10", NoNote, ""},  {C, "C4#", NoNote, ""},                          // the octave comes last
        {C, "H4", NoNote, ""},   {C, "", NoNote, ""},    {A, "C6", 63, "C6"},     // as stored
        {A, "A7", 72, "A7"},     {A, "Ab7", 71, "G#6"},  {A, "G#9", 107, "G#9"},
        {A, "C-1", 2, "B1"},     // as stored the minus is a flat
        {A, "Ab1", NoNote, ""},  // below A1
        {A, "C4#", 40, "C#4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SetShownOctaveNumbering(c.numbering);
        NOTES n = 5;
        const char* end = ParseShownNote(c.typed, &n);
        EXPECT_EQ(n, c.value);
        EXPECT_EQ(end != nullptr, c.value != NoNote);
        if (c.value != NoNote) {
            EXPECT_EQ(ShownFullNoteName(c.value), c.shown);
        }
    }
}

TEST_F(ShownOctavesTest, EveryNoteNamedReadsBackAndANoteWithoutOctaveTakesTheOneBefore)
{
    for (OctaveNumbering numbering : {OctaveNumbering::FromA, OctaveNumbering::FromC}) {
        SetShownOctaveNumbering(numbering);
        for (int accidentals : {0, 1}) {
            chord::Config_Accidentals = accidentals;
            for (NOTES n = LowestNote; n <= HighestNote; ++n) {
                NOTES back = NoNote;
                EXPECT_TRUE(ParseShownNote(ShownFullNoteName(n).c_str(), &back)) << n;
                EXPECT_EQ(back, n) << ShownFullNoteName(n);
            }
        }
    }
    // From C, octave = MIDI / 12 - 1.
    for (NOTES n = LowestNote; n <= HighestNote; ++n) EXPECT_EQ(ShownOctave(n), (n - 3 + 12) / 12 - 2) << n;

    // "G2 A" is G2 and the A above it; a note without octave first is in middle C's octave.
    ResetShownNoteOctave();
    const std::string words[] = {"A", "G2", "A", "C"};
    const NOTES values[] = {72, 46, 48, 39};
    for (int i = 0; i < 4; ++i) {
        NOTES n = NoNote;
        ParseShownNote(words[i].c_str(), &n);
        EXPECT_EQ(n, values[i]) << i;
    }
}
