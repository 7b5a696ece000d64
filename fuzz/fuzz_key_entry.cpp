// [Keys] entries on arbitrary bytes: an accepted key has a tonic, at most 12
// tokens in terminated 3-byte cells, and seven pitch classes 0 to 11.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/theory/entry_parsers.h"
#include "core/theory/notes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetParseNoteOctave();
    const std::string text(reinterpret_cast<const char*>(data), size);
    KeyNameTag k;
    std::memset(&k, 0xEE, sizeof k);
    if (!ParseKeyEntry(text.c_str(), &k)) return 0;
    if (!std::memchr(k.name, 0, sizeof k.name) || NoteValue(k.name) < 0) std::abort();
    if (k.pitchCount != 7 || k.tokenCount < 0 || k.tokenCount > DefinitionSlots) std::abort();
    for (int i = 0; i < 7; ++i)
        if (k.pitches[i] < 0 || k.pitches[i] > 11) std::abort();
    for (int i = 0; i < k.tokenCount; ++i)
        if (!std::memchr(k.spelled[i], 0, sizeof k.spelled[i])) std::abort();
    return 0;
}
