// The ranking rules, written for a guitarist to read and argue with. Each
// rule adds to a fingering's cost; the cheapest fingering is listed first.
// The weights were set so that the first fingering of the common chords is
// the shape teachers show (C x32010, G 320003, Bm x24432 ...) and of the
// ukulele's C, G, F and Am their common shapes; and that of each chord kind
// the open shapes of C, A, G, E and D and the E and A barre shapes come first
// as chord charts show them.
#include "core/theory/fingering_playability.h"

#include <algorithm>
#include <bit>

#include "core/theory/ranked_fingerings.h"

namespace {

// Every fretting finger is work to place and to change.
constexpr int PerFinger = 4;
// A finger laid flat across neighbouring strings at one fret (the barre of
// 1 3 3 2 1 1 for F, the ring finger of x 3 5 5 5 3 for C) counts as one
// finger but takes the strength of a second one, so it pays only where it
// covers three strings or more.
constexpr int BarreStrength = 4;
// The movable shapes every guitarist knows (the E and A shapes of 1 3 3 2 1 1
// and x 2 4 4 3 2) lay the barre from the bass across every string: the
// hand is trained for them, so the barre's strength is not counted and the
// known shape goes before a stranger one as easy (x 4 6 4 6 4 for C#7, not
// x 4 3 4 0 4).
constexpr int RootUnderBarre = -6;
// By the nut the strings stand highest: a barre there is the hardest, and
// the open shape wins where there is one (x 2 1 2 0 2 for B7).
constexpr int BarreByTheNut = 4;
constexpr int BarreByTheNutFrets = 2;
// Another finger than the first laid flat across four strings or more (the
// ring finger of 3 1 3 3 3 3), or laid flat beside the first on its fret, is
// beyond most hands.
constexpr int WideFlatFinger = 10;
// A finger laid flat below a fret that another finger holds on the bass side
// of it (the middle finger across D and G of 1 3 2 2 1 1 for Fmaj7, the
// little finger above it on the A string) leaves that finger to reach round
// it; chord books give such chords their open shape (x x 3 2 1 0). Flat on
// the top fret (the ring finger of x 1 3 3 3 1) or below a finger on its
// treble side (x 1 3 3 4 1 for Bbsus4) the hand keeps its slant.
constexpr int FlatBelowAnother = 5;
// Without a barre, a third finger on one fret crowds the others (1 0 1 0 1 1
// for F9); above the open position, where the frets narrow, also beside a
// finger lower down (x 4 3 4 0 4 for C#7, though x 2 1 2 0 2 is B7).
constexpr int CrowdedFret = 5;
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
// With the bass asked, a high string left out is what the four-string shapes
// do (x 3 4 5 4 x for Cdim, x 6 5 6 6 x for Eb9): the fingers damp it in
// passing.
constexpr int TrebleSideSilent = 12;
// A silent string between sounding ones must be damped by a finger while the
// strum passes over it (on top of nothing else).
constexpr int InnerSilent = 25;
// A silent string whose open note is the root below the bass played.
constexpr int OpenRootLeftOut = 8;
// An open string rings for free and makes the chord full.
constexpr int PerOpenString = -1;
// Frets 1 to 4 above the capo lie under the hand in first position; every
// fret the hand must move up the neck costs (Bm at the second fret rather
// than the Em shape at the seventh).
constexpr int FirstPositionFrets = 4;
constexpr int PerFretUpTheNeck = 4;
// Each fret between the lowest and the highest fretted note stretches the
// hand; four frets under four fingers spread it wide, hard near the nut where
// the frets are widest (the C shape moved up, x 4 3 1 2 1 for C#).
constexpr int PerFretOfStretch = 1;
constexpr int WholeHandStretch = 3;
constexpr int FourFretSpread = 10;
// With the hand up the neck an open string rings far below it: a voicing for
// special colours, not the shape a chord is known by (x 5 0 7 6 4 for Ddim).
constexpr int OpenBelowTheHand = 3;
// The open shapes lie within the first three frets above the nut (or capo).
constexpr int OpenShapeFrets = 3;
// The note next above the bass decides how clear the chord sounds: its third
// or fifth or the root again are the frame every common shape is built on; a
// second, sixth or seventh that close down low muddies it (Cadd9 is played
// x 3 2 0 3 0, not x 3 0 0 3 0), a fourth a little less (the sus4 shapes keep
// the fifth above the root: 0 2 2 2 0 0 for Esus4), a minor third less again:
// the C and G shapes' major third low is fine, their minor forms are left for
// the barres (x 3 5 5 4 3 for Cm, not x 3 1 0 1 3).
constexpr int FourthAboveTheBass = 7;
constexpr int CloseAboveTheBass = 8;
constexpr int MinorThirdAboveTheBass = 6;
// A pitch class other than the root sounding twice or more weighs the chord
// away from its root: the root doubled is preferred. (A missing fifth never
// competes: every pitch class of the chord sounds.)
constexpr int PerDoubledOther = 1;
// Two strings sounding the very same note (the fretted G3 and the open G of
// x 4 5 0 5 0 for C#dim, the low E's A2 beside the open A of 5 0 7 6 0 0)
// add nothing to the chord but a finger: charts play the shape that gives
// each string a note of its own.
constexpr int PerUnison = 3;

struct FretSpan {
    int lowest = 0;
    int highest = -1;
};

bool Fretted(int fret, int capo) { return fret > capo; }

// The strings one finger presses: neighbours at one fret. Both strings of a
// course take one fingertip; more than one course needs the finger laid flat.
struct Press {
    int first, last;  // string slots
    int fret;
    bool flat;
};

struct Presses {
    Press press[MaxPlayedStrings];
    int count = 0;
    const Press* begin() const { return press; }
    const Press* end() const { return press + count; }
};

// The lowest note played, its string, and the next note above it; NoNote
// where none.
struct Bass {
    NOTES note = NoNote;
    int string = -1;
    NOTES next = NoNote;
};

// What one pass over the strings finds of a fingering, for the rules below.
struct Survey {
    FretSpan span;  // of the fretted strings; highest -1 when nothing is fretted
    Presses presses;
    Bass bass;
    int lowestSounding = -1, highestSounding = -1;  // string slots; -1 when none sounds
    unsigned silent = 0;                            // bit s: string s is silent
    int openCourses = 0;                            // courses played open
    int doubledOthers = 0;                          // soundings of a pitch class other than the root heard before
    int unisons = 0;                                // soundings of a note heard on a course before
};

Survey SurveyStrings(const int* frets, const PlayedStrings& strings, int root)
{
    Survey survey;
    unsigned heard = 0;               // bit p: pitch class p sounds on a course before
    NOTES sounded[MaxPlayedStrings];  // the notes of the courses before
    int soundedCount = 0;
    for (int s = 0; s < strings.count; ++s) {
        const int fret = frets[s];
        const bool second = strings.secondOfCourse[s];
        if (fret < 0) {
            survey.silent |= 1u << s;
            continue;
        }
        if (survey.lowestSounding < 0) survey.lowestSounding = s;
        survey.highestSounding = s;

        const NOTES note = strings.open[s] + fret;
        Bass& bass = survey.bass;
        if (bass.note == NoNote || note < bass.note) {
            bass.next = bass.note;
            bass.note = note;
            bass.string = s;
        } else if (note > bass.note && (bass.next == NoNote || note < bass.next)) {
            bass.next = note;
        }

        if (!second) {
            const int pc = (strings.openPc[s] + fret) % 12;
            if (heard >> pc & 1u) {
                if (pc != root) ++survey.doubledOthers;
                survey.unisons += std::find(sounded, sounded + soundedCount, note) != sounded + soundedCount;
            }
            heard |= 1u << pc;
            sounded[soundedCount++] = note;
        }

        if (!Fretted(fret, strings.capo)) {
            survey.openCourses += fret == strings.capo && !second;
            continue;
        }
        FretSpan& span = survey.span;
        if (span.highest < 0 || fret < span.lowest) span.lowest = fret;
        span.highest = std::max(span.highest, fret);
        Presses& presses = survey.presses;
        Press* previous = presses.count ? &presses.press[presses.count - 1] : nullptr;
        if (previous && previous->last == s - 1 && previous->fret == fret) {
            previous->last = s;
            previous->flat |= !second;
        } else {
            presses.press[presses.count++] = {s, s, fret, false};
        }
    }
    return survey;
}

// Courses among the string slots from `first` to before `end`.
int CoursesBetween(const PlayedStrings& strings, int first, int end)
{
    return strings.coursesBefore[end] - strings.coursesBefore[first];
}

int Courses(const PlayedStrings& strings, const Press& press)
{
    return CoursesBetween(strings, press.first, press.last + 1);
}

// Presses before `press` on its fret.
int PressesBefore(const Presses& presses, const Press& press)
{
    int count = 0;
    for (const Press* p = presses.begin(); p != &press; ++p) count += p->fret == press.fret;
    return count;
}

// Whether a press further up the neck lies on the bass side of `press`.
bool HigherOnTheBassSide(const Presses& presses, const Press& press)
{
    for (const Press& other : presses)
        if (other.fret > press.fret && other.first > press.last) return true;
    return false;
}

// One way for the hand to take the fretted strings.
struct Hand {
    int fingers = 0;
    int flat = 0;  // fingers laid flat: barres
    bool crossed = false;
    bool barreStopsShort = false;
    bool rootUnderBarre = false;
    bool barreByTheNut = false;
    int wideFlat = 0;
    int flatBelowAnother = 0;
    int crowded = 0;  // fingers beyond two on one fret
};

int HandCost(const Hand& hand)
{
    return hand.fingers * PerFinger + hand.flat * BarreStrength + (hand.crossed ? CrossedFingers : 0) +
           (hand.barreStopsShort ? BarreStopsShort : 0) + (hand.rootUnderBarre ? RootUnderBarre : 0) +
           (hand.barreByTheNut ? BarreByTheNut : 0) + hand.wideFlat * WideFlatFinger +
           hand.flatBelowAnother * FlatBelowAnother + hand.crowded * CrowdedFret;
}

// The cheapest hand that frets the strings with at most MaxFretFingers
// fingers; when none can, the one with the fewest fingers.
// `rootString`: the slot whose note is the root as the bass, -1 when the bass
// is not the root.
Hand ChooseHand(const int* frets, const PlayedStrings& strings, const Survey& survey, bool nearTheNut, int rootString)
{
    Hand others;  // the fingers above the lowest fret
    const FretSpan& span = survey.span;
    if (span.highest < 0) return others;
    const int capo = strings.capo;
    int first = strings.count, last = -1, onLowest = 0, flatOnLowest = 0, tipsOnLowest = 0;
    const Presses& presses = survey.presses;
    for (const Press& press : presses) {
        if (press.fret != span.lowest) {
            ++others.fingers;
            if (!nearTheNut && PressesBefore(presses, press) >= 2) ++others.crowded;
            others.flat += press.flat;
            others.wideFlat += Courses(strings, press) >= 4;
            others.flatBelowAnother += press.flat && HigherOnTheBassSide(presses, press);
            continue;
        }
        first = std::min(first, press.first);
        last = std::max(last, press.last);
        ++onLowest;
        flatOnLowest += press.flat;
        tipsOnLowest += Courses(strings, press);
    }
    // The first finger can lie across every string from the first to the
    // last one on the lowest fret, a full or a small barre, as long as each
    // string under it is fretted (an open string would be stopped, a silent
    // one would sound).
    bool barrePossible = true, higherBetween = false;
    for (int s = first; s <= last; ++s) {
        if (!Fretted(frets[s], capo))
            barrePossible = false;
        else if (frets[s] > span.lowest)
            higherBetween = true;
    }
    // A barre, or each press on the lowest fret a finger of its own (laid
    // flat where it covers neighbours); or each string there a fingertip of
    // its own, as the A shape is fingered 1 2 3 rather than barred.
    Hand lowest = others, tips = others;
    if (barrePossible) {
        ++lowest.fingers;
        lowest.flat += onLowest > 1 ? 1 : flatOnLowest;
        if (first < last)
            for (int s = 0; s < first; ++s) lowest.barreStopsShort |= frets[s] >= 0;
        const bool rootOnLast = rootString == last || (strings.secondOfCourse[last] && rootString == last - 1);
        lowest.rootUnderBarre =
            first == 0 && first < last && rootOnLast && CoursesBetween(strings, last + 1, strings.count) <= 1;
        lowest.barreByTheNut = first < last && span.lowest - capo <= BarreByTheNutFrets;
    } else {
        lowest.fingers += onLowest;
        lowest.flat += flatOnLowest;
        lowest.crossed = higherBetween;
        lowest.crowded += std::max(0, onLowest - 2);
        // Only the first finger lies flat on the lowest fret; beside another
        // finger there it cannot (2 0 2 2 2 0 for F#m7).
        lowest.wideFlat += onLowest > 1 ? flatOnLowest : 0;
    }
    tips.fingers += tipsOnLowest;
    tips.crossed = higherBetween;
    tips.crowded += std::max(0, onLowest - 2);
    const bool tipsBetter = tips.fingers <= MaxFretFingers && HandCost(tips) < HandCost(lowest);
    return tipsBetter ? tips : lowest;
}

int SilentStringCost(const PlayedStrings& strings, const Survey& survey, bool bassAsked)
{
    // With nothing sounding every silent string lies on the bass side.
    const int lowestSounding = survey.lowestSounding < 0 ? strings.count : survey.lowestSounding;
    int cost = 0;
    for (unsigned m = survey.silent; m; m &= m - 1) {
        const int s = std::countr_zero(m);
        if (strings.secondOfCourse[s]) continue;
        // The last slots are the bass side on most instruments.
        if (s > survey.highestSounding)
            cost += bassAsked ? BassSideSilent : EdgeSilent;
        else if (s < lowestSounding)
            cost += bassAsked ? TrebleSideSilent : EdgeSilent;
        else
            cost += InnerSilent;
    }
    return cost;
}

// A barre from the bass anchors the hand: its shapes reach the fourth fret
// above it as a matter of course (x 1 3 3 4 1 for Bbsus4).
int StretchCost(const FretSpan& span, const Hand& hand)
{
    const int stretch = span.highest - span.lowest;
    const bool spread = stretch >= WholeHandStretch && !hand.rootUnderBarre;
    return stretch * PerFretOfStretch + (spread ? FourFretSpread : 0);
}

int AboveTheBassCost(const Bass& bass)
{
    if (bass.next == NoNote) return 0;
    const int interval = (bass.next - bass.note) % 12;
    if (interval == 5) return FourthAboveTheBass;
    if (interval == 3) return MinorThirdAboveTheBass;
    // The root again, a third, the diminished or the perfect fifth.
    const bool frame = interval == 0 || interval == 3 || interval == 4 || interval == 6 || interval == 7;
    return frame ? 0 : CloseAboveTheBass;
}

// A silent string whose open note is the root below the bass played: the
// root would sound deepest for nothing (0 3 2 1 1 0 for Eaug, not x x 2 1 1 0).
int OpenRootLeftOutCost(const PlayedStrings& strings, const Survey& survey, int root)
{
    int cost = 0;
    for (unsigned m = survey.silent; m; m &= m - 1) {
        const int s = std::countr_zero(m);
        const NOTES openNote = strings.open[s] + strings.capo;
        if (openNote < survey.bass.note && PitchClass(openNote) == root) cost += OpenRootLeftOut;
    }
    return cost;
}

}  // namespace

