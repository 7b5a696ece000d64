#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/notes.h"
#include "naming_settings.h"

namespace {

std::vector<NOTES> Slots(const chord& c) { return {c.notes, c.notes + chord::Slots}; }

std::vector<NOTES> Expect(std::vector<NOTES> notes)
{
    notes.resize(chord::Slots, NoNote);
    return notes;
}

std::string TextForm(const chord& c)
{
    char out[chord::TextFormSize];
    c.ToString(out, sizeof out);
    return out;
}

class ChordText : public ::testing::Test {
protected:
    void SetUp() override { ResetParseNoteOctave(); }
    void TearDown() override { ResetParseNoteOctave(); }
    NamingSettings settings;
};

}  // namespace

TEST_F(ChordText, WritesTheFirstNameAndEveryNoteBetweenGuillemets)
{
    chord c;
    c.notes[0] = 39;
    c.notes[1] = 43;
    c.notes[3] = 46;
    char name[chord::ChordNameSize];
    CHORD_FIND_BUF buf;
    c.FindFirstName(name, buf);
    EXPECT_EQ(TextForm(c), std::string(name) + "   \u00ABC4 E4 - G4 - - - - - - - - \u00BB");
    char cut[6];
    c.ToString(cut, sizeof cut);
    EXPECT_EQ(std::string(cut).size(), 5u);
}

TEST_F(ChordText, ReadsSlotsAsWrittenAndNothingElse)
{
    chord c;
    c.key = 3;
    c.marks[1] = 4;
    ASSERT_EQ(c.FromString("x \u00ABC4 - E4 \u00BB"), 1);
    EXPECT_EQ(Slots(c), Expect({39, NoNote, 43}));
    EXPECT_EQ(c.key, 3);
    EXPECT_EQ(c.marks[1], 4);
    // Windows-1252 guillemets, tabs, notes taking the octave before them, no closing mark.
    ASSERT_EQ(c.FromString("Am \xAB"
                           "E2\tA D3 G B E4 \xBB"),
              1);
    EXPECT_EQ(Slots(c), Expect({19, 12, 29, 34, 26, 43}));
    ASSERT_EQ(c.FromString("\xAB"
                           "C4 - "),
              1);
    EXPECT_EQ(Slots(c), Expect({39}));
    ASSERT_EQ(c.FromString("name   \u00AB  \t \u00BB trailing words"), 1);
    EXPECT_EQ(c.CountNotes(), 0);
}

TEST_F(ChordText, FailureLeavesTheNotesAlone)
{
    chord c;
    c.AddNote(50);
    for (const char* bad : {"C4 E4", "\u00ABC4 E4\u00BB", "\u00ABC4 H4 \u00BB",
                            "\u00AB- - - - - - - - - - - - C4 \u00BB",  // thirteen tokens
                            "\u00ABC4nnnnnnnnnnnnnX",                   // its first 15 characters would be a note
                            ""})
        EXPECT_EQ(c.FromString(bad), 0) << bad;
    EXPECT_EQ(c.FromString(nullptr), 0);
    EXPECT_EQ(Slots(c), Expect({50}));
}

TEST_F(ChordText, RoundTripKeepsEverySlot)
{
    for (int accidentals = 0; accidentals < 4; ++accidentals) {
        chord::Config_Accidentals = accidentals;
        chord c;
        const NOTES notes[chord::Slots] = {3, NoNote, 40, 61, 130, 111, NoNote, 0, 59, 106, 118, 11};
        for (int i = 0; i < chord::Slots; ++i) c.notes[i] = notes[i];
        chord back;
        ASSERT_EQ(back.FromString(TextForm(c).c_str()), 1) << TextForm(c);
        EXPECT_EQ(Slots(back), Slots(c)) << TextForm(c);
    }
}
