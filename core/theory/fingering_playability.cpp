// The ranking rules, written for a guitarist to read and argue with. Each
// rule adds to a fingering's cost; the cheapest fingering is listed first.
// The weights were set so that the first fingering of the common chords is
// the shape teachers show (C x32010, G 320003, Bm x24432 ...) and of the
// ukulele's C, G, F and Am their common shapes.
#include "core/theory/fingering_playability.h"

#include <algorithm>

#include "core/theory/ranked_fingerings.h"

namespace {

// Every fretting finger is work to place and to change.
constexpr int PerFinger = 4;
// A finger laid flat across neighbouring strings at one fret (the barre of
// 1 3 3 2 1 1 for F, the ring finger of x 3 5 5 5 3 for C) counts as one
// finger but takes the strength of a second one, so it pays only where it
// covers three strings or more.
constexpr int BarreStrength = 4;
// A barre is laid from the thin strings: one that stops short of string 0
// while that string sounds (1 3 3 2 1 0 for Fmaj7, 4 3 1 1 1 4 for Ab) needs
// the first finger bent off it.
constexpr int BarreStopsShort = 6;
// Two fingers on the lowest fret that cannot lie down as one barre (an open
// or silent string is between them) with a finger further up the neck between
// them: the fingers must cross, hardly playable (x 2 0 4 0 2 for Bm).
constexpr int CrossedFingers = 16;
// A string left out on the bass side so that the asked bass sounds lowest:
// the hand simply does not strike it (the low E of x 3 2 0 1 0).
constexpr int BassSideSilent = 6;
// A string left out at an edge for any other reason: the strum must stop
// short of it, or on the treble side a finger must damp it. Without an asked
// bass every string should sound (the ukulele's C is 0 0 0 3, not 0 0 0 x).
constexpr int EdgeSilent = 15;
// A silent string between sounding ones must be damped by a finger while the
// strum passes over it (on top of nothing else).
constexpr int InnerSilent = 25;
// An open string rings for free and makes the chord full.
constexpr int PerOpenString = -1;
// Frets 1 to 4 above the capo lie under the hand in first position; every
// fret the hand must move up the neck costs (Bm at the second fret rather
// than the Em shape at the seventh).
constexpr int FirstPositionFrets = 4;
constexpr int PerFretUpTheNeck = 4;
// Each fret between the lowest and the highest fretted note stretches the hand.
constexpr int PerFretOfStretch = 1;
// A pitch class other than the root sounding twice or more weighs the chord
// away from its root: the root doubled is preferred. (A missing fifth never
// competes: every pitch class of the chord sounds.)
constexpr int PerDoubledOther = 1;

constexpr int MaxStrings = 12;

struct FretSpan {
    int lowest = 0;
    int highest = -1;
};

bool Fretted(int fret, int capo) { return fret > capo; }

// Neighbours tuned to one pitch class are one course (12-string guitar,
// mandolin), fretted alike: the course counts as one string when strings are
// counted below.
bool SecondOfCourse(const int* openPc, int s) { return s > 0 && openPc[s] == openPc[s - 1]; }

// Lowest and highest fretted fret; highest -1 when nothing is fretted.
FretSpan FrettedSpan(const int* frets, int strings, int capo)
{
    FretSpan span;
    for (int s = 0; s < strings; ++s) {
        if (!Fretted(frets[s], capo)) continue;
        if (span.highest < 0 || frets[s] < span.lowest) span.lowest = frets[s];
        span.highest = std::max(span.highest, frets[s]);
    }
    return span;
}

// The strings one finger presses: neighbours at one fret. Both strings of a
// course take one fingertip; more than one course needs the finger laid flat.
struct Press {
    int first, last;  // string slots
    int fret;
    bool flat;
};

struct Presses {
    Press press[MaxStrings];
    int count = 0;
    const Press* begin() const { return press; }
    const Press* end() const { return press + count; }
};

Presses FindPresses(const int* frets, const int* openPc, int strings, int capo)
{
    Presses presses;
    for (int s = 0; s < strings; ++s) {
        if (!Fretted(frets[s], capo)) continue;
        Press* previous = presses.count ? &presses.press[presses.count - 1] : nullptr;
        if (previous && previous->last == s - 1 && previous->fret == frets[s]) {
            previous->last = s;
            previous->flat |= !SecondOfCourse(openPc, s);
        } else {
            presses.press[presses.count++] = {s, s, frets[s], false};
        }
    }
    return presses;
}

struct FingerCount {
    int fingers = 0;
    int flat = 0;  // fingers laid flat: barres
    bool crossed = false;
    bool barreStopsShort = false;
};

FingerCount CountFingers(const int* frets, const int* openPc, int strings, int capo, const FretSpan& span)
{
    FingerCount count;
    if (span.highest < 0) return count;
    int first = strings, last = -1, onLowest = 0, flatOnLowest = 0;
    for (const Press& press : FindPresses(frets, openPc, strings, capo)) {
        if (press.fret != span.lowest) {
            ++count.fingers;
            count.flat += press.flat;
            continue;
        }
        first = std::min(first, press.first);
        last = std::max(last, press.last);
        ++onLowest;
        flatOnLowest += press.flat;
    }
    // The first finger can lie across every string from the first to the
    // last one on the lowest fret, a full or a small barre, as long as each
    // string under it is fretted (an open string would be stopped, a silent
    // one would sound).
    bool barre = true, higherBetween = false;
    for (int s = first; s <= last; ++s) {
        if (!Fretted(frets[s], capo))
            barre = false;
        else if (frets[s] > span.lowest)
            higherBetween = true;
    }
    if (barre) {
        ++count.fingers;
        count.flat += onLowest > 1 ? 1 : flatOnLowest;
        if (first < last) {
            for (int s = 0; s < first; ++s) count.barreStopsShort |= frets[s] >= 0;
        }
    } else {
        count.fingers += onLowest;
        count.flat += flatOnLowest;
        count.crossed = higherBetween;
    }
    return count;
}

int SilentStringCost(const int* frets, const int* openPc, int strings, bool bassAsked)
{
    int highestSounding = -1, lowestSounding = strings;
    for (int s = 0; s < strings; ++s)
        if (frets[s] >= 0) {
            lowestSounding = std::min(lowestSounding, s);
            highestSounding = s;
        }
    int cost = 0;
    for (int s = 0; s < strings; ++s) {
        if (frets[s] >= 0 || SecondOfCourse(openPc, s)) continue;
        // The last slots are the bass side on most instruments.
        if (s > highestSounding)
            cost += bassAsked ? BassSideSilent : EdgeSilent;
        else if (s < lowestSounding)
            cost += EdgeSilent;
        else
            cost += InnerSilent;
    }
    return cost;
}

int DoubledOtherCost(const int* frets, const int* openPc, int strings, int root)
{
    int sounding[12] = {};
    for (int s = 0; s < strings; ++s)
        if (frets[s] >= 0 && !SecondOfCourse(openPc, s)) ++sounding[(openPc[s] + frets[s]) % 12];
    int cost = 0;
    for (int pc = 0; pc < 12; ++pc)
        if (pc != root && sounding[pc] > 1) cost += (sounding[pc] - 1) * PerDoubledOther;
    return cost;
}

}  // namespace

Playability JudgePlayability(const int* frets, const int* openPc, int strings, int capo, bool bassAsked, int root)
{
    Playability result;
    const FretSpan span = FrettedSpan(frets, strings, capo);
    const FingerCount hand = CountFingers(frets, openPc, strings, capo, span);
    result.fingers = hand.fingers;
    if (hand.fingers > MaxFretFingers) return result;  // no hand plays it

    int cost = hand.fingers * PerFinger + hand.flat * BarreStrength + (hand.crossed ? CrossedFingers : 0) +
               (hand.barreStopsShort ? BarreStopsShort : 0);
    cost += SilentStringCost(frets, openPc, strings, bassAsked);
    for (int s = 0; s < strings; ++s)
        if (frets[s] == capo && !SecondOfCourse(openPc, s)) cost += PerOpenString;
    if (span.highest >= 0) {
        cost += std::max(0, span.highest - capo - FirstPositionFrets) * PerFretUpTheNeck;
        cost += (span.highest - span.lowest) * PerFretOfStretch;
    }
    cost += DoubledOtherCost(frets, openPc, strings, root);
    result.cost = cost;
    return result;
}
