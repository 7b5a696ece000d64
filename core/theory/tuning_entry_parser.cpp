// [Tunings] entries: "Guitar","Standard", E4 A5 D5 G5 B6 E6
#include "core/services/error.h"
#include "core/theory/definition_lists.h"
#include "core/theory/entry_fields.h"
#include "core/theory/entry_parsers.h"

namespace {

constexpr int InstrumentsFullMessage = 402;

}  // namespace

int ParseTuningEntry(const char* text, TuningNameTag* record)
{
    if (!text || !record) return 0;
    *record = TuningNameTag{};
    for (NOTES& s : record->strings) s = NoNote;

    char instrument[InstrumentNameSize];
    const char* p = ReadQuotedField(instrument, sizeof instrument, text);
    if (!p) return 0;
    // The instrument joins the table before the rest is read, as the tuning
    // editor relies on the table following the entries in order.
    record->instrument = InstrumentIndex(instrument);
    if (record->instrument < 0) {
        Error(InstrumentsFullMessage, MaxInstruments);
        return 0;
    }
    p = ReadQuotedField(record->name, sizeof record->name, p);
    if (!p) return 0;

    NOTES written[DefinitionSlots];
    int count = 0;
    char token[EntryTokenSize];
    for (;;) {
        p = ReadEntryItem(token, sizeof token, p, EntryBlanks);
        if (!p) return 0;
        if (token[0] == '\0') break;
        if (count == DefinitionSlots) return 0;
        // A note without an octave digit takes the octave of the one before.
        if (!ParseNote(token, &written[count])) return 0;
        ++count;
    }
    // The last string written is string 0.
    record->count = count;
    for (int i = 0; i < count; ++i) record->strings[i] = written[count - 1 - i];
    return 1;
}
