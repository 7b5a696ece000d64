#include "app/components/shared/live_input_setting.h"

#include "app/components/shared/quiet_hex_record.h"
#include "core/studio/byte_fields.h"

namespace {
constexpr std::uint32_t OnFlag = 1;
constexpr std::uint32_t PutOutFlag = 2;
}  // namespace

void LiveInputSetting::Encode(std::uint8_t* out) const
{
    PutLE(out, (on ? OnFlag : 0) | (putOutEach ? PutOutFlag : 0), RecordSize);
}

void LiveInputSetting::Decode(const std::uint8_t* in)
{
    const std::uint32_t flags = GetLE(in, RecordSize);
    on = flags & OnFlag;
    putOutEach = flags & PutOutFlag;
}

bool LiveInputSetting::Read(char*& in, int& remaining)
{
    if (!in || remaining <= 0 || *in == '\0') return false;
    std::uint8_t bytes[RecordSize];
    int used = 0;
    if (!ReadHexRecordQuietly(in, remaining, bytes, RecordSize, used)) return false;
    in += used;
    remaining -= used;
    Decode(bytes);
    return true;
}
