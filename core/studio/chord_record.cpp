#include "core/studio/chord_record.h"

#include <cstring>

#include "core/studio/byte_fields.h"
#include "core/theory/chord.h"

void ChordRecord::Encode(const chord& c, std::uint8_t* out)
{
    std::memset(out, 0, Size);
    for (int i = 0; i < chord::Slots; ++i) PutLE(out + 4 * i, static_cast<std::uint32_t>(c.notes[i]), 4);
    for (int i = 0; i < chord::Slots; ++i) out[48 + i] = c.marks[i];
    PutLE(out + 60, static_cast<std::uint32_t>(c.key), 4);
    PutLE(out + 72, static_cast<std::uint32_t>(c.soundCount), 4);
    PutLE(out + 76, static_cast<std::uint16_t>(c.instrument), 2);
    PutLE(out + 78, static_cast<std::uint16_t>(c.midiOutput), 2);
    PutLE(out + 80, static_cast<std::uint32_t>(c.program), 4);
}

void ChordRecord::Decode(const std::uint8_t* in, chord& c)
{
    for (int i = 0; i < chord::Slots; ++i) c.notes[i] = GetLE32(in + 4 * i);
    for (int i = 0; i < chord::Slots; ++i) c.marks[i] = in[48 + i];
    c.key = GetLE32(in + 60);
    c.soundCount = GetLE32(in + 72);
    c.instrument = GetLE16(in + 76);
    c.midiOutput = GetLE16(in + 78);
    c.program = GetLE32(in + 80);
}
