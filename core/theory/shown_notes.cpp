// Notes as the user reads them.
#include "core/theory/shown_notes.h"

#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"

std::string ShownNoteName(NOTES n, const SpellingContext& context)
{
    if (chord::Config_Accidentals == ByChordAccidentals) {
        std::string spelled = SpelledNoteName(n, context);
        if (!spelled.empty()) return spelled;
    }
    char name[3];
    chord::GetNoteName(n, name);
    return name;
}
