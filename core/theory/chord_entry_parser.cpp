// [Chords] entries: "m7","Minor Seventh", 1 3b 5? 7b
#include <cstring>

#include "core/theory/entry_fields.h"
#include "core/theory/entry_parsers.h"

namespace {

// A degree ends at a blank, a tab or the optional mark.
constexpr const char* DegreeDelimiters = " \t?";

}  // namespace

int ParseChordEntry(const char* text, ChordNameTag* record)
{
    if (!text || !record) return 0;
    *record = ChordNameTag{};
    const char* p = ReadQuotedField(record->name, sizeof record->name, text);
    p = ReadQuotedField(record->description, sizeof record->description, p);
    if (!p) return 0;

    char token[EntryTokenSize];
    for (;;) {
        p = ReadEntryItem(token, sizeof token, p, DegreeDelimiters);
        if (!p) return 0;
        if (token[0] == '\0') return 1;
        // More degrees than the record holds cannot be kept.
        if (record->count == DefinitionSlots) return 0;
        int semitones;
        // Whatever follows a valid degree inside its token is not examined.
        if (!ParseSpelling(token, &semitones)) return 0;
        const int i = record->count++;
        record->intervals[i] = semitones;
        if (*p == '?') {
            record->flags[i] = OptionalInterval;
            ++p;
        }
    }
}
