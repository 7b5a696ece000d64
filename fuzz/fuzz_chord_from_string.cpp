// chord::FromString on arbitrary bytes (clipboard text): no overrun, a failure
// leaves the notes alone, and an accepted chord writes a text form that reads
// back to the same notes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/theory/chord.h"
#include "core/theory/notes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetParseNoteOctave();
    const std::string text(reinterpret_cast<const char*>(data), size);
    chord c;
    c.AddNote(50);
    c.key = 7;
    const chord before = c;
    if (!c.FromString(text.c_str())) {
        if (std::memcmp(c.notes, before.notes, sizeof c.notes) != 0) std::abort();
        return 0;
    }
    if (c.key != 7) std::abort();

    bool writable = true;  // notes the text form can carry: "A1" to "G11"
    for (NOTES n : c.notes)
        if (n != NoNote && (n < 0 || n > 130)) writable = false;
    char form[chord::TextFormSize];
    c.ToString(form, sizeof form);
    if (std::strlen(form) >= sizeof form) std::abort();
    if (!writable) return 0;
    chord back;
    if (!back.FromString(form)) std::abort();
    if (std::memcmp(back.notes, c.notes, sizeof c.notes) != 0) std::abort();
    return 0;
}
