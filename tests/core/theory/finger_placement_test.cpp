// The fingers the fingering search gives each shape, against the fingers the
// common chord charts print for the open and barre shapes every guitar method
// teaches (C, A, G, E, D shapes in first position, the E- and A-shape barres).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/theory/ranked_fingerings.h"
#include "definition_fixture.h"
#include "support/listed_fingering.h"

namespace {

const std::vector<NOTES> Guitar = {67, 62, 58, 53, 48, 43};  // E2 A2 D3 G3 B3 E4 in slots 5..0
const std::vector<NOTES> TwelveString = {67, 67, 62, 62, 58, 70, 53, 65, 48, 60, 43, 55};

// As a chord chart prints them, bass string first: "x 3 2 x 1 x", x for no finger.
std::string FingersText(const Fingering& f)
{
    std::string text;
    for (int s = f.strings - 1; s >= 0; --s)
        text += (text.empty() ? "" : " ") +
                (f.hand.finger[s] == NoFinger ? std::string("x") : std::to_string(f.hand.finger[s]));
    return text;
}

// "finger@fret strings": strings numbered as guitarists do, 1 the thinnest.
std::string BarresText(const Fingering& f)
{
    std::string text;
    for (const FingerBarre& b : f.hand.barres)
        text += (text.empty() ? "" : ", ") + std::to_string(b.finger) + "@" + std::to_string(b.fret) + " " +
                std::to_string(b.from + 1) + "-" + std::to_string(b.to + 1);
    return text;
}

}  // namespace

TEST(FingerPlacement, TheFingersChordChartsPrint)
{
    struct Shape {
        const char* chord;
        const std::vector<NOTES>& tuning;
        const char* frets;
        int capo;
        const char* fingers;
        const char* barres;
    };
    const Shape table[] = {
        {"C", Guitar, "x 3 2 0 1 0", 0, "x 3 2 x 1 x", ""},
        {"G", Guitar, "3 2 0 0 0 3", 0, "3 2 x x x 4", ""},
        {"D", Guitar, "x x 0 2 3 2", 0, "x x x 1 3 2", ""},
        {"A", Guitar, "x 0 2 2 2 0", 0, "x x 1 2 3 x", ""},
        {"E", Guitar, "0 2 2 1 0 0", 0, "x 2 3 1 x x", ""},
        {"Am", Guitar, "x 0 2 2 1 0", 0, "x x 2 3 1 x", ""},
        {"Em", Guitar, "0 2 2 0 0 0", 0, "x 2 3 x x x", ""},
        {"Dm", Guitar, "x x 0 2 3 1", 0, "x x x 2 3 1", ""},
        {"Cmaj7", Guitar, "x 3 2 0 0 0", 0, "x 3 2 x x x", ""},
        {"C7", Guitar, "x 3 2 3 1 0", 0, "x 3 2 4 1 x", ""},
        {"F", Guitar, "1 3 3 2 1 1", 0, "1 3 4 2 1 1", "1@1 6-1"},
        {"small F", Guitar, "x x 3 2 1 1", 0, "x x 3 2 1 1", "1@1 2-1"},
        {"Bm", Guitar, "x 2 4 4 3 2", 0, "x 1 3 4 2 1", "1@2 5-1"},
        {"A at the 5th fret", Guitar, "5 7 7 6 5 5", 0, "1 3 4 2 1 1", "1@5 6-1"},
        {"D at the 5th fret", Guitar, "x 5 7 7 7 5", 0, "x 1 2 3 4 1", "1@5 5-1"},
        // With the capo at 2 the C shape plays D, fingered as C.
        {"D, capo 2", Guitar, "x 5 4 2 3 2", 2, "x 3 2 x 1 x", ""},
        // A course is one fingertip, never a barre.
        {"12-string C", TwelveString, "x x 3 3 2 2 0 0 1 1 0 0", 0, "x x 3 3 2 2 x x 1 1 x x", ""},
    };
    for (const Shape& row : table) {
        SCOPED_TRACE(row.chord);
        const Fingering f = ListedFingering(row.tuning, row.frets, row.capo);
        EXPECT_EQ(FingersText(f), row.fingers);
        EXPECT_EQ(BarresText(f), row.barres);
    }
}

namespace {
class FingerPlacementOnEveryTuning : public DefinitionTest {};
}  // namespace

TEST_F(FingerPlacementOnEveryTuning, EveryListedFingeringIsPlayedByOneHand)
{
    ForgetProfiles();
    UseINIFileName((std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini").c_str());
    ASSERT_TRUE(InitializeTuningList());
    int checked = 0;
    for (int t = 0; t < CountTunings(); ++t) {
        const TuningNameTag* tuning = GetTuning(t);
        for (int root = 0; root < 12; ++root)
            for (unsigned shape : {0x91u, 0x89u, 0x491u}) {  // major, minor, seventh on A
                FingeringRequest r;
                r.openStrings.assign(tuning->strings, tuning->strings + tuning->count);
                r.pitchClasses = static_cast<std::uint16_t>(((shape << root) | (shape >> (12 - root))) & 0xFFF);
                r.bass = r.root = root;
                for (const Fingering& f : FindRankedFingerings(r, 8)) {
                    SCOPED_TRACE(std::string(tuning->name) + ": " + FingeringText(f));
                    ++checked;
                    // Each fretted string a finger, open and silent ones none;
                    // a higher fret never a lower finger.
                    for (int s = 0; s < f.strings; ++s) {
                        ASSERT_EQ(f.hand.finger[s] != NoFinger, f.frets[s] > r.capo);
                        ASSERT_LE(f.hand.finger[s], MaxFretFingers);
                        for (int o = 0; o < f.strings; ++o) {
                            if (f.frets[o] > f.frets[s] && f.frets[s] > r.capo) {
                                ASSERT_GT(f.hand.finger[o], f.hand.finger[s]);
                            }
                        }
                    }
                    // A barre lies on fretted strings, at or below their frets.
                    for (const FingerBarre& b : f.hand.barres)
                        for (int s = b.to; s <= b.from; ++s) ASSERT_GE(f.frets[s], b.fret);
                }
            }
    }
    EXPECT_GT(checked, 500);
}
