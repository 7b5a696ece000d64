// Spelling by chord, on the definitions every user starts with.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/theory/chord_name_parts.h"
#include "core/theory/chord_name_search.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_records.h"
#include "core/theory/pitch_set.h"
#include "core/theory/shown_notes.h"
#include "definition_fixture.h"

namespace {

class ChordSpellingTest : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        ASSERT_TRUE(LoadShipped());
        chord::Config_Accidentals = ByChordAccidentals;
    }

    // The chord's notes from low to high as shown, then its first name:
    // "Eb G Bb Db = Eb7".
    static std::string Shown(const chord& c)
    {
        const SpellingContext spelling = ChordSpelling(c);
        std::string text;
        for (NOTES n = LowestNote; n <= HighestNote; ++n)
            if (c.FindNote(n) >= 0) text += ShownNoteName(n, spelling) + " ";
        const auto names = Names(c);
        return text + "= " + (names.empty() ? "" : names.front());
    }
};

// Root position on C5 (51) + root, from the root's pitch class above C.
chord OnRoot(int aboveC, std::vector<int> intervals)
{
    chord c;
    for (int i : intervals) c.AddNote(51 + aboveC + i);
    return c;
}

TEST_F(ChordSpellingTest, TwelveRootsOfTheCommonKindsAreSpelledFromTheRootOneLetterPerDegree)
{
    struct Kind {
        std::vector<int> intervals;
        const char* suffix;
        // From C upward by semitones.
        std::vector<const char*> notes;
    };
    const Kind kinds[] = {
        {{0, 4, 7}, "", {"C E G", "Db F Ab", "D F# A", "Eb G Bb", "E G# B", "F A C", "F# A# C#", "G B D",
                         "Ab C Eb", "A C# E", "Bb D F", "B D# F#"}},
        {{0, 3, 7}, "m", {"C Eb G", "C# E G#", "D F A", "Eb Gb Bb", "E G B", "F Ab C", "F# A C#", "G Bb D",
                          "G# B D#", "A C E", "Bb Db F", "B D F#"}},
        {{0, 4, 7, 10}, "7", {"C E G Bb", "Db F Ab Cb", "D F# A C", "Eb G Bb Db", "E G# B D", "F A C Eb",
                              "F# A# C# E", "G B D F", "Ab C Eb Gb", "A C# E G", "Bb D F Ab", "B D# F# A"}},
        {{0, 4, 7, 11}, "maj7", {"C E G B", "Db F Ab C", "D F# A C#", "Eb G Bb D", "E G# B D#", "F A C E",
                                 "F# A# C# E#", "G B D F#", "Ab C Eb G", "A C# E G#", "Bb D F A", "B D# F# A#"}},
        {{0, 3, 7, 10}, "m7", {"C Eb G Bb", "C# E G# B", "D F A C", "Eb Gb Bb Db", "E G B D", "F Ab C Eb",
                               "F# A C# E", "G Bb D F", "G# B D# F#", "A C E G", "Bb Db F Ab", "B D F# A"}},
        // Ebb and Bbb are written A, as the keys show them.
        {{0, 3, 6}, "dim", {"C Eb Gb", "C# E G", "D F Ab", "Eb Gb A", "E G Bb", "F Ab Cb", "F# A C", "G Bb Db",
                            "G# B D", "A C Eb", "Bb Db Fb", "B D F"}},
        // F## and C## are written G and D.
        {{0, 4, 8}, "aug", {"C E G#", "Db F A", "D F# A#", "Eb G B", "E G# B#", "F A C#", "F# A# D", "G B D#",
                            "Ab C E", "A C# E#", "Bb D F#", "B D# G"}},
        {{0, 5, 7}, "sus4", {"C F G", "Db Gb Ab", "D G A", "Eb Ab Bb", "E A B", "F Bb C", "F# B C#", "G C D",
                             "Ab Db Eb", "A D E", "Bb Eb F", "B E F#"}},
    };
    for (const Kind& kind : kinds) {
        for (int aboveC = 0; aboveC < 12; ++aboveC) {
            const std::string notes = kind.notes[aboveC];
            const std::string root = notes.substr(0, notes.find(' '));
            EXPECT_EQ(Shown(OnRoot(aboveC, kind.intervals)), notes + " = " + root + kind.suffix)
                << "kind '" << kind.suffix << "' on " << aboveC << " semitones above C";
        }
    }
}

