// SZDD expansion of untrusted template files: any bytes, no crash, and what
// expands re-compresses to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/services/szdd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    std::string out;
    if (ExpandSzdd(in, out)) {
        std::string again;
        if (!ExpandSzdd(CompressSzdd(out), again) || again != out) std::abort();
    }
    return 0;
}
