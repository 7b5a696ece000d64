// The instrument table: names in order of first appearance in [Tunings].
#include <cstring>

#include "core/theory/definition_lists.h"
#include "core/theory/name_compare.h"

namespace {

char names[MaxInstruments][InstrumentNameSize];
int instrumentCount = 0;

}  // namespace

int InstrumentIndex(const char* name)
{
    if (!name) return -1;
    // Names are kept cut to the table's width, so compare them cut the same way.
    char cut[InstrumentNameSize];
    std::strncpy(cut, name, sizeof cut - 1);
    cut[sizeof cut - 1] = '\0';
    for (int i = 0; i < instrumentCount; ++i)
        if (SameNameIgnoringCase(names[i], cut)) return i;
    if (instrumentCount == MaxInstruments) return -1;
    std::memcpy(names[instrumentCount], cut, sizeof cut);
    return instrumentCount++;
}

const char* GetInstrument(int i) { return i >= 0 && i < instrumentCount ? names[i] : nullptr; }

int CountInstruments() { return instrumentCount; }

void ReleaseInstruments() { instrumentCount = 0; }