TEST_F(ChordSpellingTest, InversionsSeventhsAndNamesOverABassFollowTheChord)
{
    const struct {
        std::vector<NOTES> notes;
        const char* shown;
    } cases[] = {
        {{54, 59, 63}, "Eb Ab C = Ab"},  // second inversion
        {{52, 56, 59, 63}, "Db F Ab C = Dbmaj7"},
        {{51, 54, 57, 60}, "C Eb Gb A = Cdim7"},          // the sixth stands for the double flat
        {{53, 57, 60, 63, 68}, "D F# A C E# = D7#9"},  // the raised ninth, not the minor third
        {{51, 55, 58, 65}, "C E G D = Cadd9"},
        {{51, 55, 58, 61}, "C E G Bb = C7"},
        {{48, 52, 55, 59}, "A C# E G# = Amaj7"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shown(Chord(c.notes)), c.shown);

    // A record read from a file may carry any note number as its bass.
    CHORD_FIND_BUF buf{};
    StartChordNameSearch(OnRoot(0, {0, 4, 7}), buf);
    ChordNameParts parts;
    ASSERT_TRUE(NextChordName(buf, parts));
    for (NOTES far : {std::numeric_limits<NOTES>::min(), std::numeric_limits<NOTES>::max()}) {
        parts.bass = parts.added = far;
        EXPECT_EQ(ChordNameSpelling(parts).root, PitchClass(51)) << far;
    }
}

TEST_F(ChordSpellingTest, ANoteInNoNamedChordAndTheFourWrittenSettingsKeepTheirNames)
{
    // No context: the standard names.
    EXPECT_EQ(ShownNoteName(59), "G#");
    EXPECT_EQ(ShownNoteName(61), "Bb");
    // Stored names never follow the chord.
    char stored[chord::NoteNameSize];
    chord::GetNoteName(59, stored);
    EXPECT_STREQ(stored, "G#");
    // Under the written settings a context changes nothing.
    const chord ab = OnRoot(8, {0, 4, 7});
    const struct {
        int accidentals;
        const char* shown;
    } settings[] = {{0, "G# C D# = G#"}, {1, "Ab C Eb = Ab"}, {2, "G# C D# = G#"}, {3, "G# C Eb = G#"}};
    for (const auto& s : settings) {
        chord::Config_Accidentals = s.accidentals;
        EXPECT_EQ(Shown(ab), s.shown) << s.accidentals;
    }
    // Octaves of the letter: Cb and B# stay in the octave of B and C.
    chord::Config_Accidentals = ByChordAccidentals;
    EXPECT_EQ(ShownFullNoteName(63 + 8, ChordSpelling(OnRoot(8, {0, 4, 7}))), "Ab7");  // as Ab is stored
    EXPECT_EQ(ShownFullNoteName(50, ChordSpelling(OnRoot(1, {0, 4, 7, 10}))), "Cb5");
    EXPECT_EQ(ShownFullNoteName(51, ChordSpelling(OnRoot(4, {0, 4, 8}))), "B#5");
}

TEST_F(ChordSpellingTest, EveryKeyIsSpelledAsTheKeysListWritesIt)
{
    int keys = 0;
    for (const KeyNameTag* key = GetKey(0); key; key = key->next, ++keys) {
        const SpellingContext spelling = KeySpelling(*key);
        std::string shown, written;
        for (int i = 0; i < key->tokenCount; ++i) {
            const char* token = key->spelled[i];
            shown += ShownNoteName(key->pitches[token[0] - 'A'], spelling) + " ";
            written += std::string(1, token[0]) + (token[1] == '+' ? "#" : token[1] == '-' ? "b" : "") + " ";
        }
        EXPECT_EQ(shown, written) << key->name;
    }
    EXPECT_EQ(keys, 30);
}

TEST_F(ChordSpellingTest, KeysFoundOnEveryRootUseEachLetterOnce)
{
    // From C upward: the tonic as Find shows the major key and the key of
    // the minor flag.
    const char* majorTonics[] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    const char* minorTonics[] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "G#", "A", "Bb", "B"};
    for (int major = 0; major <= 1; ++major) {
        for (int aboveC = 0; aboveC < 12; ++aboveC) {
            const PitchSet key = PitchSet::FromWord(chord::GetKeyBits(51 + aboveC, major));
            const SpellingContext spelling = PitchSetSpelling(key.Root(), key.Classes());
            std::string letters;
            for (int pc = 0; pc < 12; ++pc)
                if (key.Has(pc)) letters += ShownNoteName(pc, spelling).substr(0, 1);
            std::sort(letters.begin(), letters.end());
            EXPECT_EQ(letters, "ABCDEFG") << aboveC << (major ? " major" : " minor");
            EXPECT_EQ(ShownNoteName(key.Root(), spelling), (major ? majorTonics : minorTonics)[aboveC]);
        }
    }
}

TEST_F(ChordSpellingTest, ScalesUseEachLetterOnceFromTheSimplerRoot)
{
    const struct {
        int aboveC;
        const char* scale;
        const char* shown;
    } cases[] = {
        {8, "Major", "Ab Bb C Db Eb F G"},
        {6, "Major", "F# G# A# B C# D# E#"},  // as simple as Gb: the standard name decides
        {1, "Natural Minor", "C# D# E F# G# A B"},
        {3, "Harmonic Minor", "Eb F Gb Ab Bb Cb D"},
        {2, "Dorian", "D E F G A B C"},
        {11, "Locrian", "B C D E F G A"},
        {0, "Blues", "C Eb F Gb G Bb"},
    };
    for (const auto& c : cases) {
        const ScaleNameTag* scale = GetScale(FindScale(c.scale));
        ASSERT_NE(scale, nullptr) << c.scale;
        const SpellingContext spelling = ScaleSpelling(51 + c.aboveC, *scale);
        std::string shown;
        for (int i = 0, above = 0; i < scale->count; above += scale->steps[i++])
            shown += (shown.empty() ? "" : " ") + ShownNoteName(51 + c.aboveC + above, spelling);
        EXPECT_EQ(shown, c.shown) << c.scale;
    }
    // Found scales are named on the root so spelled.
    CHORD_FIND_BUF buf;
    char found[chord::ScaleFindSize];
    ASSERT_TRUE(Chord({59}).FindFirstScale(found, buf));
    EXPECT_STREQ(found, "Ab Major");
}

}  // namespace
