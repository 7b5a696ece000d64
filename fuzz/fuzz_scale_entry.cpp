// [Scales] entries on arbitrary bytes: an accepted scale has 1 to 12 steps of
// 1 to 13 semitones adding up to an octave, so its pitch-set word on any root
// holds as many pitch classes as it has steps.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/theory/chord.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/pitch_set.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ScaleNameTag s;
    std::memset(&s, 0xEE, sizeof s);
    if (!ParseScaleEntry(text.c_str(), &s)) return 0;
    if (s.count < 1 || s.count > DefinitionSlots || !std::memchr(s.name, 0, sizeof s.name)) std::abort();
    int total = 0;
    for (int i = 0; i < s.count; ++i) {
        if (s.steps[i] < 1 || s.steps[i] > 13) std::abort();
        total += s.steps[i];
    }
    if (total != 12) std::abort();
    for (NOTES root = 0; root < 12; ++root) {
        const PitchSet scale = PitchSet::FromWord(chord::GetScaleBits(root, &s));
        if (scale.Root() != root || scale.Count() != s.count || scale.Word() >> 16) std::abort();
    }
    return 0;
}
