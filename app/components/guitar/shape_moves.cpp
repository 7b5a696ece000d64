#include "app/components/guitar/shape_moves.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "core/theory/string_assignment.h"

namespace {

long long Fret(const chord& played, const chord& tuning, int s)
{
    return static_cast<long long>(played.notes[s]) - tuning.notes[s];
}

}  // namespace

bool MoveAlongNeck(chord& played, const NeckRange& neck, int semitones, bool moveOpen)
{
    const chord& tuning = *neck.tuning;
    chord moved = played;
    for (int s = 0; s < neck.strings; ++s) {
        if (played.notes[s] == NoNote) continue;
        if (!moveOpen && Fret(played, tuning, s) == neck.capo) continue;
        const long long n = static_cast<long long>(played.notes[s]) + semitones;
        if (!StringReaches(tuning, s, n, neck.capo, neck.frets)) return false;
        moved.notes[s] = static_cast<NOTES>(n);
    }
    std::copy(std::begin(moved.notes), std::end(moved.notes), played.notes);
    return true;
}

void MoveAcrossStrings(chord& played, const NeckRange& neck, bool towardFirst)
{
    if (neck.strings <= 0) return;
    constexpr int Fourth = 5;
    const chord& tuning = *neck.tuning;
    const chord old = played;
    const int last = neck.strings - 1;
    for (int s = 0; s < last; ++s) {
        const int to = towardFirst ? s : s + 1;
        const int from = towardFirst ? s + 1 : s;
        NOTES n = NoNote;
        if (old.notes[from] != NoNote) {
            const long long moved = static_cast<long long>(old.notes[from]) + (towardFirst ? Fourth : -Fourth);
            if (StringReaches(tuning, to, moved, neck.capo, neck.frets)) n = static_cast<NOTES>(moved);
        }
        played.notes[to] = n;
    }
    const int freed = towardFirst ? last : 0;
    played.notes[freed] = static_cast<NOTES>(static_cast<long long>(tuning.notes[freed]) + neck.capo);
}

void MoveShapeToFret(chord& played, const NeckRange& neck, int fret, bool moveOpen)
{
    const chord& tuning = *neck.tuning;
    long long lowest = LLONG_MAX;
    for (int s = 0; s < neck.strings; ++s) {
        if (played.notes[s] == NoNote) continue;
        const long long f = Fret(played, tuning, s);
        if (f != 0 || moveOpen) lowest = std::min(lowest, f);
    }
    if (lowest == LLONG_MAX) return;
    for (int s = 0; s < neck.strings; ++s) {
        if (played.notes[s] == NoNote) continue;
        const long long f = Fret(played, tuning, s);
        if (f == 0 && !moveOpen) continue;
        const long long to = std::clamp<long long>(f - lowest + fret, 0, neck.frets - 1);
        played.notes[s] = static_cast<NOTES>(tuning.notes[s] + to);
    }
}
