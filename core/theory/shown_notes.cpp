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

int ShownOctave(NOTES n) { return n / 12 + 1; }

std::string ShownFullNoteName(NOTES n, const SpellingContext& context)
{
    const std::string name = ShownNoteName(n, context);
    const int alteration = name.size() < 2 ? 0 : name[1] == '#' ? 1 : name[1] == 'b' ? -1 : 0;
    return name + std::to_string(ShownOctave(n - alteration));
}
