#include "app/components/keyboard/keyboard_record.h"

#include "app/components/keyboard/keyboard_range.h"
#include "core/studio/byte_fields.h"

void KeyboardRecord::Encode(std::uint8_t* out) const
{
    PutLE(out, static_cast<std::uint32_t>(KeyCount), 4);
    PutLE(out + 4, static_cast<std::uint32_t>(FirstNote), 4);
    PutLE(out + 8, static_cast<std::uint32_t>(TypingMethod), 4);
    PutLE(out + 12, static_cast<std::uint32_t>(LabelFlags), 4);
}

void KeyboardRecord::Decode(const std::uint8_t* in)
{
    KeyCount = GetLE32(in);
    FirstNote = GetLE32(in + 4);
    TypingMethod = GetLE32(in + 8);
    LabelFlags = GetLE32(in + 12);
}

KeyboardRecord KeyboardRecord::Sane() const
{
    KeyboardRecord r;
    const KeyboardLayout::Range range = KeyboardLayout::MakeRange(FirstNote, KeyCount);
    r.FirstNote = range.FirstNote;
    r.KeyCount = range.KeyCount;
    r.TypingMethod = TypingMethod != 0 ? 1 : 0;
    r.LabelFlags = LabelFlags & 3;
    return r;
}
