#include "core/theory/section_writer.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Intervals take at least this many columns, and one blank always follows.
constexpr std::size_t IntervalColumns = 3;
// Key and the blanks before the value fill this many columns up to key 999.
constexpr std::size_t KeyColumns = 3;

// A name as it can stand between double quotes and read back the same.
std::string QuotableText(const char* text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::string KeyPadding(int key)
{
    const std::size_t digits = std::to_string(key).size();
    return std::string(KeyColumns - std::min(digits, KeyColumns), ' ');
}

// "text", followed by blanks that pad it to `longest` plus one.
void AppendQuotedColumn(std::string& out, const char* text, std::size_t longest)
{
    const std::size_t columns = TextColumns(text);
    out += '"';
    out += QuotableText(text);
    out += "\",";
    out.append(longest - std::min(columns, longest) + 1, ' ');
}

}  // namespace

std::size_t TextColumns(const char* text)
{
    std::size_t columns = 0;
    for (const char* p = text; *p; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++columns;
    return columns;
}

std::string ChordEntryValue(int key, const ChordNameTag& definition, std::size_t longestName,
                            std::size_t longestDescription)
{
    std::string out = KeyPadding(key);
    AppendQuotedColumn(out, definition.name, longestName);
    AppendQuotedColumn(out, definition.description, longestDescription);
    const int count = std::clamp<int>(definition.count, 0, DefinitionSlots);
    for (int i = 0; i < count; ++i) {
        const int semitones = definition.intervals[i];
        char name[chord::ScaleNameSize];
        chord::GetScaleName(0, semitones, semitones >= 12, name);
        std::string token(name);
        if (definition.flags[i] & OptionalInterval) token += '?';
        token.resize(std::max(token.size() + 1, IntervalColumns), ' ');
        out += token;
    }
    return out;
}

std::string TuningEntryValue(int key, const TuningNameTag& tuning, const char* instrument,
                             std::size_t longestInstrument, std::size_t longestName)
{
    std::string out = KeyPadding(key);
    AppendQuotedColumn(out, instrument ? instrument : "", longestInstrument);
    AppendQuotedColumn(out, tuning.name, longestName);
    // The last string is stored first.
    const int count = std::clamp<int>(tuning.count, 0, DefinitionSlots);
    for (int i = count - 1; i >= 0; --i) {
        char note[chord::FullNoteNameSize];
        chord::GetFullNoteName(tuning.strings[i], note);
        out += note;
        out += ' ';
    }
    return out;
}

bool WriteChordSection(const RecordsDone& recordWritten)
{
    std::size_t longestName = 0;
    std::size_t longestDescription = 0;
    for (const ChordNameTag* d = GetChordDefinition(0); d; d = d->next) {
        longestName = std::max(longestName, TextColumns(d->name));
        longestDescription = std::max(longestDescription, TextColumns(d->description));
    }
    Entries entries;
    int key = 1;
    for (const ChordNameTag* d = GetChordDefinition(0); d; d = d->next, ++key) {
        entries.emplace_back(std::to_string(key), ChordEntryValue(key, *d, longestName, longestDescription));
        if (recordWritten) recordWritten(key);
    }
    return WriteProfileSection("Chords", entries, GetINIFileName());
}

bool WriteTuningSection(const RecordsDone& recordWritten)
{
    // Padding counts every instrument of the table, used or not.
    std::size_t longestInstrument = 0;
    for (int i = 0; GetInstrument(i); ++i)
        longestInstrument = std::max(longestInstrument, TextColumns(GetInstrument(i)));
    std::size_t longestName = 0;
    for (TuningNameTag* t = GetTuning(0); t; t = t->next) {
        for (char* c = t->name; *c; ++c)
            if (*c == '"') *c = '\'';
        longestName = std::max(longestName, TextColumns(t->name));
    }
    Entries entries;
    int key = 1;
    for (const TuningNameTag* t = GetTuning(0); t; t = t->next, ++key) {
        entries.emplace_back(std::to_string(key),
                             TuningEntryValue(key, *t, GetInstrument(t->instrument), longestInstrument, longestName));
        if (recordWritten) recordWritten(key);
    }
    return WriteProfileSection("Tunings", entries, GetINIFileName());
}
