#include "core/theory/string_assignment.h"

namespace {

// One layout with what decides between layouts.
struct StringPass {
    chord result;
    int played = 0;
    long long fretSum = 0;

    void Place(int s, NOTES n, const chord& tuning)
    {
        result.notes[s] = n;
        ++played;
        fretSum += static_cast<long long>(n) - tuning.notes[s];
    }
};

// Lowest note a string plays and the first note above its last fret, wide
// enough that no stored value can overflow.
long long Lowest(const chord& tuning, int s, int capo) { return static_cast<long long>(tuning.notes[s]) + capo; }
long long PastLast(const chord& tuning, int s, int frets) { return static_cast<long long>(tuning.notes[s]) + frets; }

// High notes to high strings: each note, from the highest down, goes to the
// next string that does not start above it, or is dropped when that string
// ends below it.
StringPass HighToHigh(const chord& sorted, int count, const chord& tuning, int strings, int frets, int capo)
{
    StringPass pass;
    int s = 0;
    for (int i = 0; i < count; ++i) {
        const NOTES n = sorted.notes[i];
        while (s < strings && Lowest(tuning, s, capo) > n) ++s;
        if (s >= strings) break;
        if (n < PastLast(tuning, s, frets)) pass.Place(s++, n, tuning);
    }
    return pass;
}

// Low notes to low strings: from the last string back, each string takes the
// lowest remaining note it reaches; a note below the string is passed over,
// a note above its last fret is dropped.
StringPass LowToLow(const chord& sorted, int count, const chord& tuning, int strings, int frets, int capo)
{
    StringPass pass;
    int s = strings - 1;
    for (int i = count - 1; i >= 0 && s >= 0; --i) {
        const NOTES n = sorted.notes[i];
        if (n < Lowest(tuning, s, capo)) continue;
        if (n < PastLast(tuning, s, frets)) pass.Place(s--, n, tuning);
    }
    return pass;
}

}  // namespace

int CountStrings(const chord& tuning)
{
    int count = 0;
    while (count < chord::Slots && tuning.notes[count] != NoNote) ++count;
    return count;
}

bool StringReaches(const chord& tuning, int s, long long n, int capo, int frets)
{
    if (s < 0 || s >= chord::Slots || tuning.notes[s] == NoNote) return false;
    return n >= Lowest(tuning, s, capo) && n < PastLast(tuning, s, frets);
}

chord AssignStrings(const chord& c, const chord& tuning, int strings, int frets, int capo)
{
    if (strings > chord::Slots) strings = chord::Slots;
    chord sorted = c;
    sorted.Sort(0);  // highest first, empty slots last
    int count = 0;
    while (count < chord::Slots && sorted.notes[count] != NoNote) ++count;

    StringPass high = HighToHigh(sorted, count, tuning, strings, frets, capo);
    StringPass low = LowToLow(sorted, count, tuning, strings, frets, capo);
    const bool highWins = high.played > low.played || (high.played == low.played && high.fretSum <= low.fretSum);
    return highWins ? high.result : low.result;
}
