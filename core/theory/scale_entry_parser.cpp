// [Scales] entries: "Major", 1 1 ½ 1 1 1 ½ (steps in whole tones)
#include <cstring>

#include "core/theory/entry_fields.h"
#include "core/theory/entry_parsers.h"

namespace {

constexpr int OctaveSemitones = 12;
// The half sign: UTF-8, and the single Windows-1252 byte of older files.
constexpr const char* HalfSignUtf8 = "\xC2\xBD";
constexpr char HalfSignLegacy = '\xBD';

// Length of the half sign at p, or 0.
std::size_t HalfSignAt(const char* p)
{
    if (std::strncmp(p, HalfSignUtf8, 2) == 0) return 2;
    if (*p == HalfSignLegacy) return 1;
    return 0;
}

// Semitones of one step token ("1", "½", "1½", "6"), or -1.
int StepSemitones(const char* token)
{
    int semitones = 0;
    const char* p = token;
    if (*p >= '1' && *p <= '6') semitones = 2 * (*p++ - '0');
    if (const std::size_t half = HalfSignAt(p)) {
        ++semitones;
        p += half;
    }
    if (*p != '\0' || semitones == 0) return -1;
    return semitones;
}

}  // namespace

int ParseScaleEntry(const char* text, ScaleNameTag* record)
{
    if (!text || !record) return 0;
    *record = ScaleNameTag{};
    const char* p = ReadQuotedField(record->name, sizeof record->name, text);
    if (!p) return 0;

    int total = 0;
    char token[EntryTokenSize];
    for (;;) {
        p = ReadEntryItem(token, sizeof token, p, EntryBlanks);
        if (!p) return 0;
        if (token[0] == '\0') break;
        const int step = StepSemitones(token);
        if (step < 0 || record->count == DefinitionSlots) return 0;
        record->steps[record->count++] = step;
        total += step;
    }
    return total == OctaveSemitones ? 1 : 0;
}
