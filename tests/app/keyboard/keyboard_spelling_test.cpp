// Key labels spelled by the chord they belong to.
#include <gtest/gtest.h>

#include <QImage>

#include "app/keyboard/keyboard_fixture.h"
#include "app/tool_tip_at.h"
#include "core/services/profile.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_lists.h"

namespace {

TEST_F(KeyboardTest, KeyLabelsFollowTheChordTheyBelongTo)
{
    scratch.Write("cantrel.ini", "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"7\",\"Dominant Seventh\", 1 3 5? 7b\n");
    ForgetProfiles();
    ASSERT_TRUE(InitializeChordList());
    const auto drawn = [&](int accidentals) {
        chord::Config_Accidentals = accidentals;
        return keyboard->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    constexpr int Sharps = 0, Flats = 1, Standard = 3;
    const struct {
        std::initializer_list<NOTES> notes;
        int sameAs;        // the setting that writes this chord as a musician does
        int unlike;        // one that does not
    } cases[] = {
        {{59, 63, 66}, Flats, Standard},  // Ab C Eb, not G# C Eb
        {{62, 66, 69}, Sharps, Standard},  // B D# F#, not B Eb F#
        {{54, 58, 61, 64}, Flats, Sharps},  // Eb G Bb Db, not D# G A# C#
    };
    // The note under the pointer is named as its label is.
    const auto pointedAt = [&](int accidentals, NOTES n) {
        chord::Config_Accidentals = accidentals;
        const KeyboardLayout::Geometry keys = keyboard->Geometry();
        return ToolTipAt(keyboard, QPoint(keys.KeyCentre(n), keys.KeyAreaHeight() / 3));
    };
    for (const auto& c : cases) {
        SetNotes(c.notes);
        const QImage byChord = drawn(ByChordAccidentals);
        EXPECT_EQ(byChord, drawn(c.sameAs));
        EXPECT_NE(byChord, drawn(c.unlike));
        for (NOTES n : c.notes) EXPECT_EQ(pointedAt(ByChordAccidentals, n), pointedAt(c.sameAs, n)) << n;
    }
    chord::Config_Accidentals = Standard;
    ReleaseChordList();
}

}  // namespace
