// The definitions every user starts with (data/cantrel.ini, copied beside
// the library by the build).
#include <gtest/gtest.h>

#include <set>
#include <algorithm>
#include <string>
#include <vector>

#include "support/test_settings.h"
#include "core/services/profile.h"
#include "definition_fixture.h"

namespace {

class DefaultDefinitions : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        ASSERT_TRUE(LoadShipped());
    }

    static std::size_t Entries(const char* section) { return GetProfileKeyNames(TestSettings::File(), section).size(); }

    // Names of a chord given in this system's note values.
    static std::string FirstName(std::initializer_list<NOTES> notes)
    {
        const auto names = Names(Chord(notes));
        return names.empty() ? "" : names.front();
    }
};

// Scientific pitch names as used by musicians (middle C = C4) to this system's
// values (middle C = 63).
NOTES Sci(const char* name)
{
    static const int letter[] = {9, 11, 0, 2, 4, 5, 7};  // A..G above C
    const int pc = letter[name[0] - 'A'] + (name[1] == '#' ? 1 : name[1] == 'b' ? -1 : 0);
    const int octave = name[std::char_traits<char>::length(name) - 1] - '0';
    return 12 * (octave + 1) + pc + 3;  // MIDI + 3
}

}  // namespace

TEST_F(DefaultDefinitions, EveryEntryLoadsWithoutAMessage)
{
    EXPECT_TRUE(errors.Empty());
    EXPECT_EQ(static_cast<std::size_t>(CountChordDefinitions()), Entries("Chords"));
    EXPECT_EQ(static_cast<std::size_t>(CountTunings()), Entries("Tunings"));
    EXPECT_EQ(static_cast<std::size_t>(CountScales()), Entries("Scales"));
    EXPECT_EQ(static_cast<std::size_t>(CountKeys()), Entries("Keys"));
    EXPECT_GE(CountChordDefinitions(), 60);
    EXPECT_GE(CountTunings(), 25);
    EXPECT_GE(CountInstruments(), 8);
    EXPECT_GE(CountScales(), 30);
    EXPECT_EQ(CountKeys(), 30);
}

TEST_F(DefaultDefinitions, NoTwoChordTypesShareANameOrAShape)
{
    std::set<std::string> names;
    std::set<std::pair<unsigned, unsigned>> shapes;
    for (const ChordNameTag* d = GetChordDefinition(0); d; d = d->next) {
        EXPECT_TRUE(names.insert(d->name).second) << d->name;
        unsigned optional = 0;
        const unsigned bits = chord::GetChordBits(0, d, &optional);
        EXPECT_TRUE(shapes.insert({bits, optional}).second) << d->name;
        EXPECT_LT(std::string(d->description).size(), sizeof d->description - 1) << "cut: " << d->description;
    }
}

TEST_F(DefaultDefinitions, CommonChordsGetTheirUsualFirstName)
{
    chord::Config_NoRoot = 1;
    const struct {
        std::vector<const char*> notes;
        const char* name;
    } cases[] = {
        {{"C4", "E4", "G4"}, "C"},
        {{"A3", "C4", "E4"}, "Am"},
        {{"G3", "B3", "D4", "F4"}, "G7"},
        {{"C4", "E4", "G4", "B4"}, "Cmaj7"},
        {{"D4", "F4", "A4", "C5"}, "Dm7"},
        {{"B3", "D4", "F4", "A4"}, "Bm7b5"},
        {{"B3", "D4", "F4", "G#4"}, "Bdim7"},
        {{"C4", "Eb4", "Gb4"}, "Cdim"},
        {{"C4", "E4", "G#4"}, "Caug"},
        {{"D4", "G4", "A4"}, "Dsus4"},
        {{"D4", "E4", "A4"}, "Dsus2"},
        {{"E2", "B2"}, "E5"},
        {{"C4", "E4", "G4", "A4"}, "C6"},
        {{"A3", "C4", "E4", "F#4"}, "Am6"},
        {{"C4", "E4", "G4", "D5"}, "Cadd9"},
        {{"C4", "E4", "Bb4", "D5"}, "C9"},
        {{"G3", "C4", "D4", "F4"}, "G7sus4"},
        {{"C4", "Eb4", "G4", "B4"}, "Cm(maj7)"},
        {{"C4", "E4", "G#4", "Bb4"}, "C7#5"},
        {{"E3", "G#3", "D4", "G4"}, "E7#9"},
        {{"C4", "E4", "Bb4", "Db5"}, "C7b9"},
        {{"C4", "E4", "Bb4", "D5", "A5"}, "C13"},
        {{"F3", "A3", "C4", "E4", "G4"}, "Fmaj9"},
        {{"D3", "F3", "C4", "E4"}, "Dm9"},
        // Inversions name the root, not the bass.
        {{"E4", "G4", "C5"}, "C"},
        {{"G3", "C4", "E4"}, "C"},
        {{"B3", "D4", "F4", "G4"}, "G7"},
        {{"F3", "G3", "B3", "D4"}, "G7"},
        {{"E3", "G3", "C4", "B4"}, "Cmaj7"},
    };
    for (const auto& c : cases) {
        chord notes;
        for (const char* n : c.notes) notes.AddNote(Sci(n));
        const auto names = Names(notes);
        ASSERT_FALSE(names.empty()) << c.name;
        EXPECT_EQ(names.front(), c.name);
    }
}

