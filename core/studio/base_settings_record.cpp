#include "core/studio/base_settings_record.h"

#include <cstring>

#include "core/studio/byte_fields.h"

void BaseSettingsRecord::Encode(std::uint8_t* out) const
{
    std::memset(out, 0, Size);
    PutLE(out, static_cast<std::uint16_t>(typeId), 2);
    std::memcpy(out + ChordOffset, chordBytes, sizeof chordBytes);
    PutLE(out + 86, static_cast<std::uint16_t>(mode), 2);
    PutLE(out + 88, static_cast<std::uint16_t>(soundOn), 2);
    PutLE(out + 90, findWord, 2);
    PutLE(out + 92, static_cast<std::uint16_t>(findKind), 2);
    PutLE(out + 94, static_cast<std::uint16_t>(findRootIndex), 2);
    PutLE(out + 96, static_cast<std::uint16_t>(findNameIndex), 2);
    for (int i = 0; i < 3; ++i) {
        PutLE(out + 98 + 2 * i, static_cast<std::uint16_t>(linkTo[i]), 2);
        PutLE(out + 104 + 2 * i, static_cast<std::uint16_t>(linkFrom[i]), 2);
    }
    out[110] = passThrough;
    out[111] = manualPosition;
    PutLE(out + 112, static_cast<std::uint32_t>(storedIconX), 4);
    PutLE(out + 116, static_cast<std::uint32_t>(storedIconY), 4);
}

void BaseSettingsRecord::Decode(const std::uint8_t* in)
{
    typeId = GetLE16(in);
    std::memcpy(chordBytes, in + ChordOffset, sizeof chordBytes);
    mode = GetLE16(in + 86);
    soundOn = GetLE16(in + 88);
    findWord = static_cast<std::uint16_t>(GetLE(in + 90, 2));
    findKind = GetLE16(in + 92);
    findRootIndex = GetLE16(in + 94);
    findNameIndex = GetLE16(in + 96);
    for (int i = 0; i < 3; ++i) {
        linkTo[i] = GetLE16(in + 98 + 2 * i);
        linkFrom[i] = GetLE16(in + 104 + 2 * i);
    }
    passThrough = in[110];
    manualPosition = in[111];
    storedIconX = GetLE32(in + 112);
    storedIconY = GetLE32(in + 116);
}
