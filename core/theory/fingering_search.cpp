// The search behind FindRankedFingerings: string by string from the last slot
// to string 0, every choice of silent, open or a fret that sounds one of the
// chord's pitch classes, cutting a branch as soon as it breaks the span, needs
// a fifth finger, can no longer sound every pitch class or can no longer put
// the bass lowest. The two strings of a course (neighbours tuned to the same
// pitch class, as on a 12-string guitar or a mandolin) are fretted alike: one
// fingertip presses both. What survives is judged by the ranking rules.
#include <algorithm>
#include <bit>
#include <vector>

#include "core/theory/finger_placement.h"
#include "core/theory/fingering_playability.h"
#include "core/theory/pitch_set.h"
#include "core/theory/ranked_fingerings.h"

namespace {

// A fingering the search met, judged; only the ones kept get their fingers
// placed and become a Fingering.
struct Candidate {
    std::array<int, chord::Slots> frets;
    int fingers;
    int cost;
};

// A fret of one string that sounds a pitch class of the chord.
struct FretChoice {
    int fret;
    int pitchClass;
};

class FingeringSearch {
public:
    FingeringSearch(const FingeringRequest& request, std::vector<Candidate>& found)
        : request_(request),
          found_(found),
          strings_(static_cast<int>(request.openStrings.size())),
          open_(request.openStrings)
    {
        root_ = request.root != NoPitchClass ? request.root : request.bass;
        for (int s = 0; s < strings_; ++s) {
            for (int fret = request.capo + 1; fret <= request.frets; ++fret)
                if (Wanted(PitchClass(open_[s] + fret)))
                    fretChoices_[s][choiceCount_[s]++] = {fret, PitchClass(open_[s] + fret)};
            atCapoPc_[s] = PitchClass(open_[s] + request.capo);
            courseWithNext_[s] = s + 1 < strings_ && PitchClass(open_[s]) == PitchClass(open_[s + 1]);
            // The lowest note strings 0..s can still sound.
            lowestFrom_[s] = open_[s] + request.capo;
            if (s > 0) lowestFrom_[s] = std::min(lowestFrom_[s], lowestFrom_[s - 1]);
        }
        missing_ = std::popcount(request.pitchClasses);
        played_ = StringsOf(open_.data(), strings_, request.capo);
        frets_.fill(NotPlayedFret);
    }

    void Run() { Visit(strings_ - 1); }

private:
    bool Wanted(int pitchClass) const { return (request_.pitchClasses >> pitchClass) & 1u; }

    // Strings 0..slot are still to choose.
    void Visit(int slot)
    {
        if (missing_ > slot + 1) return;
        if (request_.bass != NoPitchClass && lowest_ != NoNote && lowestPc_ != request_.bass &&
            (slot < 0 || lowest_ < lowestFrom_[slot]))
            return;  // a wrong bass that no string left can go below
        if (slot < 0) {
            Judge();
            return;
        }
        if (courseWithNext_[slot]) {
            Follow(slot, frets_[slot + 1]);
            return;
        }
        Visit(slot - 1);  // silent
        if (Wanted(atCapoPc_[slot])) Sound(slot, request_.capo, atCapoPc_[slot]);
        // The choices rise with the fret: past the span above the lowest
        // fretted note none is left.
        for (int c = 0; c < choiceCount_[slot]; ++c) {
            const FretChoice& choice = fretChoices_[slot][c];
            if (frettedHighest_ >= 0) {
                if (choice.fret - frettedLowest_ >= request_.span) break;
                if (frettedHighest_ - choice.fret >= request_.span) continue;
            }
            Fret(slot, choice.fret, choice.pitchClass);
        }
    }

    // The string sounds as its course partner does.
    void Follow(int slot, int fret)
    {
        // Partners are tuned to one pitch class, an octave apart or in unison.
        const int pitchClass = fret == NotPlayedFret ? NoPitchClass : PitchClass(open_[slot] + fret);
        if (fret == NotPlayedFret)
            Visit(slot - 1);
        else if (fret == request_.capo)
            Sound(slot, fret, pitchClass);
        else
            Fret(slot, fret, pitchClass);
    }

    void Sound(int slot, int fret, int pc)
    {
        const NOTES note = open_[slot] + fret;
        const NOTES lowestBefore = lowest_;
        const int lowestPcBefore = lowestPc_;
        if (soundingPerPitchClass_[pc]++ == 0) --missing_;
        if (lowest_ == NoNote || note < lowest_) {
            lowest_ = note;
            lowestPc_ = pc;
        }
        frets_[slot] = fret;
        Visit(slot - 1);
        frets_[slot] = NotPlayedFret;
        if (--soundingPerPitchClass_[pc] == 0) ++missing_;
        lowest_ = lowestBefore;
        lowestPc_ = lowestPcBefore;
    }

