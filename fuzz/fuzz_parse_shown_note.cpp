// ParseShownNote on arbitrary bytes, the first byte choosing octaves from A or
// from C: never reads past the text, and what it accepts is a note from A1 to
// G11 that its own shown name reads back as.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/theory/notes.h"
#include "core/theory/octave_numbering.h"
#include "core/theory/shown_notes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    SetShownOctaveNumbering((data[0] & 1) ? OctaveNumbering::FromC : OctaveNumbering::FromA);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    NOTES n = 0;
    const char* end = ParseShownNote(text.c_str(), &n);
    if (!end) {
        if (n != NoNote) std::abort();
        return 0;
    }
    if (end < text.c_str() || end > text.c_str() + text.size() || *end != '\0') std::abort();
    if (n < LowestNote || n > HighestNote) std::abort();
    NOTES back = NoNote;
    if (!ParseShownNote(ShownFullNoteName(n).c_str(), &back) || back != n) std::abort();
    return 0;
}
