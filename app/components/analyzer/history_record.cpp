#include "app/components/analyzer/history_record.h"

#include <cstdint>

#include "app/components/shared/quiet_hex_record.h"
#include "core/studio/chord_record.h"
#include "core/studio/component_types.h"
#include "core/services/hex_record.h"
#include "core/theory/pitch_set.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/shown_notes.h"

namespace {
constexpr const char* OpenMark = "\u00AB";   // «
constexpr const char* CloseMark = "\u00BB";  // »
}  // namespace

chord HistoryRecordOf(const chord& c)
{
    chord record = c;
    record.soundCount = 0;
    CHORD_FIND_BUF buf;
    char name[chord::ChordNameSize] = {};
    if (c.FindFirstName(name, buf)) record.SetKey(PitchSet::FromWord(buf.bits).Root());
    return record;
}

std::string HistoryLineText(const chord& record, int mode)
{
    if (mode == ChordMode) {
        CHORD_FIND_BUF buf;
        char name[chord::ChordNameSize] = {};
        if (record.FindFirstName(name, buf) && name[0]) return name;
    }
    std::string text = OpenMark;
    const SpellingContext spelling = ChordSpelling(record);
    for (NOTES n : record.notes) {
        if (n == NoNote) continue;
        text += ShownNoteName(n, spelling);
        text += ' ';
    }
    return text + CloseMark;
}

int WriteHistoryLine(const chord& record, char* out, int size)
{
    std::uint8_t bytes[ChordRecord::Size];
    ChordRecord::Encode(record, bytes);
    if (size < 2 + 2 * ChordRecord::Size + 1) {
        if (size > 0) out[0] = 0;
        return 0;
    }
    return ToString(bytes, ChordRecord::Size, out, size);
}

int ReadHistoryLine(const char* text, int length, chord& record)
{
    std::uint8_t bytes[ChordRecord::Size];
    int used = 0;
    if (!ReadHexRecordQuietly(text, length, bytes, ChordRecord::Size, used)) return 0;
    ChordRecord::Decode(bytes, record);
    record.soundCount = 0;
    record.midiOutput = 0;
    return 1;
}