PlayedStrings StringsOf(const NOTES* open, int count, int capo)
{
    PlayedStrings strings;
    strings.count = count;
    strings.capo = capo;
    for (int s = 0; s < count; ++s) {
        strings.open[s] = open[s];
        strings.openPc[s] = PitchClass(open[s]);
        strings.secondOfCourse[s] = s > 0 && strings.openPc[s] == strings.openPc[s - 1];
        strings.coursesBefore[s + 1] = strings.coursesBefore[s] + !strings.secondOfCourse[s];
    }
    return strings;
}

Playability JudgePlayability(const int* frets, const PlayedStrings& strings, bool bassAsked, int root)
{
    Playability result;
    const int capo = strings.capo;
    const Survey survey = SurveyStrings(frets, strings, root);
    const FretSpan& span = survey.span;
    const bool nearTheNut = span.highest - capo <= OpenShapeFrets;
    const Bass& bass = survey.bass;
    const int rootString = bass.note != NoNote && PitchClass(bass.note) == root ? bass.string : -1;
    const Hand hand = ChooseHand(frets, strings, survey, nearTheNut, rootString);
    result.fingers = hand.fingers;
    if (hand.fingers > MaxFretFingers) return result;  // no hand plays it

    int cost = HandCost(hand);
    cost += SilentStringCost(strings, survey, bassAsked);
    cost += survey.openCourses * (nearTheNut ? PerOpenString : OpenBelowTheHand);
    if (span.highest >= 0) {
        cost += std::max(0, span.highest - capo - FirstPositionFrets) * PerFretUpTheNeck;
        cost += StretchCost(span, hand);
    }
    cost += survey.doubledOthers * PerDoubledOther + survey.unisons * PerUnison;
    // Without an asked bass (the ukulele's inversions) no note is the bass.
    if (bassAsked) cost += AboveTheBassCost(bass);
    cost += OpenRootLeftOutCost(strings, survey, root);
    result.cost = cost;
    return result;
}
