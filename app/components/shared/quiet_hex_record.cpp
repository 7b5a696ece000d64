#include "app/components/shared/quiet_hex_record.h"

#include "core/services/hex_record.h"

int ReadHexRecordQuietly(const char* text, int length, std::uint8_t* out, int len, int& used)
{
    const int digits = 2 + 2 * len;
    if (!text || len < 0 || length < digits) return 0;
    if (GetHex(text) != len) return 0;
    for (int i = 0; i < len; ++i) {
        const int byte = GetHex(text + 2 + 2 * i);
        if (byte < 0) return 0;
        out[i] = static_cast<std::uint8_t>(byte);
    }
    used = digits;
    return 1;
}
