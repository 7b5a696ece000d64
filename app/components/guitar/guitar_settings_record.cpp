#include "app/components/guitar/guitar_settings_record.h"

#include <algorithm>

#include "core/studio/byte_fields.h"
#include "core/studio/chord_record.h"
#include "core/theory/notes.h"
#include "core/theory/string_assignment.h"

namespace {
constexpr int FieldsOffset = ChordRecord::Size;
}  // namespace

void GuitarSettingsRecord::Encode(std::uint8_t* out) const
{
    ChordRecord::Encode(tuning, out);
    const std::int32_t fields[] = {fretCount, capoFret, boardFlags, typingMethod};
    for (int i = 0; i < 4; ++i) PutLE(out + FieldsOffset + 4 * i, static_cast<std::uint32_t>(fields[i]), 4);
}

void GuitarSettingsRecord::Decode(const std::uint8_t* in)
{
    ChordRecord::Decode(in, tuning);
    fretCount = GetLE32(in + FieldsOffset);
    capoFret = GetLE32(in + FieldsOffset + 4);
    boardFlags = GetLE32(in + FieldsOffset + 8);
    typingMethod = GetLE32(in + FieldsOffset + 12);
}

void GuitarSettingsRecord::Repair()
{
    fretCount = std::clamp(fretCount, MinFretPositions, MaxFretPositions);
    capoFret = std::clamp(capoFret, 0, fretCount - 1);
    bool ended = false;
    for (NOTES& n : tuning.notes) {
        ended = ended || n < LowestNote || n > HighestNote;
        if (ended) n = NoNote;
    }
}