TEST_F(DefaultDefinitions, TuningsUseThisSystemsOctaves)
{
    const TuningNameTag* standard = GetTuning(0);
    ASSERT_NE(standard, nullptr);
    EXPECT_STREQ(GetInstrument(standard->instrument), "Guitar");
    EXPECT_STREQ(standard->name, "Standard");
    // E4 A5 D5 G5 B6 E6 written, stored last string first.
    EXPECT_EQ((std::vector<NOTES>{standard->strings, standard->strings + 6}),
              (std::vector<NOTES>{67, 62, 58, 53, 48, 43}));
    for (const TuningNameTag* t = standard; t; t = t->next)
        for (int i = 0; i < t->count; ++i) {
            // From a five-string bass's low B to a violin's E string.
            EXPECT_GE(t->strings[i], Sci("B0")) << t->name;
            EXPECT_LE(t->strings[i], Sci("E5")) << t->name;
        }
}

TEST_F(DefaultDefinitions, EveryKeyHoldsTheNotesOfItsName)
{
    // Natural minor: the notes of the major key a minor third up.
    for (const KeyNameTag* k = GetKey(0); k; k = k->next) {
        const std::string name = k->name;
        const int tonic = NoteValue(k->name);
        ASSERT_GE(tonic, 0) << name;
        const bool major = name.find("Major") != std::string::npos;
        const unsigned expected = chord::GetKeyBits(major ? tonic : tonic + 3, 1) & ~0xFu;
        unsigned actual = 0;
        for (int letter = 0; letter < 7; ++letter) actual |= 1u << (4 + k->pitches[letter]);
        EXPECT_EQ(actual, expected) << name;
        EXPECT_EQ(k->tokenCount, 7) << name;
    }
    // Both spellings of the enharmonic keys are there.
    const auto keys = [](std::initializer_list<NOTES> notes) {
        std::vector<std::string> found;
        CHORD_FIND_BUF buf;
        char name[chord::KeyNameSize];
        chord c = Chord(notes);
        for (int ok = c.FindFirstKey(name, buf); ok; ok = c.FindNextKey(name, buf)) found.push_back(name);
        return found;
    };
    const auto withFSharp = keys({Sci("F#4")});
    EXPECT_NE(std::find(withFSharp.begin(), withFSharp.end(), "Gb Major"), withFSharp.end());
    EXPECT_NE(std::find(withFSharp.begin(), withFSharp.end(), "F# Major"), withFSharp.end());
}

TEST_F(DefaultDefinitions, ScalesStartWithTheMajorModes)
{
    EXPECT_STREQ(chord::GetFirstScaleName(), "Major");
    for (const char* name :
         {"Natural Minor", "Harmonic Minor", "Melodic Minor", "Dorian", "Phrygian", "Lydian", "Mixolydian", "Locrian",
          "Major Pentatonic", "Minor Pentatonic", "Blues", "Whole Tone", "Chromatic", "Hungarian Minor",
          "Double Harmonic", "Phrygian Dominant", "Hirajoshi", "In Sen"})
        EXPECT_GE(FindScale(name), 0) << name;
}
