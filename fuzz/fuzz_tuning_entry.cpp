// [Tunings] entries on arbitrary bytes: an accepted entry has at most 12
// strings, the unused slots empty, an instrument from the table, and notes
// whose names read back as the same notes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/services/error.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/entry_parsers.h"
#include "fuzz/quiet_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    // Each input starts from an empty table and the starting octave, except
    // that inputs beginning with '!' first fill the table to its limit.
    ReleaseInstruments();
    ResetParseNoteOctave();
    std::string text(reinterpret_cast<const char*>(data), size);
    if (!text.empty() && text[0] == '!') {
        for (int i = 0; i < MaxInstruments; ++i) InstrumentIndex(std::to_string(i).c_str());
        text.erase(0, 1);
    }

    TuningNameTag t;
    std::memset(&t, 0xEE, sizeof t);
    if (!ParseTuningEntry(text.c_str(), &t)) return 0;
    if (t.count < 0 || t.count > DefinitionSlots || !std::memchr(t.name, 0, sizeof t.name)) std::abort();
    if (!GetInstrument(t.instrument)) std::abort();
    for (int i = t.count; i < DefinitionSlots; ++i)
        if (t.strings[i] != NoNote) std::abort();
    for (int i = 0; i < t.count; ++i) {
        const NOTES n = t.strings[i];
        if (n < LowestNote || n > HighestNote) std::abort();
        char name[chord::FullNoteNameSize];
        chord::GetFullNoteName(n, name);
        NOTES back = NoNote;
        if (!ParseNote(name, &back) || back != n) std::abort();
    }
    return 0;
}
