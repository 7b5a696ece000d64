#include <gtest/gtest.h>

#include <string>

#include "core/theory/chord_name_table.h"
#include "definition_fixture.h"
#include "support/test_settings.h"

namespace {

std::string SearchedNames(const chord& c)
{
    std::string names;
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize];
    for (int found = c.FindFirstName(name, buf); found; found = c.FindNextName(name, buf))
        names += (names.empty() ? "" : "\t") + std::string(name);
    return names;
}

std::string TableNames(const chord& c)
{
    std::string names;
    AppendChordNames(c, '\t', names);
    return names;
}

// Every pitch-class set with every bass, voiced upward from the bass within
// an octave (in octaves from 1 to 8), and the same notes spread over two
// octaves with the bass doubled. The first chord named otherwise than by the
// search, or an empty text.
std::string FirstDifference()
{
    int checked = 0;
    for (unsigned set = 1; set < 4096; ++set)
        for (int bass = 0; bass < 12; ++bass) {
            if (!(set & (1u << bass))) continue;
            const NOTES lowest = bass + 12 * static_cast<int>(set % 8);
            chord close, spread;
            for (int above = 0; above < 12; ++above)
                if (set & (1u << (bass + above) % 12)) {
                    close.AddNote(lowest + above);
                    spread.AddNote(lowest + above + 12 * (above % 2));
                }
            if (spread.CountNotes() < chord::Slots) spread.AddNote(lowest + 24);
            for (const chord* c : {&close, &spread}) {
                ++checked;
                const std::string expected = SearchedNames(*c), actual = TableNames(*c);
                if (actual == expected) continue;
                std::string notes;
                for (NOTES n : c->notes) notes += " " + std::to_string(n);
                return "notes" + notes + "\n  search: " + expected + "\n  table:  " + actual;
            }
        }
    return checked == 2 * 24576 ? "" : "not every chord was checked";
}

struct Switches {
    const char* what;
    int accidentals;
    unsigned customAccidentals;
    std::uint8_t bassStyle, addStyle, diffBass, noRoot;
};

const Switches switchSettings[] = {
    {"initial", 3, 0, 0, 0, 0, 1},
    {"every switch, flats", 1, 0, 1, 1, 1, 1},
    {"no rootless names, own accidentals", 2, 21, 0, 1, 1, 0},
    {"rootless names again, sharps", 0, 0, 1, 0, 0, 1},
};

class ChordNameTable : public DefinitionTest {};

}  // namespace

TEST_F(ChordNameTable, NamesEverySetAndBassAsTheSearchDoesUnderEveryDefinitionListAndSwitch)
{
    const auto checkEverySwitch = [](const char* definitions) {
        for (const Switches& s : switchSettings) {
            chord::Config_Accidentals = s.accidentals;
            chord::Custom_Accidentals = s.customAccidentals;
            chord::Config_BassStyle = s.bassStyle;
            chord::Config_AddStyle = s.addStyle;
            chord::Config_DiffBass = s.diffBass;
            chord::Config_NoRoot = s.noRoot;
            EXPECT_EQ(FirstDifference(), "") << definitions << ", " << s.what;
        }
    };

    ForgetProfiles();
    UseINIFileName(TestSettings::File().c_str());
    ASSERT_TRUE(InitializeChordList());
    ASSERT_GT(CountChordDefinitions(), 50);
    FillChordNameTable();  // as a batch does; later changes fill it shape by shape
    checkEverySwitch("default definitions");

    // A list edited in place, as the chord list editor does.
    ChordNameTag* first = GetChordDefinition(0);
    ASSERT_NE(first, nullptr);
    first->intervals[1] = 5;
    ChordDefinitionsChanged();
    checkEverySwitch("first definition edited");

    // Another list loaded, in which one note has rootless names on either
    // side of A (C: "B5b9 (No Root)", "F5 (No Root)").
    ReleaseChordList();
    ASSERT_TRUE(
        LoadAll("[Chords]\n"
                "1=\"\",\"Major\", 1 3 5\n"
                "2=\"m\",\"Minor\", 1 3b 5\n"
                "3=\"7\",\"Dominant Seventh\", 1 3 5? 7b\n"
                "4=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n"
                "5=\"5\",\"Fifth\", 1? 5\n"
                "6=\"5b9\",\"Flat Ninth\", 1? 9b\n"));
    checkEverySwitch("six definitions");
}
