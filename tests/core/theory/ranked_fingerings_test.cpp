// The fingering search: the shapes teachers show come first, and whatever it
// lists sounds exactly the chord, on every tuning of the default list.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/theory/ranked_fingerings.h"
#include "definition_fixture.h"

namespace {

// Pitch classes counted from A.
enum Pc { A, Bb, B, C, Db, D, Eb, E, F, Gb, G, Ab };

// Open notes in slot order (slot 0 is the last string written).
const std::vector<NOTES> Guitar = {67, 62, 58, 53, 48, 43};  // E2 A2 D3 G3 B3 E4
const std::vector<NOTES> Ukulele = {72, 67, 63, 70};         // G4 C4 E4 A4, re-entrant
// Courses E3 E2, A3 A2, D4 D3, G4 G3, B3 B3, E4 E4: both strings of a course fretted alike.
const std::vector<NOTES> TwelveString = {67, 67, 62, 62, 58, 70, 53, 65, 48, 60, 43, 55};

FingeringRequest Request(const std::vector<NOTES>& tuning, std::initializer_list<int> pcs, int bass)
{
    FingeringRequest request;
    for (int pc : pcs) request.pitchClasses |= static_cast<std::uint16_t>(1u << pc);
    request.bass = bass;
    request.root = pcs.size() ? *pcs.begin() : NoPitchClass;
    request.openStrings = tuning;
    return request;
}

std::string First(const FingeringRequest& request)
{
    const auto found = FindRankedFingerings(request, 1);
    return found.empty() ? "(none)" : FingeringText(found.front());
}

struct TeacherShape {
    const char* chord;
    std::vector<NOTES> tuning;
    std::initializer_list<int> pcs;  // root first
    bool anyBass;
    std::set<std::string> shapes;  // what teachers show (F: the full barre or the small one)
};

}  // namespace

TEST(RankedFingerings, TheFirstIsTheShapeTeachersShow)
{
    const TeacherShape table[] = {
        {"C", Guitar, {C, E, G}, false, {"x 3 2 0 1 0"}},
        {"G", Guitar, {G, B, D}, false, {"3 2 0 0 0 3"}},
        {"D", Guitar, {D, Gb, A}, false, {"x x 0 2 3 2"}},
        {"A", Guitar, {A, Db, E}, false, {"x 0 2 2 2 0"}},
        {"E", Guitar, {E, Ab, B}, false, {"0 2 2 1 0 0"}},
        {"Am", Guitar, {A, C, E}, false, {"x 0 2 2 1 0"}},
        {"Em", Guitar, {E, G, B}, false, {"0 2 2 0 0 0"}},
        {"Dm", Guitar, {D, F, A}, false, {"x x 0 2 3 1"}},
        {"E7", Guitar, {E, Ab, B, D}, false, {"0 2 0 1 0 0"}},
        {"A7", Guitar, {A, Db, E, G}, false, {"x 0 2 0 2 0"}},
        {"D7", Guitar, {D, Gb, A, C}, false, {"x x 0 2 1 2"}},
        {"G7", Guitar, {G, B, D, F}, false, {"3 2 0 0 0 1"}},
        {"Cmaj7", Guitar, {C, E, G, B}, false, {"x 3 2 0 0 0"}},
        {"Am7", Guitar, {A, C, E, G}, false, {"x 0 2 0 1 0"}},
        {"F", Guitar, {F, A, C}, false, {"1 3 3 2 1 1", "x x 3 2 1 1"}},
        {"Bm", Guitar, {B, D, Gb}, false, {"x 2 4 4 3 2"}},
        {"12-string C", TwelveString, {C, E, G}, false, {"x x 3 3 2 2 0 0 1 1 0 0"}},
        {"12-string C9", TwelveString, {C, E, G, Bb, D}, false, {"x x 3 3 2 2 3 3 3 3 3 3"}},
        {"ukulele C", Ukulele, {C, E, G}, true, {"0 0 0 3"}},
        {"ukulele G", Ukulele, {G, B, D}, true, {"0 2 3 2"}},
        {"ukulele F", Ukulele, {F, A, C}, true, {"2 0 1 0"}},
        {"ukulele Am", Ukulele, {A, C, E}, true, {"2 0 0 0"}},
    };
    for (const TeacherShape& row : table) {
        const std::string first = First(Request(row.tuning, row.pcs, row.anyBass ? NoPitchClass : *row.pcs.begin()));
        EXPECT_TRUE(row.shapes.count(first)) << row.chord << " starts with " << first;
    }

    // A capo moves the shapes: strings at the capo are open, so D with the
    // capo at 2 is the C shape.
    FingeringRequest capo = Request(Guitar, {D, Gb, A}, D);
    capo.capo = 2;
    EXPECT_EQ(First(capo), "x 5 4 2 3 2");
}

