// FromString on arbitrary text and lengths: fills exactly the bytes asked for
// and, when it accepts, the record written back by ToString is the text it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/services/error.h"
#include "core/services/hex_record.h"
#include "fuzz/quiet_errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    if (size == 0) return 0;
    const int len = data[0];  // 0..255
    std::vector<char> text(data + 1, data + size);
    text.push_back('\0');
    std::vector<unsigned char> bytes(len == 0 ? 1 : static_cast<std::size_t>(len));

    int used = -1;
    if (FromString(text.data(), bytes.data(), len, used) != 1) return 0;
    if (used != 2 * len + 2 || static_cast<std::size_t>(used) > text.size() - 1) std::abort();
    std::vector<char> back(static_cast<std::size_t>(2 * len + 3));
    if (ToString(bytes.data(), len, back.data(), static_cast<int>(back.size())) != 1) std::abort();
    if (std::memcmp(back.data(), text.data(), static_cast<std::size_t>(used)) != 0) std::abort();
    return 0;
}
