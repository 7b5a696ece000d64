// ParseNote on arbitrary bytes: never reads past the text, and what it accepts
// is a note of octave 1 to 11 that its own name reads back as.
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
    // Lowest "Abb1", highest "G##11".
    if (n < -2 || n > 132) std::abort();
    if (n >= 0 && n <= 130) {
        char name[chord::FullNoteNameSize];
        chord::GetFullNoteName(n, name);
        NOTES back = NoNote;
        if (!ParseNote(name, &back) || back != n) std::abort();
    }
    return 0;
}
