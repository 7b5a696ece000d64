// String labels spelled by the chord the strings play.
#include <gtest/gtest.h>

#include <QImage>

#include "app/guitar/guitar_fixture.h"
#include "core/services/profile.h"
#include "core/theory/chord_spelling.h"

namespace {

TEST_F(GuitarTest, StringLabelsFollowTheChordTheStringsPlay)
{
    scratch.Write("cantrel.ini", std::string(GuitarTunings) + "[Chords]\n1=\"\",\"Major\", 1 3 5\n");
    ForgetProfiles();
    ASSERT_TRUE(InitializeChordList());
    guitar->BoardFlags |= BoardFlag::ShowNotes;
    const auto drawn = [&](int accidentals) {
        chord::Config_Accidentals = accidentals;
        return guitar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    constexpr int Sharps = 0, Flats = 1, Standard = 3;
    const struct {
        NOTES strings[6];  // slot 0 (high E) first
        int sameAs;        // the setting that writes this chord as a musician does
        int unlike;        // one that does not
    } cases[] = {
        {{71, 66, 63, 59, 54, 47}, Flats, Standard},   // Ab barre, 4 6 6 5 4 4: Ab C Eb, not G# C Eb
        {{69, 66, 62, 57, 50, NoNote}, Sharps, Standard},  // B, x 2 4 4 4 2: B D# F#, not B Eb F#
    };
    for (const auto& c : cases) {
        for (int s = 0; s < 6; ++s) guitar->Chord.notes[s] = c.strings[s];
        const QImage byChord = drawn(ByChordAccidentals);
        EXPECT_EQ(byChord, drawn(c.sameAs));
        EXPECT_NE(byChord, drawn(c.unlike));
    }
    chord::Config_Accidentals = Standard;
    ReleaseChordList();
}

}  // namespace
