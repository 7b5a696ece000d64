// GetToken with arbitrary delimiters and text: keeps at most size - 1
// characters, returns a pointer to a delimiter or to the end, and together
// with RemoveWhiteSpace walks the whole text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/services/text_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const std::size_t capacity = data[0] % 32;
    const std::size_t delimCount = data[1] % 6;
    if (size < 2 + delimCount) return 0;
    std::vector<char> delims(data + 2, data + 2 + delimCount);
    delims.push_back('\0');
    std::vector<char> text(data + 2 + delimCount, data + size);
    text.push_back('\0');
    std::vector<char> dst(capacity == 0 ? 1 : capacity);

    const char* p = text.data();
    const char* end = text.data() + text.size() - 1;
    while (p != nullptr && *p != '\0') {
        const char* next = GetToken(capacity == 0 ? nullptr : dst.data(), capacity, p, delims.data());
        if (next == nullptr) {
            // Only an empty run is refused: p is at a delimiter.
            if (*p == '\0' || std::strchr(delims.data(), *p) == nullptr) std::abort();
            p = MatchChar(p, delims.data());
            if (p == nullptr) std::abort();
            continue;
        }
        if (next <= p || next > end) std::abort();
        if (*next != '\0' && std::strchr(delims.data(), *next) == nullptr) std::abort();
        if (capacity > 0 && std::strlen(dst.data()) > capacity - 1) std::abort();
        p = RemoveWhiteSpace(next, delims.data());
    }
    return 0;
}
