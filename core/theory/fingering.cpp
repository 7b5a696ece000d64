// Which strings of a tuning a chord plays at the capo position.
#include "core/theory/chord.h"

namespace {

constexpr int AtCapo = 0;
constexpr int Elsewhere = 7;
constexpr int NotPlayed = 8;

}  // namespace

void chord::FindFingering(const chord& tuning, int* marks, int strings, int capo) const
{
    if (!marks) return;
    if (strings > Slots) strings = Slots;
    for (int i = 0; i < strings; ++i) {
        if (notes[i] == NoNote)
            marks[i] = NotPlayed;
        else
            marks[i] = static_cast<long long>(notes[i]) - tuning.notes[i] - capo == 0 ? AtCapo : Elsewhere;
    }
}
