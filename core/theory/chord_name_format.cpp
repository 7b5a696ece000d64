#include <cstddef>

#include "core/theory/chord.h"
#include "core/theory/chord_name_parts.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/definition_records.h"
#include "core/theory/shown_notes.h"

namespace {

// Writes a name into the caller's ChordNameSize bytes, cutting what does not fit.
class NameWriter {
public:
    NameWriter(char* out, const SpellingContext& spelling) : out_(out), spelling_(spelling) { out_[0] = '\0'; }
    void Append(const char* text)
    {
        // Counted in a local: every character written could otherwise be
        // the count itself, for all the compiler knows.
        std::size_t used = used_;
        while (*text && used + 1 < chord::ChordNameSize) out_[used++] = *text++;
        out_[used] = '\0';
        used_ = used;
    }
    std::size_t Length() const { return used_; }
    void AppendNote(NOTES n) { Append(ShownNoteName(n, spelling_).c_str()); }
    // "C7 (E Bass)" or "C7/E".
    void AppendBass(NOTES bass)
    {
        Append(chord::Config_BassStyle ? "/" : " (");
        AppendNote(bass);
        if (!chord::Config_BassStyle) Append(" Bass)");
    }

private:
    char* out_;
    const SpellingContext& spelling_;
    std::size_t used_ = 0;
};

}  // namespace

std::size_t FormatChordName(const ChordNameParts& parts, char* out)
{
    // Only spelling by chord needs the chord's letters.
    const SpellingContext spelling =
        chord::Config_Accidentals == ByChordAccidentals ? ChordNameSpelling(parts) : SpellingContext{};
    NameWriter name(out, spelling);
    name.AppendNote(parts.root);
    if (parts.definition) name.Append(parts.definition->name);
    switch (parts.pass) {
    case ExactNamePass:
        if (chord::Config_DiffBass && !parts.rootIsLowest) name.AppendBass(parts.bass);
        break;
    case BassNamePass: name.AppendBass(parts.bass); break;
    case AddedNamePass:
        name.Append(" (Add ");
        if (chord::Config_AddStyle) {
            char interval[chord::ScaleNameSize];
            const int compound = static_cast<long long>(parts.added) - parts.root >= 12;
            chord::GetScaleName(parts.root, parts.added, compound, interval);
            name.Append(interval);
        } else {
            name.AppendNote(parts.added);
        }
        name.Append(")");
        break;
    case NoRootNamePass: name.Append(" (No Root)"); break;
    }
    return name.Length();
}
