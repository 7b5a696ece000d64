#include "core/services/hex_record.h"

#include "core/services/error.h"

namespace {

// Numbers without message text: each shows once as an internal error.
constexpr int HexTextEmpty = 65281;
constexpr int HexLengthMismatch = 65282;
constexpr int HexBadDigit = 65283;
constexpr int HexDataTooLong = 65284;
constexpr int HexOutputTooSmall = 65285;

constexpr int MaxRecordBytes = 255;
constexpr char Digits[] = "0123456789ABCDEF";

int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void PutByte(unsigned char byte, char* out)
{
    out[0] = Digits[byte >> 4];
    out[1] = Digits[byte & 0x0F];
}

}  // namespace

int GetHex(const char* p)
{
    if (p == nullptr) return -1;
    const int high = DigitValue(p[0]);
    if (high < 0) return -1;  // p[1] may lie beyond the terminator
    const int low = DigitValue(p[1]);
    if (low < 0) return -1;
    return high * 16 + low;
}

int ToString(const void* data, int len, char* out, int size)
{
    if (len < 0 || len > MaxRecordBytes) {
        Error(HexDataTooLong);
        return 0;
    }
    if (out == nullptr || 2 * len + 3 > size) {
        Error(HexOutputTooSmall);
        return 0;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    PutByte(static_cast<unsigned char>(len), out);
    for (int i = 0; i < len; ++i) PutByte(bytes[i], out + 2 + 2 * i);
    out[2 * len + 2] = '\0';
    return 1;
}

HexRecordRead ReadHexRecord(const char* text, void* data, int len, int& used)
{
    if (text == nullptr || *text == '\0') return HexRecordRead::Empty;
    if (GetHex(text) != len) return HexRecordRead::OtherLength;
    used = 2 * len + 2;
    auto* bytes = static_cast<unsigned char*>(data);
    for (int i = 0; i < len; ++i) {
        // A short text stops here too: its terminator is not a digit.
        const int value = GetHex(text + 2 + 2 * i);
        if (value < 0) return HexRecordRead::NotHex;
        bytes[i] = static_cast<unsigned char>(value);
    }
    return HexRecordRead::Read;
}

int FromString(const char* text, void* data, int len, int& used)
{
    switch (ReadHexRecord(text, data, len, used)) {
    case HexRecordRead::Read: return 1;
    case HexRecordRead::Empty: Error(HexTextEmpty); return 0;
    case HexRecordRead::OtherLength: Error(HexLengthMismatch); return 0;
    case HexRecordRead::NotHex: Error(HexBadDigit); return 0;
    }
    return 0;
}
