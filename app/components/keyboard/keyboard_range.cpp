#include "app/components/keyboard/keyboard_range.h"

#include <algorithm>

namespace KeyboardLayout {
namespace {
constexpr int BlackOffsets[12] = {0, 37, 0, 98, 0, 0, 194, 0, 255, 0, 316, 0};
constexpr int WhiteSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
// White keys of an octave below each pitch class (from C).
constexpr int WhitesBefore[12] = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
}  // namespace

int FromC(NOTES n) { return static_cast<int>(((n + 9) % 12 + 12) % 12); }
bool IsC(NOTES n) { return FromC(n) == 0; }
bool IsBlackKey(NOTES n) { return BlackOffsets[FromC(n)] != 0; }
int BlackKeyOffset(int fromC) { return BlackOffsets[fromC]; }
int WhiteKeySemitones(int whiteIndex) { return WhiteSemitones[whiteIndex]; }

Range MakeRange(NOTES firstNote, int keyCount)
{
    // Values from a damaged file are kept to what the settings dialog gives.
    NOTES first = std::clamp<NOTES>(firstNote, LowestStart, HighestStart);
    first -= FromC(first);
    const long long wantedLast = static_cast<long long>(firstNote) + std::max(keyCount, 1) - 1;
    // Seven octaves from a C end on a B, a white key.
    NOTES last = static_cast<NOTES>(std::clamp<long long>(wantedLast, first, first + MostKeys - 1));
    Range r;
    r.FirstNote = first;
    if (IsBlackKey(last)) ++last;
    r.KeyCount = last - r.FirstNote + 1;
    r.OctaveBase = r.FirstNote;
    r.WhiteUnits = WhiteKeyUnits * (7 * (r.KeyCount / 12) + WhitesBefore[r.KeyCount % 12]);
    return r;
}

int WhitesBelow(int fromC) { return WhitesBefore[fromC]; }

}  // namespace KeyboardLayout
