// Numbering the fingers of a fingering the way chord books do. Fingers never
// cross: a higher fret takes a higher finger, and at one fret the string
// nearer the bass takes the lower one. The index lies flat at the lowest fret
// when the hand needs it there: more notes than fingers (the F and Bm
// barres), or neighbouring thin strings at the lowest fret below fingers
// further up (x x 3 2 1 1). Where fingers suffice, each note has its own
// (D is x x 0 1 3 2, not a barre under the 3).
#include "core/theory/finger_placement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/theory/ranked_fingerings.h"

namespace {

// With every fretted note within this many frets above the capo the hand
// sits in first position: a finger per fret from the nut (Cmaj7 x 3 2 0 0 0
// keeps the C shape's 3 and 2).
constexpr int FirstPositionFrets = 4;

// The ways to give n stops rising fingers (n = 1 to 4), in the order they
// are weighed: rows [FirstChoiceFor[n], FirstChoiceFor[n + 1]), 0 beyond
// the n fingers.
using FingerChoice = std::array<int, MaxFretFingers>;
constexpr FingerChoice FingerChoices[] = {
    {1},          {2},       {3},       {4},                        // one stop
    {1, 2},       {1, 3},    {2, 3},    {1, 4},    {2, 4}, {3, 4},  // two
    {1, 2, 3},    {1, 2, 4}, {1, 3, 4}, {2, 3, 4},                  // three
    {1, 2, 3, 4},                                                   // four
};
constexpr int FirstChoiceFor[] = {0, 0, 4, 10, 14, 15};

// One finger's work: one string (with its course partners) or several laid
// flat at one fret, across slots from >= to.
struct Stop {
    int fret;
    int from;
    int to;
    int notes;  // strings of their own under it, course partners not counted
    int finger;
};

bool ByFretFromTheBass(const Stop& a, const Stop& b) { return a.fret != b.fret ? a.fret < b.fret : a.from > b.from; }

// The stops of one fingering, at most one a string: kept in place, since
// the search numbers the fingers of every fingering it lists.
class Stops {
public:
    void Add(const Stop& stop) { items_[count_++] = stop; }
    int Size() const { return count_; }
    bool Empty() const { return count_ == 0; }
    Stop& operator[](int i) { return items_[i]; }
    Stop* begin() { return items_.data(); }
    Stop* end() { return items_.data() + count_; }
    const Stop* begin() const { return items_.data(); }
    const Stop* end() const { return items_.data() + count_; }
    template <typename Predicate>
    void RemoveIf(Predicate predicate)
    {
        count_ = static_cast<int>(std::remove_if(begin(), end(), predicate) - begin());
    }
    // Adds the stop before the first that it goes before from the end: the
    // stops stay in order, equals in the order they came.
    template <typename Before>
    void Insert(const Stop& stop, Before before)
    {
        int j = count_++;
        for (; j > 0 && before(stop, items_[j - 1]); --j) items_[j] = items_[j - 1];
        items_[j] = stop;
    }
    // By insertion: a handful of stops, nearly in order already.
    template <typename Before>
    void Sort(Before before)
    {
        Stops sorted;
        for (const Stop& stop : *this) sorted.Insert(stop, before);
        *this = sorted;
    }

private:
    // Only the first count_ are ever read, so they are left unset.
    std::array<Stop, chord::Slots> items_;
    int count_ = 0;
};

class Hand {
public:
    Hand(const std::array<int, chord::Slots>& frets, const std::vector<NOTES>& open, int capo)
        : frets_(frets),
          open_(open),
          strings_(static_cast<int>(std::min<std::size_t>(open.size(), chord::Slots))),
          capo_(capo)
    {
        for (int s = 0; s + 1 < strings_; ++s) {
            // Rarely both: the course is looked at only then.
            const bool together = Fretted(s) & (frets_[s] == frets_[s + 1]);
            partner_[s] = together && (open_[s] - open_[s + 1]) % 12 == 0;
        }
    }

