// The Guitar's studio record on arbitrary text: a record that reads is
// brought onto the neck, and the strings it describes then take any chord,
// and any shape move, without overflow and without a note off its string.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/components/guitar/guitar_settings_record.h"
#include "app/components/guitar/shape_moves.h"
#include "core/services/error.h"
#include "core/services/hex_record.h"
#include "core/theory/string_assignment.h"
#include "fuzz/quiet_errors.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

// Every played string sounds a note its string reaches.
void CheckOnNeck(const chord& played, const GuitarSettingsRecord& r, int strings)
{
    for (int s = 0; s < chord::Slots; ++s) {
        if (played.notes[s] == NoNote) continue;
        Check(s < strings);
        Check(StringReaches(r.tuning, s, played.notes[s], 0, r.fretCount));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DropErrorMessages();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint8_t bytes[GuitarSettingsRecord::Size];
    int used = 0;
    if (!FromString(text.c_str(), bytes, GuitarSettingsRecord::Size, used)) return 0;
    GuitarSettingsRecord record;
    record.Decode(bytes);
    record.Repair();
    Check(record.fretCount >= MinFretPositions && record.fretCount <= MaxFretPositions);
    Check(record.capoFret >= 0 && record.capoFret < record.fretCount);
    const int strings = CountStrings(record.tuning);

    // The text after the record is the chord that arrives: one note per byte
    // pair, from any 16-bit value.
    chord arriving;
    for (std::size_t i = used; i + 1 < text.size() && arriving.CountNotes() < chord::Slots; i += 2)
        arriving.AddNote(static_cast<std::int16_t>(std::uint8_t(text[i]) | std::uint8_t(text[i + 1]) << 8));
    chord played = AssignStrings(arriving, record.tuning, strings, record.fretCount, record.capoFret);
    CheckOnNeck(played, record, strings);

    const NeckRange neck{&record.tuning, strings, record.capoFret, record.fretCount};
    MoveAlongNeck(played, neck, static_cast<int>(size % 7) - 3, size % 2);
    CheckOnNeck(played, record, strings);
    MoveAcrossStrings(played, neck, size % 3);
    CheckOnNeck(played, record, strings);
    MoveShapeToFret(played, neck, static_cast<int>(size % record.fretCount), size % 5);
    CheckOnNeck(played, record, strings);
    return 0;
}