TEST(RankedFingerings, RequestsThatCannotBeMetFindNothing)
{
    FingeringRequest bassOutside = Request(Guitar, {C, E, G}, D);
    FingeringRequest capoAboveNeck = Request(Guitar, {C, E, G}, C);
    capoAboveNeck.capo = 13;
    FingeringRequest tooManyStrings = Request(std::vector<NOTES>(13, 43), {C, E, G}, C);
    FingeringRequest silentString = Request({67, NoNote, 58}, {C, E, G}, C);
    FingeringRequest noPitchClasses = Request(Guitar, {}, NoPitchClass);
    // Five pitch classes on four strings.
    FingeringRequest tooManyNotes = Request(Ukulele, {C, E, G, Bb, D}, NoPitchClass);
    for (const FingeringRequest* r :
         {&bassOutside, &capoAboveNeck, &tooManyStrings, &silentString, &noPitchClasses, &tooManyNotes})
        EXPECT_TRUE(FindRankedFingerings(*r).empty()) << FingeringText(FindRankedFingerings(*r).front());
}

TEST(RankedFingerings, TheGuitarsChordAndTuningInAndOut)
{
    chord tuning;
    std::copy(Guitar.begin(), Guitar.end(), tuning.notes);
    chord wanted;
    for (NOTES n : {63, 67, 70}) wanted.AddNote(n);  // C E G from C4
    const auto fingerings = RankedFingeringsFor(wanted, tuning, 13, 0, DefaultHandSpan, false, 3);
    ASSERT_EQ(fingerings.size(), 3u);
    EXPECT_EQ(FingeringText(fingerings[0]), "x 3 2 0 1 0");

    // A chord found by Find: Am7 as its pitch-set word, root A in the low bits.
    const unsigned am7 = A | (1u << (4 + A) | 1u << (4 + C) | 1u << (4 + E) | 1u << (4 + G));
    EXPECT_EQ(FingeringText(RankedFingeringsForPitchSet(PitchSet::FromWord(am7), tuning, 13, 0).front()),
              "x 0 2 0 1 0");

    chord played;
    played.program = 25;
    PlayFingering(fingerings[0], tuning, played);
    EXPECT_EQ(std::vector<NOTES>(played.notes, played.notes + chord::Slots),
              (std::vector<NOTES>{67, 63, 58, 55, 51, NoNote, NoNote, NoNote, NoNote, NoNote, NoNote, NoNote}));
    EXPECT_EQ(played.program, 25) << "only the notes change";
}

