// Numbering the fingers of a fingering the way chord books do. Fingers never
// cross: a higher fret takes a higher finger, and at one fret the string
// nearer the bass takes the lower one. The index lies flat at the lowest fret
// when the hand needs it there: more notes than fingers (the F and Bm
// barres), or neighbouring thin strings at the lowest fret below fingers
// further up (x x 3 2 1 1). Where fingers suffice, each note has its own
// (D is x x 0 1 3 2, not a barre under the 3).
#include "core/theory/finger_placement.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <optional>

#include "core/theory/ranked_fingerings.h"

namespace {

// With every fretted note within this many frets above the capo the hand
// sits in first position: a finger per fret from the nut (Cmaj7 x 3 2 0 0 0
// keeps the C shape's 3 and 2).
constexpr int FirstPositionFrets = 4;

// One finger's work: one string (with its course partners) or several laid
// flat at one fret, across slots from >= to.
struct Stop {
    int fret;
    int from;
    int to;
    int notes;  // strings of their own under it, course partners not counted
    int finger = NoFinger;
};

class Hand {
public:
    Hand(const std::array<int, chord::Slots>& frets, const std::vector<NOTES>& open, int capo)
        : frets_(frets), open_(open), strings_(static_cast<int>(std::min<std::size_t>(open.size(), chord::Slots))),
          capo_(capo)
    {
    }

    FingerPlacement Place()
    {
        FingerPlacement placement;
        std::vector<Stop> single = Singles();
        if (single.empty()) return placement;
        std::vector<Stop> stops;
        const int lowest = single.front().fret;
        if (auto barre = LowBarre(single)) {
            stops.push_back(*barre);
            std::erase_if(single, [&](const Stop& s) { return s.fret == lowest; });
        }
        const int fingersLeft = MaxFretFingers - static_cast<int>(stops.size());
        const std::vector<Stop> rest =
            static_cast<int>(single.size()) <= fingersLeft ? single : Presses(single);
        stops.insert(stops.end(), rest.begin(), rest.end());
        std::sort(stops.begin(), stops.end(),
                  [](const Stop& a, const Stop& b) { return a.fret != b.fret ? a.fret < b.fret : a.from > b.from; });
        Number(stops, lowest);
        for (const Stop& stop : stops) {
            for (int s = stop.to; s <= stop.from; ++s)
                if (frets_[s] == stop.fret) placement.finger[s] = stop.finger;
            if (stop.notes > 1) placement.barres.push_back({stop.finger, stop.fret, stop.from, stop.to});
        }
        return placement;
    }

private:
    bool Fretted(int s) const { return frets_[s] > capo_; }
    // Slot s sounds with its bass-side neighbour as one course, under one fingertip.
    bool Partner(int s) const
    {
        return s + 1 < strings_ && PitchClass(open_[s]) == PitchClass(open_[s + 1]) && frets_[s] == frets_[s + 1];
    }

    // Every fretted string with its own fingertip, by fret, bass side first.
    std::vector<Stop> Singles() const
    {
        std::vector<Stop> stops;
        for (int s = strings_ - 1; s >= 0; --s) {
            if (!Fretted(s) || Partner(s)) continue;
            int to = s;
            while (to > 0 && Partner(to - 1)) --to;
            stops.push_back({frets_[s], s, to, 1});
        }
        std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.fret < b.fret; });
        return stops;
    }

    // The index laid across the lowest fret, when the hand wants it there.
    std::optional<Stop> LowBarre(const std::vector<Stop>& single) const
    {
        const int lowest = single.front().fret;
        int from = -1, to = strings_, notes = 0;
        for (const Stop& stop : single)
            if (stop.fret == lowest) {
                from = std::max(from, stop.from);
                to = std::min(to, stop.to);
                ++notes;
            }
        if (notes < 2) return std::nullopt;
        bool higherUnder = false;
        for (int s = to; s <= from; ++s) {
            if (!Fretted(s)) return std::nullopt;  // an open string would be stopped, a silent one sound
            higherUnder |= frets_[s] > lowest;
        }
        int thinnest = 0;
        while (thinnest < strings_ && frets_[thinnest] < 0) ++thinnest;
        const bool tooMany = static_cast<int>(single.size()) > MaxFretFingers;
        const bool smallBarre = !higherUnder && to == thinnest && static_cast<int>(single.size()) > notes;
        if (!tooMany && !smallBarre) return std::nullopt;
        return Stop{lowest, from, to, notes};
    }

    // Neighbouring strings at one fret under one finger each, as the search
    // counts them when fingers run short.
    std::vector<Stop> Presses(const std::vector<Stop>& single) const
    {
        std::vector<Stop> bySlot = single;
        std::sort(bySlot.begin(), bySlot.end(), [](const Stop& a, const Stop& b) { return a.from > b.from; });
        std::vector<Stop> presses;
        for (const Stop& stop : bySlot) {
            Stop* last = presses.empty() ? nullptr : &presses.back();
            if (last && last->fret == stop.fret && last->to == stop.from + 1) {
                last->to = stop.to;
                ++last->notes;
            } else {
                presses.push_back(stop);
            }
        }
        return presses;
    }

    // Rising finger numbers, each as near its fret's own finger as it can be;
    // between equals the higher fingers, which leave the index free (Em as
    // 0 2 3 0 0 0). A barre at the lowest fret is the index.
    void Number(std::vector<Stop>& stops, int lowest) const
    {
        const int highest = stops.back().fret;
        const bool barre = stops.front().notes > 1 && stops.front().fret == lowest;
        const bool firstPosition = !barre && highest - capo_ <= FirstPositionFrets;
        const int count = static_cast<int>(stops.size());
        if (count > MaxFretFingers) {  // no hand plays it; number them in order all the same
            for (int i = 0; i < count; ++i) stops[i].finger = std::min(i + 1, MaxFretFingers);
            return;
        }
        int bestCost = -1, bestSum = 0;
        unsigned best = 0;
        // Each subset of the four fingers with as many members as stops, lowest finger first.
        for (unsigned set = 1; set < (1u << MaxFretFingers); ++set) {
            if (std::popcount(set) != count || (barre && !(set & 1u))) continue;
            int cost = 0, sum = 0, i = 0;
            for (int finger = 1; finger <= MaxFretFingers; ++finger) {
                if (!(set >> (finger - 1) & 1u)) continue;
                const int own = firstPosition ? stops[i].fret - capo_ : stops[i].fret - lowest + 1;
                cost += std::abs(finger - std::clamp(own, 1, MaxFretFingers));
                sum += finger;
                ++i;
            }
            if (bestCost < 0 || cost < bestCost || (cost == bestCost && sum > bestSum)) {
                bestCost = cost;
                bestSum = sum;
                best = set;
            }
        }
        int i = 0;
        for (int finger = 1; finger <= MaxFretFingers; ++finger)
            if (best >> (finger - 1) & 1u) stops[i++].finger = finger;
    }

    const std::array<int, chord::Slots>& frets_;
    const std::vector<NOTES>& open_;
    const int strings_;
    const int capo_;
};

}  // namespace

FingerPlacement PlaceFingers(const std::array<int, chord::Slots>& frets, const std::vector<NOTES>& openStrings,
                             int capo)
{
    return Hand(frets, openStrings, capo).Place();
}
