// [Chords] entries on arbitrary bytes: an accepted entry holds at most 12
// intervals of 0 to 22 semitones with 0/1 flags and terminated texts, and
// written back in the chord list editor's form it reads back the same.
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
    ChordNameTag d;
    std::memset(&d, 0xEE, sizeof d);
    if (!ParseChordEntry(text.c_str(), &d)) return 0;
    if (d.count < 0 || d.count > DefinitionSlots) std::abort();
    if (!std::memchr(d.name, 0, sizeof d.name) || !std::memchr(d.description, 0, sizeof d.description)) std::abort();
    for (int i = 0; i < d.count; ++i)
        if (d.intervals[i] < 0 || d.intervals[i] > 22 || d.flags[i] > 1) std::abort();

    // The editor's form: quoted texts (a quote doubled), interval names, '?'.
    std::string again = "\"";
    for (const char* p = d.name; *p; ++p) again += *p == '"' ? std::string("\"\"") : std::string(1, *p);
    again += "\",\"";
    for (const char* p = d.description; *p; ++p) again += *p == '"' ? std::string("\"\"") : std::string(1, *p);
    again += "\",";
    for (int i = 0; i < d.count; ++i) {
        char interval[chord::ScaleNameSize];
        chord::GetScaleName(0, d.intervals[i], d.intervals[i] >= 12, interval);
        again += std::string(" ") + interval + (d.flags[i] ? "?" : "");
    }
    ChordNameTag back{};
    if (!ParseChordEntry(again.c_str(), &back)) std::abort();
    if (std::strcmp(back.name, d.name) || std::strcmp(back.description, d.description) || back.count != d.count)
        std::abort();
    for (int i = 0; i < d.count; ++i)
        if (back.intervals[i] != d.intervals[i] || back.flags[i] != d.flags[i]) std::abort();

    unsigned optional = 0;
    const unsigned bits = chord::GetChordBits(d.count > 0 ? d.intervals[0] : 0, &d, &optional);
    const PitchSet found = PitchSet::FromWord(bits);
    const PitchSet optionalSet = PitchSet::FromWord(optional);
    if (optionalSet.Root() != 0 || (optionalSet.Classes() & ~found.Classes()) || bits > 0xFFFF) std::abort();
    return 0;
}