    FingerPlacement Place()
    {
        FingerPlacement placement;
        Stops single = Singles();
        if (single.Empty()) return placement;
        Stops stops;
        const int lowest = single[0].fret;
        if (auto barre = LowBarre(single)) {
            stops.Add(*barre);
            single.RemoveIf([&](const Stop& s) { return s.fret == lowest; });
        }
        if (single.Size() <= MaxFretFingers - stops.Size()) {
            // Still in order: the barre, if any, lies below every other stop.
            for (const Stop& stop : single) stops.Add(stop);
        } else {
            for (const Stop& stop : Presses(single)) stops.Add(stop);
            stops.Sort(ByFretFromTheBass);
        }
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
    // Fretted slot s sounds with its bass-side neighbour as one course, under one fingertip.
    bool Partner(int s) const { return partner_[s]; }

    // Every fretted string with its own fingertip, by fret, bass side first.
    Stops Singles() const
    {
        Stops stops;
        for (int s = strings_ - 1; s >= 0; --s) {
            if (!Fretted(s) || Partner(s)) continue;
            int to = s;
            while (to > 0 && Partner(to - 1)) --to;
            // Taken from the bass side, so keeping equals in order is enough.
            stops.Insert({frets_[s], s, to, 1, NoFinger}, [](const Stop& a, const Stop& b) { return a.fret < b.fret; });
        }
        return stops;
    }

    // The index laid across the lowest fret, when the hand wants it there.
    std::optional<Stop> LowBarre(const Stops& single) const
    {
        const int lowest = single.begin()->fret;
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
        const bool tooMany = single.Size() > MaxFretFingers;
        const bool smallBarre = !higherUnder && to == thinnest && single.Size() > notes;
        if (!tooMany && !smallBarre) return std::nullopt;
        return Stop{lowest, from, to, notes, NoFinger};
    }

    // Neighbouring strings at one fret under one finger each, as the search
    // counts them when fingers run short.
    Stops Presses(Stops bySlot) const
    {
        bySlot.Sort([](const Stop& a, const Stop& b) { return a.from > b.from; });
        Stops presses;
        for (const Stop& stop : bySlot) {
            Stop* last = presses.Empty() ? nullptr : &presses[presses.Size() - 1];
            if (last && last->fret == stop.fret && last->to == stop.from + 1) {
                last->to = stop.to;
                ++last->notes;
            } else {
                presses.Add(stop);
            }
        }
        return presses;
    }

    // Rising finger numbers, each as near its fret's own finger as it can be;
    // between equals the higher fingers, which leave the index free (Em as
    // 0 2 3 0 0 0). A barre at the lowest fret is the index.
    void Number(Stops& stops, int lowest) const
    {
        const int highest = stops[stops.Size() - 1].fret;
        const bool barre = stops[0].notes > 1 && stops[0].fret == lowest;
        const bool firstPosition = !barre && highest - capo_ <= FirstPositionFrets;
        const int count = stops.Size();
        if (count > MaxFretFingers) {  // no hand plays it; number them in order all the same
            for (int i = 0; i < count; ++i) stops[i].finger = std::min(i + 1, MaxFretFingers);
            return;
        }
        int own[MaxFretFingers] = {};  // the finger of each stop's fret; 0 beyond the stops, as in the choices
        for (int i = 0; i < count; ++i)
            own[i] = std::clamp(firstPosition ? stops[i].fret - capo_ : stops[i].fret - lowest + 1, 1, MaxFretFingers);
        // Fewer steps from the own fingers first, then the higher fingers.
        int bestKey = 0;
        const FingerChoice* best = nullptr;
        for (int c = FirstChoiceFor[count]; c < FirstChoiceFor[count + 1]; ++c) {
            const FingerChoice& choice = FingerChoices[c];
            if (barre && choice[0] != 1) continue;
            int cost = 0, sum = 0;
            for (int i = 0; i < MaxFretFingers; ++i) {
                cost += std::abs(choice[i] - own[i]);
                sum += choice[i];
            }
            const int key = cost * 16 - sum;  // sum <= 10
            if (!best || key < bestKey) {
                bestKey = key;
                best = &choice;
            }
        }
        for (int i = 0; i < count; ++i) stops[i].finger = (*best)[i];
    }

    const std::array<int, chord::Slots>& frets_;
    const std::vector<NOTES>& open_;
    const int strings_;
    const int capo_;
    std::array<bool, chord::Slots> partner_{};
};

}  // namespace

FingerPlacement PlaceFingers(const std::array<int, chord::Slots>& frets, const std::vector<NOTES>& openStrings,
                             int capo)
{
    return Hand(frets, openStrings, capo).Place();
}