    void Fret(int slot, int fret, int pc)
    {
        // A finger may press the neighbouring string at the same fret too.
        const bool newFinger = !(slot + 1 < strings_ && frets_[slot + 1] == fret);
        const int lowestBefore = frettedLowest_, highestBefore = frettedHighest_;
        if (frettedHighest_ < 0) {
            frettedLowest_ = frettedHighest_ = fret;
        } else {
            frettedLowest_ = std::min(frettedLowest_, fret);
            frettedHighest_ = std::max(frettedHighest_, fret);
        }
        if (newFinger) {
            ++groupsAtFret_[fret];
            ++groups_;
        }
        // At least: one finger (or barre) on the lowest fret, one for each
        // other group of neighbouring strings at one fret.
        if (groups_ - groupsAtFret_[frettedLowest_] + 1 <= MaxFretFingers) Sound(slot, fret, pc);
        if (newFinger) {
            --groupsAtFret_[fret];
            --groups_;
        }
        frettedLowest_ = lowestBefore;
        frettedHighest_ = highestBefore;
    }

    void Judge()
    {
        const Playability playability = JudgePlayability(frets_.data(), played_, request_.bass != NoPitchClass, root_);
        if (playability.fingers > MaxFretFingers) return;
        found_.push_back({frets_, playability.fingers, playability.cost});
    }

    const FingeringRequest& request_;
    std::vector<Candidate>& found_;
    const int strings_;
    const std::vector<NOTES>& open_;
    int root_ = NoPitchClass;
    FretChoice fretChoices_[chord::Slots][MaxNeckFrets];
    int choiceCount_[chord::Slots] = {};
    NOTES lowestFrom_[chord::Slots] = {};
    bool courseWithNext_[chord::Slots] = {};
    PlayedStrings played_;
    int atCapoPc_[chord::Slots] = {};

    std::array<int, chord::Slots> frets_;
    int soundingPerPitchClass_[12] = {};
    int missing_;  // pitch classes of the chord not sounding yet
    NOTES lowest_ = NoNote;
    int lowestPc_ = NoPitchClass;
    int frettedLowest_ = 0, frettedHighest_ = -1;
    int groupsAtFret_[MaxNeckFrets + 1] = {};
    int groups_ = 0;
};

bool Searchable(const FingeringRequest& r)
{
    const auto strings = r.openStrings.size();
    const bool bassSounds = r.bass == NoPitchClass || (r.bass >= 0 && r.bass < 12 && ((r.pitchClasses >> r.bass) & 1u));
    const bool rootValid = r.root == NoPitchClass || (r.root >= 0 && r.root < 12);
    return r.pitchClasses != 0 && (r.pitchClasses & ~AllPitchClasses) == 0 && bassSounds && rootValid && strings > 0 &&
           strings <= static_cast<std::size_t>(chord::Slots) && r.frets >= 0 && r.frets <= MaxNeckFrets &&
           r.capo >= 0 && r.capo <= r.frets && r.span >= 1 &&
           std::none_of(r.openStrings.begin(), r.openStrings.end(), [](NOTES n) { return n == NoNote; });
}

// The places of the found fingerings, best first: by cost, equals in the
// order the search met them (silent before open before fretted, lower frets
// first, from the last string slot on), so the order never depends on a
// sorting algorithm. Costs are small whole numbers, so they are counted out.
std::vector<std::size_t> BestFirst(const std::vector<Candidate>& found)
{
    if (found.empty()) return {};
    const auto [cheapest, dearest] = std::minmax_element(
        found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    const int lowest = cheapest->cost;
    // start[c]: the first place of cost lowest + c.
    std::vector<std::size_t> start(static_cast<std::size_t>(dearest->cost - lowest) + 2, 0);
    for (const Candidate& candidate : found) ++start[static_cast<std::size_t>(candidate.cost - lowest) + 1];
    for (std::size_t c = 1; c < start.size(); ++c) start[c] += start[c - 1];
    std::vector<std::size_t> order(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) order[start[static_cast<std::size_t>(found[i].cost - lowest)]++] = i;
    return order;
}

}  // namespace

std::vector<Fingering> FindRankedFingerings(const FingeringRequest& request, std::size_t count)
{
    std::vector<Fingering> best;
    if (!Searchable(request) || count == 0) return best;
    std::vector<Candidate> found;
    FingeringSearch(request, found).Run();
    const std::vector<std::size_t> order = BestFirst(found);
    const std::size_t kept = std::min(count, order.size());
    best.reserve(kept);
    const int strings = static_cast<int>(request.openStrings.size());
    for (std::size_t i = 0; i < kept; ++i) {
        const Candidate& candidate = found[order[i]];
        best.push_back({candidate.frets, strings, candidate.fingers, candidate.cost,
                        PlaceFingers(candidate.frets, request.openStrings, request.capo)});
    }
    return best;
}
