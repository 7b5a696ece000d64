// ParseNote on arbitrary bytes: never reads past the text, and what it accepts
// is a note from A1 to G11 that its own name reads back as.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/theory/chord.h"
#include "core/theory/notes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    NOTES n = 0;
    const char* end = ParseNote(text.c_str(), &n);
    if (!end) {
        if (n != NoNote) std::abort();
        return 0;
    }
    if (end < text.c_str() || end > text.c_str() + text.size() || *end != '\0') std::abort();
    if (n < LowestNote || n > HighestNote) std::abort();
    char name[chord::FullNoteNameSize];
    chord::GetFullNoteName(n, name);
    NOTES back = NoNote;
    if (!ParseNote(name, &back) || back != n) std::abort();
    return 0;
}
