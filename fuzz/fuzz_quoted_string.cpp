// GetQuotedString on arbitrary bytes, chained as the list parser chains it:
// never writes past the destination nor reads past the text, and stops
// inside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/services/text_helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte chooses the destination size; exact allocations let the
    // address sanitizer see any overrun.
    const std::size_t capacity = data[0] % 64;
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');
    std::vector<char> dst(capacity == 0 ? 1 : capacity);

    const char* p = text.data();
    const char* end = text.data() + text.size() - 1;
    while (p != nullptr && p <= end) {
        const char* next = GetQuotedString(capacity == 0 ? nullptr : dst.data(), capacity, p);
        if (next == nullptr) break;
        if (next <= p || next > end) std::abort();
        if (capacity > 0 && std::strlen(dst.data()) >= capacity) std::abort();
        // Skip the separator the lists put between fields.
        p = next;
        while (*p == ',' || *p == ' ') ++p;
    }
    return 0;
}
