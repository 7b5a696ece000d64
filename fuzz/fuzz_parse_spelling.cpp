// ParseSpelling on arbitrary bytes: stays inside the text and gives 0 to 22
// semitones or a clean failure.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/theory/notes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    int semitones = 0;
    const char* end = ParseSpelling(text.c_str(), &semitones);
    if (!end) {
        if (semitones != -1) std::abort();
        return 0;
    }
    if (end <= text.c_str() || end > text.c_str() + text.size()) std::abort();
    if (semitones < 0 || semitones > 22) std::abort();
    return 0;
}
