// Notes as the user reads them.
#include "core/theory/shown_notes.h"

#include "core/theory/chord.h"

std::string ShownNoteName(NOTES n, const SpellingContext& /*context*/)
{
    char name[3];
    chord::GetNoteName(n, name);
    return name;
}