namespace {

class RandomChordsOnEveryTuning : public DefinitionTest {};

struct Sounding {
    unsigned pitchClasses = 0;
    NOTES lowest = NoNote;
    int frettedLowest = 1000, frettedHighest = -1, fretted = 0;
};

Sounding Sound(const std::array<int, chord::Slots>& frets, const FingeringRequest& r)
{
    Sounding s;
    for (std::size_t i = 0; i < r.openStrings.size(); ++i) {
        if (frets[i] == NotPlayedFret) continue;
        const NOTES n = r.openStrings[i] + frets[i];
        s.pitchClasses |= 1u << PitchClass(n);
        if (s.lowest == NoNote || n < s.lowest) s.lowest = n;
        if (frets[i] > r.capo) {
            ++s.fretted;
            s.frettedLowest = std::min(s.frettedLowest, frets[i]);
            s.frettedHighest = std::max(s.frettedHighest, frets[i]);
        }
    }
    return s;
}

// What every listed fingering must be.
bool Meets(const std::array<int, chord::Slots>& frets, const FingeringRequest& r)
{
    for (std::size_t i = 0; i < r.openStrings.size(); ++i)
        if (frets[i] != NotPlayedFret && (frets[i] < r.capo || frets[i] > r.frets)) return false;
    const Sounding s = Sound(frets, r);
    return s.pitchClasses == r.pitchClasses && (r.bass == NoPitchClass || PitchClass(s.lowest) == r.bass) &&
           (s.fretted == 0 || s.frettedHighest - s.frettedLowest < r.span);
}

// Every fingering of up to five strings that meets the request, by trying all.
std::set<std::array<int, chord::Slots>> AllByTrying(const FingeringRequest& r)
{
    std::set<std::array<int, chord::Slots>> all;
    std::array<int, chord::Slots> frets;
    frets.fill(NotPlayedFret);
    const int strings = static_cast<int>(r.openStrings.size());
    const auto next = [&](auto&& self, int s) -> void {
        if (s == strings) {
            if (Meets(frets, r)) all.insert(frets);
            return;
        }
        for (int f = NotPlayedFret; f <= r.frets; ++f) {
            if (f != NotPlayedFret && f < r.capo) continue;
            frets[s] = f;
            self(self, s + 1);
        }
        frets[s] = NotPlayedFret;
    };
    next(next, 0);
    return all;
}

}  // namespace

TEST_F(RandomChordsOnEveryTuning, EveryFingeringSoundsExactlyTheChordWithTheBassLowest)
{
    ForgetProfiles();
    UseINIFileName((std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini").c_str());
    ASSERT_TRUE(InitializeTuningList());
    ASSERT_GT(CountTunings(), 0);
    std::mt19937 random(17);
    int listed = 0, triedInFull = 0;
    for (int t = 0; t < CountTunings(); ++t) {
        const TuningNameTag* tuning = GetTuning(t);
        for (int round = 0; round < 40; ++round) {
            FingeringRequest r;
            r.openStrings.assign(tuning->strings, tuning->strings + tuning->count);
            const int notes = 1 + static_cast<int>(random() % std::min(6, tuning->count));
            while (std::popcount(r.pitchClasses) < notes)
                r.pitchClasses |= static_cast<std::uint16_t>(1u << random() % 12);
            std::vector<int> pcs;
            for (int pc = 0; pc < 12; ++pc)
                if (r.pitchClasses >> pc & 1u) pcs.push_back(pc);
            r.root = pcs[random() % pcs.size()];
            r.bass = random() % 4 == 0 ? NoPitchClass : r.root;
            // The first rounds are also tried in full, on a short neck.
            const bool tryInFull = round < 5 && tuning->count <= 5;
            r.frets = tryInFull ? 10 : 10 + static_cast<int>(random() % 8);
            r.capo = static_cast<int>(random() % 4);
            r.span = 3 + static_cast<int>(random() % 3);

            const auto found = FindRankedFingerings(r);
            std::set<std::array<int, chord::Slots>> distinct;
            for (std::size_t i = 0; i < found.size(); ++i) {
                const Fingering& f = found[i];
                ASSERT_EQ(f.strings, tuning->count);
                ASSERT_TRUE(Meets(f.frets, r)) << tuning->name << ": " << FingeringText(f);
                ASSERT_LE(f.fingers, MaxFretFingers);
                ASSERT_TRUE(i == 0 || found[i - 1].cost <= f.cost) << "best first";
                distinct.insert(f.frets);
            }
            ASSERT_EQ(distinct.size(), found.size()) << "each fingering once";
            listed += static_cast<int>(found.size());

            // Nothing playable is missed: with at most four fretted strings a
            // fingering never needs a fifth finger, so trying every fret of
            // instruments up to five strings must find just these and the ones
            // with five fretted strings.
            if (!tryInFull) continue;
            ++triedInFull;
            for (const auto& frets : AllByTrying(r)) {
                if (Sound(frets, r).fretted <= MaxFretFingers) {
                    ASSERT_TRUE(distinct.count(frets)) << tuning->name << " misses a fingering";
                }
            }
        }
    }
    EXPECT_GT(listed, 1000) << "the check saw real fingerings";
    EXPECT_GT(triedInFull, 0);
}
